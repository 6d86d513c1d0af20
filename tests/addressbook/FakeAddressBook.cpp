#include "FakeAddressBook.h"

#include <cstdlib>
#include <cstring>

TFakeAddressBook* TFakeAddressBook::Current = nullptr;

class TFakeAddressBook::Object
{
public:
    Object(TFakeAddressBook& book, std::string name) : m_book(book), m_name(std::move(name)) {}
    virtual ~Object() = default;

protected:
    // False (and a violation) once the caller has given the object up.
    bool Usable(const char* method)
    {
        m_book.Call(std::string(method) + " " + m_name);
        if (m_released)
            m_book.Violation(std::string(method) + " on released " + m_name);
        return !m_released;
    }

    ULONG ReleaseOnce()
    {
        m_book.Call("Release " + m_name);
        if (m_released) {
            m_book.Violation("second Release of " + m_name);
            return 0;
        }
        m_released = true;
        m_book.ObjectReleased();
        return 0;
    }

    TFakeAddressBook& m_book;
    std::string m_name;
    bool m_released = false;
};

namespace {

using Step = TFakeAddressBook::Step;

const BYTE PabId[] = {'P', 'A', 'B', 0};

class TFakeWabObject final : public IWABObject, public TFakeAddressBook::Object
{
public:
    explicit TFakeWabObject(TFakeAddressBook& book) : Object(book, "wab") {}

    ULONG Release() override { return ReleaseOnce(); }

    HRESULT AllocateBuffer(ULONG cbSize, void** buffer) override
    {
        Usable("AllocateBuffer");
        *buffer = m_book.Allocate(cbSize);
        return S_OK;
    }

    HRESULT AllocateMore(ULONG cbSize, void* object, void** buffer) override
    {
        Usable("AllocateMore");
        *buffer = m_book.AllocateMore(cbSize, object);
        return *buffer != nullptr ? S_OK : MAPI_E_INVALID_PARAMETER;
    }

    ULONG FreeBuffer(void* buffer) override
    {
        if (buffer == nullptr)
            return 0;
        Usable("FreeBuffer");
        m_book.Free(buffer);
        return 0;
    }
};

class TFakeMailUser final : public IMailUser, public TFakeAddressBook::Object
{
public:
    TFakeMailUser(TFakeAddressBook& book, const TFakeAddressBook::Entry& entry)
        : Object(book, "contact"), m_entry(entry)
    {
    }

    ULONG Release() override { return ReleaseOnce(); }

    HRESULT GetProps(const SPropTagArray* propTagArray, ULONG flags, ULONG* count, SPropValue** values) override
    {
        if (!Usable("GetProps"))
            return MAPI_E_CALL_FAILED;
        if (propTagArray != nullptr || flags != 0)
            m_book.Violation("GetProps asked for particular tags or with flags");
        const HRESULT answer = m_book.Answer(Step::GetProps);
        if (answer < 0)
            return answer;

        const auto n = static_cast<ULONG>(m_entry.Props.size());
        auto* props = static_cast<SPropValue*>(m_book.Allocate(sizeof(SPropValue) * (n == 0 ? 1 : n)));
        for (ULONG i = 0; i < n; ++i) {
            const auto& prop = m_entry.Props[i];
            props[i] = {};
            props[i].ulPropTag = prop.Tag;
            if (const auto* text = std::get_if<std::string>(&prop.Value))
                props[i].Value.lpszA = m_book.CopyText(*text, props);
            else if (const auto* time = std::get_if<FILETIME>(&prop.Value))
                props[i].Value.ft = *time;
            else
                props[i].Value.l = std::get<LONG>(prop.Value);
        }
        *count = n;
        *values = props;
        return answer;
    }

private:
    const TFakeAddressBook::Entry& m_entry;
};

class TFakeTable final : public IMAPITable, public TFakeAddressBook::Object
{
public:
    explicit TFakeTable(TFakeAddressBook& book) : Object(book, "table") {}

    ULONG Release() override { return ReleaseOnce(); }

    HRESULT SetColumns(const SPropTagArray* propTagArray, ULONG flags) override
    {
        if (!Usable("SetColumns"))
            return MAPI_E_CALL_FAILED;
        if (propTagArray == nullptr || propTagArray->cValues != 3 || flags != 0)
            m_book.Violation("SetColumns without the three columns or with flags");
        else if (const ULONG* tags = propTagArray->aulPropTag;
                 tags[0] != PR_DISPLAY_NAME || tags[1] != PR_ENTRYID || tags[2] != PR_OBJECT_TYPE)
            m_book.Violation("SetColumns in another order");
        m_columnsSet = true;
        return m_book.Answer(Step::SetColumns);
    }

