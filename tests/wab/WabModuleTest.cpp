// The real provider module, loaded with dlopen the way the program loads it, read the way the loader reads it.

#include "WabApi.h"

#include "IRegistry.h"
#include "TDlLibraryLoader.h"
#include "TIWAB.h"

#include "CorpusExpectations.h"
#include "TPrivateHome.h"

#include <dlfcn.h>
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <map>

namespace {

namespace fs = std::filesystem;

LPWABOPEN ModuleEntry()
{
    static void* handle = ::dlopen(NELVORA_WAB_MODULE, RTLD_NOW | RTLD_LOCAL);
    if (!handle)
        return nullptr;
    return reinterpret_cast<LPWABOPEN>(::dlsym(handle, "WABOpen"));
}

struct TRow
{
    ULONG ObjectType = 0;
    std::string Name;
    std::optional<VCard::TVCardDate> Birthday;
    std::optional<VCard::TVCardDate> Anniversary;
};

std::optional<VCard::TVCardDate> DateOf(const FILETIME& time)
{
    const std::uint64_t ticks = (std::uint64_t{time.dwHighDateTime} << 32) | time.dwLowDateTime;
    EXPECT_EQ(ticks % 864000000000ull, 0u) << "not midnight UTC";
    // Civil date from days since 1601-01-01 (Howard Hinnant's algorithm, shifted from 1970).
    const std::int64_t z = static_cast<std::int64_t>(ticks / 864000000000ull) - 134774 + 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned day = doy - (153 * mp + 2) / 5 + 1;
    const unsigned month = mp < 10 ? mp + 3 : mp - 9;
    const std::int64_t year = static_cast<std::int64_t>(yoe) + era * 400 + (month <= 2);
    return VCard::TVCardDate{static_cast<std::int16_t>(year), static_cast<std::uint8_t>(month),
                             static_cast<std::uint8_t>(day)};
}

// Walks the personal address book exactly as the program's loader does, one row at a time.
std::vector<TRow> ReadAddressBook(const char* sources)
{
    std::vector<TRow> rows;
    const LPWABOPEN open = ModuleEntry();
    EXPECT_NE(open, nullptr) << ::dlerror();
    if (!open)
        return rows;
    WAB_PARAM param{};
    param.cbSize = sizeof param;
    param.szFileName = sources;
    IAddrBook* book = nullptr;
    IWABObject* wab = nullptr;
    EXPECT_EQ(open(&book, &wab, &param, 0), S_OK);
    ULONG pabSize = 0;
    ENTRYID* pab = nullptr;
    EXPECT_EQ(book->GetPAB(&pabSize, &pab), S_OK);
    ULONG type = 0;
    IUnknown* object = nullptr;
    EXPECT_EQ(book->OpenEntry(pabSize, pab, nullptr, 0, &type, &object), S_OK);
    wab->FreeBuffer(pab);
    EXPECT_EQ(type, MAPI_ABCONT);
    auto* container = static_cast<IABContainer*>(object);
    IMAPITable* table = nullptr;
    EXPECT_EQ(container->GetContentsTable(0, &table), S_OK);
    static const SizedSPropTagArray<3> columns{3, {PR_DISPLAY_NAME, PR_ENTRYID, PR_OBJECT_TYPE}};
    EXPECT_EQ(table->SetColumns(columns.Get(), 0), S_OK);
    EXPECT_EQ(table->SeekRow(BOOKMARK_BEGINNING, 0, nullptr), S_OK);
    while (true) {
        SRowSet* set = nullptr;
        EXPECT_EQ(table->QueryRows(1, 0, &set), S_OK);
        if (set->cRows == 0) {
            wab->FreeBuffer(set);
            break;
        }
        const SRow& row = set->aRow[0];
        EXPECT_EQ(row.cValues, 3u);
        TRow result;
        result.ObjectType = row.lpProps[2].Value.ul;
        if (result.ObjectType == MAPI_MAILUSER) {
            IUnknown* user = nullptr;
            ULONG userType = 0;
            const SBinary& id = row.lpProps[1].Value.bin;
            EXPECT_EQ(book->OpenEntry(id.cb, id.lpb, nullptr, 0, &userType, &user), S_OK);
            ULONG count = 0;
            SPropValue* values = nullptr;
            EXPECT_EQ(static_cast<IMailUser*>(user)->GetProps(nullptr, 0, &count, &values), S_OK);
            user->Release();
            for (ULONG i = 0; i < count; ++i) {
                if (values[i].ulPropTag == PR_DISPLAY_NAME)
                    result.Name = values[i].Value.lpszA;
                else if (values[i].ulPropTag == PR_BIRTHDAY)
                    result.Birthday = DateOf(values[i].Value.ft);
                else if (values[i].ulPropTag == PR_WEDDING_ANNIVERSARY)
                    result.Anniversary = DateOf(values[i].Value.ft);
            }
            wab->FreeBuffer(values);
        }
        rows.push_back(result);
        for (ULONG i = 0; i < set->cRows; ++i)
            wab->FreeBuffer(set->aRow[i].lpProps);
        wab->FreeBuffer(set);
    }
    table->Release();
    container->Release();
    book->Release();
    wab->Release();
    return rows;
}

std::vector<TRow> Contacts(const std::vector<TRow>& rows)
{
    std::vector<TRow> contacts;
    std::copy_if(rows.begin(), rows.end(), std::back_inserter(contacts),
                 [](const TRow& row) { return row.ObjectType == MAPI_MAILUSER; });
    return contacts;
}

std::vector<std::string> Names(const std::vector<TRow>& rows)
{
    std::vector<std::string> names;
    for (const auto& row : rows)
        names.push_back(row.Name);
    return names;
}

std::uint64_t HashOfFile(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::uint64_t hash = 14695981039346656037ull;
    char c;
    while (in.get(c))
        hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    return hash;
}

std::map<std::string, std::uint64_t> HashesBelow(const fs::path& folder)
{
    std::map<std::string, std::uint64_t> hashes;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        hashes[entry.path().string()] = entry.is_regular_file() ? HashOfFile(entry.path()) : 0;
    return hashes;
}

TEST(WabModule, ExportsOnlyTheEntryPoint)
{
    ASSERT_NE(ModuleEntry(), nullptr);
    void* handle = ::dlopen(NELVORA_WAB_MODULE, RTLD_NOW | RTLD_NOLOAD);
    ASSERT_NE(handle, nullptr);
    EXPECT_EQ(::dlsym(handle, "_ZN5VCard11ParseVCardsESt17basic_string_viewIcSt11char_traitsIcEE"), nullptr);
    ::dlclose(handle);
}

TEST(WabModule, TheCorpusReadsAsExpectedAndStaysUntouched)
{
    const fs::path folder = CorpusDir() + "/vcards";
    const auto before = HashesBelow(folder);
    const auto rows = ReadAddressBook(folder.c_str());
    EXPECT_EQ(HashesBelow(folder), before);

    // The table is in display-name order; cards of the same name keep their file order on both sides.
    auto expected = LoadExpectedCards();
    std::stable_sort(expected.begin(), expected.end(),
                     [](const TExpectedCard& a, const TExpectedCard& b) { return a.File < b.File; });
    std::stable_sort(expected.begin(), expected.end(),
                     [](const TExpectedCard& a, const TExpectedCard& b) { return a.Name < b.Name; });
    auto contacts = Contacts(rows);
    std::stable_sort(contacts.begin(), contacts.end(), [](const TRow& a, const TRow& b) { return a.Name < b.Name; });
    ASSERT_EQ(contacts.size(), expected.size());
    // A FILETIME counts from 1601: earlier dates (the corpus has the year 1000) cannot travel and arrive as none.
    const auto travels = [](const std::string& date) {
        return !date.empty() && date[0] != '-' && date < "1601" ? std::string() : date;
    };
    for (std::size_t i = 0; i < contacts.size(); ++i) {
        SCOPED_TRACE(expected[i].File + " card " + std::to_string(expected[i].Index));
        EXPECT_EQ(contacts[i].Name, expected[i].Name);
        if (expected[i].BirthdayIsJudgementCall())
            EXPECT_TRUE(!contacts[i].Birthday || DateText(contacts[i].Birthday) == expected[i].Birthday);
        else
            EXPECT_EQ(DateText(contacts[i].Birthday), travels(expected[i].Birthday));
        EXPECT_EQ(DateText(contacts[i].Anniversary), travels(expected[i].Anniversary));
    }
    // The one VLIST block of the corpus is in the table as a distribution list.
    EXPECT_EQ(std::count_if(rows.begin(), rows.end(), [](const TRow& row) { return row.ObjectType == MAPI_DISTLIST; }),
              1);
}

TEST(WabModule, GroupsAreDistributionListsBetweenTheContacts)
{
    TTempFolder folder;
    folder.Write("a.vcf",
                 OneCard("Ann") + "BEGIN:VCARD\nVERSION:4.0\nKIND:group\nFN:Bea's family\nEND:VCARD\n" + OneCard("Bo"));
    const auto rows = ReadAddressBook(folder.Path().c_str());
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[1].ObjectType, MAPI_DISTLIST);
    EXPECT_EQ(Names(Contacts(rows)), (std::vector<std::string>{"Ann", "Bo"}));
}

