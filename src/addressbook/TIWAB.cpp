#include "TIWAB.h"

#include "FileTime.h"
#include "TDlLibraryLoader.h"
#include "TExError.h"
#include "TRegFileRegistry.h"
#include "WabHolders.h"

#include <algorithm>
#include <cstring>
#include <string_view>

namespace {

// The platform's path limit; the registry value must fit together with its terminating zero.
constexpr std::size_t PathBufferSize = 260;
// A bare name, found through the program's RUNPATH beside the installed program.
constexpr const char* DefaultLibraryName = "libwab32.so";
constexpr const char* LibraryPathKey = "Software\\Microsoft\\WAB\\DLLPath";

// Columns are read by position: 1 is the entry identifier, 2 the object type.
constexpr SizedSPropTagArray<3> ContentsColumns = {3, {PR_DISPLAY_NAME, PR_ENTRYID, PR_OBJECT_TYPE}};
constexpr ULONG ColumnEntryId = 1;
constexpr ULONG ColumnObjectType = 2;

// The values of a multi-value text; empty pieces (a module's stray separators) carry nothing.
std::vector<std::string> ValuesOf(const char* text)
{
    std::vector<std::string> values;
    if (text == nullptr)
        return values;
    const std::string_view all(text);
    for (std::size_t from = 0; from <= all.size();) {
        const std::size_t end = std::min(all.find(NELVORA_VALUE_SEPARATOR, from), all.size());
        if (end > from)
            values.emplace_back(all.substr(from, end - from));
        from = end + 1;
    }
    return values;
}

[[noreturn]] void Fail(const char* methodName, const char* message)
{
    TExError error;
    error.AddEntry(0, "", methodName, "%s", message);
    throw error;
}

} // namespace

TIWAB::TIWAB()
    : m_ownRegistry(std::make_unique<TRegFileRegistry>()), m_ownLoader(std::make_unique<TDlLibraryLoader>()),
      m_registry(*m_ownRegistry), m_loader(*m_ownLoader)
{
}

TIWAB::TIWAB(const IRegistry& registry, const ILibraryLoader& loader) : m_registry(registry), m_loader(loader) {}

TIWAB::~TIWAB() = default;

void TIWAB::Init()
{
    char path[PathBufferSize] = {};
    std::strncpy(path, DefaultLibraryName, PathBufferSize - 1);
    // Used exactly as stored: no expansion of environment references. A value that does not fit is not used.
    if (const auto value = m_registry.ReadDefaultValue(LibraryPathKey); value && value->size() < PathBufferSize)
        std::memcpy(path, value->data(), value->size() + 1);

    LibraryHandle = m_loader.Load(path);
    if (LibraryHandle == nullptr)
        Fail("Init", "LoadLibrary failed for WAB.DLL!");

    // The library stays loaded when the export is missing: nothing unloads it.
    WABOpenEntry = reinterpret_cast<LPWABOPEN>(m_loader.Symbol(LibraryHandle, "WABOpen"));
    if (WABOpenEntry == nullptr)
        Fail("Init", "Can't get entry point for WABOpen function!");
}