    HRESULT SeekRow(BOOKMARK bookmark, LONG rowCount, LONG* rowsSought) override
    {
        if (!Usable("SeekRow"))
            return MAPI_E_CALL_FAILED;
        if (bookmark != BOOKMARK_BEGINNING || rowCount != 0 || rowsSought != nullptr)
            m_book.Violation("SeekRow not to the first row");
        m_cursor = 0;
        return m_book.Answer(Step::SeekRow);
    }

    HRESULT QueryRows(LONG rowCount, ULONG flags, SRowSet** rows) override
    {
        if (!Usable("QueryRows"))
            return MAPI_E_CALL_FAILED;
        if (rowCount != 1 || flags != 0)
            m_book.Violation("QueryRows not one row at a time or with flags");
        if (!m_columnsSet)
            m_book.Violation("QueryRows before SetColumns");
        const HRESULT answer = m_book.Answer(Step::QueryRows);
        if (answer < 0)
            return answer;

        const bool more = m_cursor < m_book.Entries.size();
        auto* set = static_cast<SRowSet*>(m_book.Allocate(CbNewSRowSet(1)));
        set->cRows = more ? 1 : 0;
        if (more) {
            const auto index = static_cast<std::uint32_t>(m_cursor++);
            const auto& entry = m_book.Entries[index];
            SRow& row = set->aRow[0];
            row = {};
            row.cValues = 3;
            row.lpProps = static_cast<SPropValue*>(m_book.Allocate(3 * sizeof(SPropValue)));
            std::memset(row.lpProps, 0, 3 * sizeof(SPropValue));
            row.lpProps[0].ulPropTag = PR_DISPLAY_NAME;
            row.lpProps[0].Value.lpszA = m_book.CopyText("row", row.lpProps);
            row.lpProps[1].ulPropTag = PR_ENTRYID;
            auto* id = static_cast<BYTE*>(m_book.AllocateMore(5, row.lpProps));
            id[0] = 'C';
            std::memcpy(id + 1, &index, sizeof index);
            row.lpProps[1].Value.bin = {5, id};
            row.lpProps[2].ulPropTag = PR_OBJECT_TYPE;
            row.lpProps[2].Value.ul = entry.ObjectType;
        }
        *rows = set;
        return answer;
    }

private:
    std::size_t m_cursor = 0;
    bool m_columnsSet = false;
};

class TFakeContainer final : public IABContainer, public TFakeAddressBook::Object
{
public:
    explicit TFakeContainer(TFakeAddressBook& book) : Object(book, "container") {}

    ULONG Release() override { return ReleaseOnce(); }

    HRESULT GetContentsTable(ULONG flags, IMAPITable** table) override
    {
        if (!Usable("GetContentsTable"))
            return MAPI_E_CALL_FAILED;
        if (flags != 0)
            m_book.Violation("GetContentsTable with flags");
        const HRESULT answer = m_book.Answer(Step::GetContentsTable);
        if (answer < 0)
            return answer;
        *table = m_book.Hand(std::make_unique<TFakeTable>(m_book));
        return answer;
    }
};

class TFakeAddrBook final : public IAddrBook, public TFakeAddressBook::Object
{
public:
    explicit TFakeAddrBook(TFakeAddressBook& book) : Object(book, "addrbook") {}

    ULONG Release() override { return ReleaseOnce(); }

    HRESULT GetPAB(ULONG* cbEntryID, ENTRYID** entryID) override
    {
        if (!Usable("GetPAB"))
            return MAPI_E_CALL_FAILED;
        const HRESULT answer = m_book.Answer(Step::GetPAB);
        if (answer < 0)
            return answer;
        auto* id = static_cast<BYTE*>(m_book.Allocate(sizeof PabId));
        std::memcpy(id, PabId, sizeof PabId);
        *cbEntryID = sizeof PabId;
        *entryID = id;
        return answer;
    }