TEST(WabModule, SeveralSourcesDuplicatesAndMissingOnes)
{
    TTempFolder folder;
    const auto first = folder.Write("first/x.vcf", OneCard("Ann", "u1") + OneCard("Bo", "u2"));
    folder.Write("second/a.vcf", OneCard("Ann again", "u1"));
    folder.Write("second/b.vcf", OneCard("Cy"));
    const std::string sources =
        first.string() + "\n" + (folder.Path() / "missing").string() + "\n\n" + (folder.Path() / "second").string();
    EXPECT_EQ(Names(ReadAddressBook(sources.c_str())), (std::vector<std::string>{"Ann", "Bo", "Cy"}));
    EXPECT_TRUE(ReadAddressBook((folder.Path() / "missing").c_str()).empty());
    EXPECT_FALSE(fs::exists(folder.Path() / "missing"));
}

TEST(WabModule, WithoutParametersTheDataHomeContactsAreRead)
{
    TPrivateHome home;
    home.Write(".local/share/contacts/work/b.vcf", OneCard("Bo"));
    home.Write(".local/share/contacts/a.vcf", OneCard("Ann"));
    EXPECT_EQ(Names(ReadAddressBook(nullptr)), (std::vector<std::string>{"Ann", "Bo"}));
    // A list that names nothing is an empty address book.
    EXPECT_TRUE(ReadAddressBook("\n").empty());
    fs::remove_all(home.Path() / ".local/share/contacts");
    EXPECT_TRUE(ReadAddressBook(nullptr).empty());
    EXPECT_FALSE(fs::exists(home.Path() / ".local/share/contacts"));
}