void TIWAB::Load()
{
    AddressBook.Clear();
    Stores.clear();
    StoreListText.clear();

    const auto lines = [](const std::vector<std::string>& paths) {
        std::string text;
        for (const std::string& path : paths) {
            if (!text.empty())
                text += '\n';
            text += path;
        }
        return text;
    };
    const std::string fileNames = lines(Sources);
    const std::string excluded = lines(ExcludedStores);
    NELVORA_WAB_PARAM param = {};
    WAB_PARAM* paramBlock = nullptr;
    if (!Sources.empty() || !ExcludedStores.empty()) {
        param.Wab.cbSize = sizeof param;
        param.Wab.szFileName = Sources.empty() ? nullptr : fileNames.c_str();
        param.szExcludedStores = excluded.c_str();
        paramBlock = &param.Wab;
    }

    // Declared in the reverse of the order they are given back: the table, the container, the address book, and
    // last the WAB object, which every buffer still needs.
    TObjectRef<IWABObject> wabObject;
    TObjectRef<IAddrBook> addrBook;
    if (WABOpenEntry == nullptr || WABOpenEntry(addrBook.Out(), wabObject.Out(), paramBlock, 0) != S_OK ||
        addrBook.Get() == nullptr || wabObject.Get() == nullptr)
        Fail("Load", "Can't open address book!");
    ReadStoreList();

    TObjectRef<IABContainer> container;
    {
        ULONG entryIdSize = 0;
        TWabBuffer<ENTRYID> entryId(wabObject.Get());
        if (addrBook->GetPAB(&entryIdSize, entryId.Out()) != S_OK)
            Fail("Load", "Can't open root container!");

        ULONG objectType = 0;
        IUnknown* object = nullptr;
        const HRESULT opened = addrBook->OpenEntry(entryIdSize, entryId.Get(), nullptr, 0, &objectType, &object);
        container.Adopt(object);
        entryId.Free();
        if (opened != S_OK || container.Get() == nullptr)
            Fail("Load", "Can't open WAB entry!");
    }

    TObjectRef<IMAPITable> table;
    if (container->GetContentsTable(0, table.Out()) != S_OK || table.Get() == nullptr)
        Fail("Load", "Can't open root container contents table!");
    if (table->SetColumns(ContentsColumns.Get(), 0) != S_OK)
        Fail("Load", "Can't set order!");
    if (table->SeekRow(BOOKMARK_BEGINNING, 0, nullptr) != S_OK)
        Fail("Load", "Can't set position in address book!");

    for (;;) {
        TRowSetRef rows(wabObject.Get());
        if (table->QueryRows(1, 0, rows.Out()) != S_OK || rows.Get() == nullptr)
            Fail("Load", "Can't access address book row!");
        if (rows.Get()->cRows == 0)
            break;

        const SRow& row = rows.Get()->aRow[0];
        // A row too short to carry the object type cannot be a contact.
        if (row.lpProps == nullptr || row.cValues <= ColumnObjectType ||
            row.lpProps[ColumnObjectType].Value.ul != MAPI_MAILUSER)
            continue;

        const SBinary& entryId = row.lpProps[ColumnEntryId].Value.bin;
        ULONG objectType = 0;
        IUnknown* object = nullptr;
        const HRESULT opened = addrBook->OpenEntry(entryId.cb, entryId.lpb, nullptr, 0, &objectType, &object);
        TObjectRef<IMailUser> contact;
        contact.Adopt(object);
        if (opened != S_OK || contact.Get() == nullptr)
            Fail("Load", "Can't access address book entry!");

        ULONG count = 0;
        TWabBuffer<SPropValue> values(wabObject.Get());
        const HRESULT read = contact->GetProps(nullptr, 0, &count, values.Out());
        contact.Release();
        if (read != S_OK)
            Fail("Load", "Can't access address book entry properties!");

        DecodeContact(values.Get(), values.Get() != nullptr ? static_cast<LONG>(count) : 0);
        values.Free();
    }
}

void TIWAB::ReadStoreList()
{
    const auto entry = reinterpret_cast<LPNELVORASTORELIST>(
        LibraryHandle != nullptr ? m_loader.Symbol(LibraryHandle, "NelvoraStoreList") : nullptr);
    if (entry == nullptr)
        return;
    std::string list(entry(nullptr, 0), '\0');
    if (!list.empty())
        list.resize(entry(list.data(), static_cast<ULONG>(list.size() + 1)));
    Stores = ParseStoreList(list);
    StoreListText = std::move(list);
}

void TIWAB::DecodeContact(const SPropValue* values, LONG count)
{
    std::string name;
    TDate birthday = 0;
    TDate anniversary = 0;
    std::string uid;
    std::vector<std::string> emails;
    std::vector<std::string> phones;
    for (LONG i = 0; i < count; ++i) {
        const SPropValue& value = values[i];
        switch (value.ulPropTag) {
        case PR_DISPLAY_NAME:
            name = value.Value.lpszA != nullptr ? value.Value.lpszA : "";
            break;
        case PR_WEDDING_ANNIVERSARY:
            anniversary = FileTimeToDate(value.Value.ft);
            break;
        case PR_BIRTHDAY:
            birthday = FileTimeToDate(value.Value.ft);
            break;
        case PR_NELVORA_UID:
            uid = value.Value.lpszA != nullptr ? value.Value.lpszA : "";
            break;
        case PR_NELVORA_EMAILS:
            emails = ValuesOf(value.Value.lpszA);
            break;
        case PR_NELVORA_PHONES:
            phones = ValuesOf(value.Value.lpszA);
            break;
        default:
            break;
        }
    }
    AddressBook.AddItem(name, birthday, anniversary, uid);
    // AddItem takes the values every address book has; the ways to reach the person go onto the record it added.
    if (tdstAddressItem* added = AddressBook.GetItem(AddressBook.GetCount() - 1)) {
        added->Emails = std::move(emails);
        added->Phones = std::move(phones);
    }
}