    HRESULT OpenEntry(ULONG cbEntryID, ENTRYID* entryID, const IID* interface, ULONG flags, ULONG* objType,
                      IUnknown** object) override
    {
        if (!Usable("OpenEntry"))
            return MAPI_E_CALL_FAILED;
        if (interface != nullptr || flags != 0 || objType == nullptr)
            m_book.Violation("OpenEntry with an interface, flags or no object type");
        if (entryID == nullptr)
            return MAPI_E_INVALID_ENTRYID;
        if (cbEntryID == sizeof PabId && std::memcmp(entryID, PabId, sizeof PabId) == 0) {
            const HRESULT answer = m_book.Answer(Step::OpenContainer);
            if (answer < 0)
                return answer;
            *objType = MAPI_ABCONT;
            *object = m_book.Hand(std::make_unique<TFakeContainer>(m_book));
            return answer;
        }
        std::uint32_t index = 0;
        if (cbEntryID != 5 || entryID[0] != 'C')
            return MAPI_E_INVALID_ENTRYID;
        std::memcpy(&index, entryID + 1, sizeof index);
        if (index >= m_book.Entries.size())
            return MAPI_E_INVALID_ENTRYID;
        const HRESULT answer = m_book.Answer(Step::OpenContact);
        if (answer < 0)
            return answer;
        *objType = m_book.Entries[index].ObjectType;
        *object = m_book.Hand(std::make_unique<TFakeMailUser>(m_book, m_book.Entries[index]));
        return answer;
    }
};

std::int64_t DaysFromCivil(int year, int month, int day)
{
    // Days since 1 January 1970 (proleptic Gregorian).
    const int y = year - (month <= 2 ? 1 : 0);
    const int era = (y >= 0 ? y : y - 399) / 400;
    const int yoe = y - era * 400;
    const int doy = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return static_cast<std::int64_t>(era) * 146097 + doe - 719468;
}

} // namespace

TFakeAddressBook::TFakeAddressBook() = default;

TFakeAddressBook::~TFakeAddressBook()
{
    for (auto& [buffer, chained] : m_buffers) {
        for (void* more : chained)
            std::free(more);
        std::free(buffer);
    }
}

HRESULT TFakeAddressBook::WABOpen(IAddrBook** addrBook, IWABObject** wabObject, WAB_PARAM* param, ULONG reserved)
{
    return Current->Open(addrBook, wabObject, param, reserved);
}

HRESULT TFakeAddressBook::Open(IAddrBook** addrBook, IWABObject** wabObject, WAB_PARAM* param, ULONG reserved)
{
    Call("WABOpen");
    if (reserved != 0)
        Violation("WABOpen with reserved not 0");
    m_receivedParam = param != nullptr;
    if (param != nullptr && param->szFileName != nullptr)
        m_receivedFileNames = param->szFileName;
    const HRESULT answer = Answer(Step::WABOpen);
    if (answer < 0)
        return answer;
    *wabObject = Hand(std::make_unique<TFakeWabObject>(*this));
    *addrBook = Hand(std::make_unique<TFakeAddrBook>(*this));
    return answer;
}

HRESULT TFakeAddressBook::Answer(Step step)
{
    const int call = ++m_callCounts[static_cast<std::size_t>(step)];
    if (FailStep && *FailStep == step && call == FailOnCall)
        return FailCode;
    return S_OK;
}

void* TFakeAddressBook::Allocate(std::size_t size)
{
    void* buffer = std::calloc(1, size == 0 ? 1 : size);
    m_buffers.emplace(buffer, std::vector<void*>());
    return buffer;
}

void* TFakeAddressBook::AllocateMore(std::size_t size, void* parent)
{
    const auto found = m_buffers.find(parent);
    if (found == m_buffers.end()) {
        Violation("AllocateMore on a buffer not handed out");
        return nullptr;
    }
    void* buffer = std::calloc(1, size == 0 ? 1 : size);
    found->second.push_back(buffer);
    return buffer;
}

bool TFakeAddressBook::Free(void* buffer)
{
    const auto found = m_buffers.find(buffer);
    if (found == m_buffers.end()) {
        Violation("FreeBuffer of a buffer not held");
        return false;
    }
    for (void* more : found->second)
        std::free(more);
    std::free(buffer);
    m_buffers.erase(found);
    return true;
}

char* TFakeAddressBook::CopyText(const std::string& text, void* parent)
{
    auto* copy = static_cast<char*>(AllocateMore(text.size() + 1, parent));
    std::memcpy(copy, text.c_str(), text.size() + 1);
    return copy;
}

FILETIME MakeFileTime(int year, int month, int day, int hour, int minute)
{
    const std::int64_t days = DaysFromCivil(year, month, day) - DaysFromCivil(1601, 1, 1);
    const auto ticks = static_cast<std::uint64_t>(((days * 24 + hour) * 60 + minute) * 60) * 10000000ull;
    return {static_cast<std::uint32_t>(ticks), static_cast<std::uint32_t>(ticks >> 32)};
}