TEST(WabModule, DatesArriveAsMidnightUtcAndUnknownYearsAs1604)
{
    TTempFolder folder;
    folder.Write("a.vcf", "BEGIN:VCARD\nFN:Ann\nBDAY:19531015T231000Z\nANNIVERSARY:--0229\nEND:VCARD\n"
                          "BEGIN:VCARD\nBDAY:1901-01-01\nEND:VCARD\n");
    const auto rows = ReadAddressBook(folder.Path().c_str());
    ASSERT_EQ(rows.size(), 2u);
    // A card without a name sorts first.
    EXPECT_EQ(rows[0].Name, "");
    EXPECT_EQ(DateText(rows[0].Birthday), "1901-01-01");
    EXPECT_FALSE(rows[0].Anniversary);
    EXPECT_EQ(DateText(rows[1].Birthday), "1953-10-15");
    EXPECT_EQ(rows[1].Anniversary, (VCard::TVCardDate{1604, 2, 29}));
}

// Names the module under test, as the installed registry file names the installed one.
class TModuleRegistry final : public IRegistry
{
public:
    std::optional<std::string> ReadDefaultValue(const std::string& subKey) const override
    {
        if (subKey == "Software\\Microsoft\\WAB\\DLLPath")
            return NELVORA_WAB_MODULE;
        return std::nullopt;
    }
};

TEST(WabModule, AddressesAndNumbersOfEveryCopyReachTheProgramsContacts)
{
    TTempFolder folder;
    folder.Write("a.vcf", "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:ann\r\nFN:Ann\r\nEMAIL:ann@home.example\r\n"
                          "EMAIL;TYPE=INTERNET,pref:ann@example.org\r\nTEL;TYPE=CELL:+49 170 1111\r\n"
                          "TEL;TYPE=HOME:+49 30 2222\r\nEND:VCARD\r\n" +
                              OneCard("Bo"));
    folder.Write("b.vcf", "BEGIN:VCARD\r\nVERSION:4.0\r\nUID:ann\r\nFN:Ann at work\r\n"
                          "EMAIL;PREF=1:ann@work.example\r\nEMAIL:ANN@example.org\r\n"
                          "TEL;VALUE=uri:tel:+49-170-1111\r\nEND:VCARD\r\n");
    const TModuleRegistry registry;
    const TDlLibraryLoader loader;
    TIWAB wab(registry, loader);
    wab.Sources = {folder.Path().string()};

    wab.Init();
    wab.Load();

    ASSERT_EQ(wab.AddressBook.GetCount(), 2);
    const tdstAddressItem& ann = *wab.AddressBook.GetItem(0);
    EXPECT_EQ(ann.Name, "Ann");
    EXPECT_EQ(ann.Emails, (std::vector<std::string>{"ann@example.org", "ann@home.example", "ann@work.example"}));
    EXPECT_EQ(ann.Phones, (std::vector<std::string>{"+49 170 1111", "+49 30 2222"}));
    const tdstAddressItem& bo = *wab.AddressBook.GetItem(1);
    EXPECT_EQ(bo.Name, "Bo");
    EXPECT_TRUE(bo.Emails.empty() && bo.Phones.empty());
}

class WabConnection : public testing::Test
{
protected:
    void SetUp() override
    {
        m_folder.Write("a.vcf", "BEGIN:VCARD\nFN:Ann\nBDAY:19800322\nEND:VCARD\n" + OneCard("Bo"));
        ASSERT_NE(ModuleEntry(), nullptr);
        WAB_PARAM param{};
        param.cbSize = sizeof param;
        param.szFileName = m_folder.Path().c_str();
        ASSERT_EQ(ModuleEntry()(&m_book, &m_wab, &param, 0), S_OK);
    }
    void TearDown() override
    {
        if (m_book)
            m_book->Release();
        if (m_wab)
            m_wab->Release();
    }

    IMAPITable* OpenTable()
    {
        ULONG size = 0;
        ENTRYID* pab = nullptr;
        EXPECT_EQ(m_book->GetPAB(&size, &pab), S_OK);
        ULONG type = 0;
        IUnknown* object = nullptr;
        EXPECT_EQ(m_book->OpenEntry(size, pab, nullptr, 0, &type, &object), S_OK);
        m_wab->FreeBuffer(pab);
        IMAPITable* table = nullptr;
        EXPECT_EQ(static_cast<IABContainer*>(object)->GetContentsTable(0, &table), S_OK);
        // The table keeps what it needs: the container may go first.
        object->Release();
        return table;
    }

    TTempFolder m_folder;
    IAddrBook* m_book = nullptr;
    IWABObject* m_wab = nullptr;
};

TEST_F(WabConnection, ChainedBuffersAreFreedWithTheirParent)
{
    void* parent = nullptr;
    ASSERT_EQ(m_wab->AllocateBuffer(64, &parent), S_OK);
    void* child = nullptr;
    ASSERT_EQ(m_wab->AllocateMore(1000, parent, &child), S_OK);
    void* grandChild = nullptr;
    ASSERT_EQ(m_wab->AllocateMore(0, parent, &grandChild), S_OK);
    std::memset(child, 1, 1000);
    EXPECT_NE(child, grandChild);
    EXPECT_EQ(m_wab->AllocateMore(8, nullptr, &child), MAPI_E_INVALID_PARAMETER);
    EXPECT_EQ(m_wab->FreeBuffer(parent), 0u); // the sanitizer build reports a leak if the chain is not freed
    EXPECT_EQ(m_wab->FreeBuffer(nullptr), 0u);
}

TEST_F(WabConnection, ObjectsLiveUntilTheirLastRelease)
{
    IMAPITable* table = OpenTable();
    m_book->Release();
    m_book = nullptr;
    SRowSet* rows = nullptr;
    ASSERT_EQ(table->QueryRows(10, 0, &rows), S_OK);
    EXPECT_EQ(rows->cRows, 2u);
    EXPECT_STREQ(rows->aRow[1].lpProps[0].Value.lpszA, "Bo");
    for (ULONG i = 0; i < rows->cRows; ++i)
        m_wab->FreeBuffer(rows->aRow[i].lpProps);
    m_wab->FreeBuffer(rows);
    EXPECT_EQ(table->Release(), 0u);
}

TEST_F(WabConnection, MissingPropertiesAreReportedAsErrorValues)
{
    IMAPITable* table = OpenTable();
    static const SizedSPropTagArray<2> columns{2, {PR_BIRTHDAY, PR_WEDDING_ANNIVERSARY}};
    ASSERT_EQ(table->SetColumns(columns.Get(), 0), S_OK);
    LONG moved = 0;
    ASSERT_EQ(table->SeekRow(BOOKMARK_END, -5, &moved), S_OK);
    EXPECT_EQ(moved, -2);
    SRowSet* rows = nullptr;
    ASSERT_EQ(table->QueryRows(1, 0, &rows), S_OK);
    ASSERT_EQ(rows->cRows, 1u);
    EXPECT_EQ(rows->aRow[0].lpProps[0].ulPropTag, PR_BIRTHDAY);
    EXPECT_EQ(rows->aRow[0].lpProps[1].ulPropTag, CHANGE_PROP_TYPE(PR_WEDDING_ANNIVERSARY, PT_ERROR));
    EXPECT_EQ(rows->aRow[0].lpProps[1].Value.err, MAPI_E_NOT_FOUND);
    m_wab->FreeBuffer(rows->aRow[0].lpProps);
    m_wab->FreeBuffer(rows);
    table->Release();

    ULONG type = 0;
    IUnknown* object = nullptr;
    ENTRYID bogus[8] = {1, 2, 3, 4, 5, 6, 7, 8};
    EXPECT_EQ(m_book->OpenEntry(8, bogus, nullptr, 0, &type, &object), MAPI_E_INVALID_ENTRYID);
    EXPECT_EQ(m_book->OpenEntry(3, bogus, nullptr, 0, &type, &object), MAPI_E_INVALID_ENTRYID);
    EXPECT_EQ(object, nullptr);
}

TEST_F(WabConnection, GetPropsWithTagsWarnsAboutMissingOnes)
{
    IMAPITable* table = OpenTable();
    SRowSet* rows = nullptr;
    ASSERT_EQ(table->QueryRows(1, 0, &rows), S_OK);
    IUnknown* user = nullptr;
    ULONG type = 0;
    const SBinary id = rows->aRow[0].lpProps[1].Value.bin;
    ASSERT_EQ(m_book->OpenEntry(id.cb, id.lpb, nullptr, 0, &type, &user), S_OK);
    EXPECT_EQ(type, MAPI_MAILUSER);
    static const SizedSPropTagArray<3> tags{3, {PR_BIRTHDAY, PR_SURNAME, PR_DISPLAY_NAME}};
    ULONG count = 0;
    SPropValue* values = nullptr;
    EXPECT_EQ(static_cast<IMailUser*>(user)->GetProps(tags.Get(), 0, &count, &values), MAPI_W_ERRORS_RETURNED);
    ASSERT_EQ(count, 3u);
    EXPECT_EQ(values[0].ulPropTag, PR_BIRTHDAY);
    EXPECT_EQ(values[1].ulPropTag, CHANGE_PROP_TYPE(PR_SURNAME, PT_ERROR));
    EXPECT_STREQ(values[2].Value.lpszA, "Ann");
    m_wab->FreeBuffer(values);
    user->Release();
    m_wab->FreeBuffer(rows->aRow[0].lpProps);
    m_wab->FreeBuffer(rows);
    table->Release();
}

} // namespace
