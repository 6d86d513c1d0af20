// The provider module: the address-book interfaces over the user's merged contacts. Loaded with dlopen; WABOpen and
// NelvoraStoreList are its only exported symbols. Every WABOpen reads the stores afresh, since the program opens a
// new connection for every check and expects to see today's contacts.

#include "WabApi.h"
#include "WabBuffers.h"

#include "ContactStores.h"
#include "TReachList.h"
#include "TVCard.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cstring>
#include <memory>
#include <mutex>
#include <new>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

using VCard::TVCard;
using VCard::TVCardDate;

// Entry identifiers: a kind tag and an index into the connection's cards, 8 bytes.
constexpr std::uint32_t kPabTag = 0x4E565041;     // "NVPA"
constexpr std::uint32_t kContactTag = 0x4E564354; // "NVCT"

struct TEntryId
{
    std::uint32_t Tag;
    std::uint32_t Index;
};
static_assert(sizeof(TEntryId) == 8);

// What one connection read. Shared by its objects, so any release order is safe.
struct TStore
{
    std::vector<TVCard> Cards;
};
using TStorePtr = std::shared_ptr<const TStore>;

template <typename F> HRESULT Guarded(F&& body) noexcept
{
    // Nothing may be thrown across the module boundary.
    try {
        return body();
    } catch (const std::bad_alloc&) {
        return MAPI_E_NOT_ENOUGH_MEMORY;
    } catch (...) {
        return MAPI_E_CALL_FAILED;
    }
}

// Reference counting shared by every object; the last Release deletes.
template <typename Interface> class TRefCounted : public Interface
{
public:
    ULONG Release() override
    {
        const ULONG left = m_references.fetch_sub(1, std::memory_order_acq_rel) - 1;
        if (left == 0)
            delete this;
        return left;
    }

private:
    std::atomic<ULONG> m_references{1};
};

std::int64_t DaysFromCivil(int year, unsigned month, unsigned day)
{
    year -= month <= 2;
    const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
    const unsigned yearOfEra = static_cast<unsigned>(year - era * 400);
    const unsigned dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const unsigned dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + static_cast<std::int64_t>(dayOfEra) - 719468;
}

// 00:00 UTC of the calendar day: the loader takes the date back in UTC, so no zone can move it.
FILETIME FileTimeOf(const TVCardDate& date)
{
    constexpr std::uint64_t kTicksPerDay = 864000000000ull;
    const std::int64_t days = DaysFromCivil(date.Year, date.Month, date.Day) - DaysFromCivil(1601, 1, 1);
    const std::uint64_t ticks = static_cast<std::uint64_t>(days) * kTicksPerDay;
    return FILETIME{static_cast<std::uint32_t>(ticks & 0xFFFFFFFFu), static_cast<std::uint32_t>(ticks >> 32)};
}

bool IsUsable(const std::optional<TVCardDate>& date)
{
    // The FILETIME epoch is 1601; the cards' dates are checked calendar dates, but a year before it cannot travel.
    return date && date->Year >= 1601;
}

// Text and binary values live in the same buffer as their property array, behind it, so that a whole row is one
// allocation and one FreeBuffer.
constexpr std::size_t AlignedSize(std::size_t size)
{
    return (size + alignof(SPropValue) - 1) / alignof(SPropValue) * alignof(SPropValue);
}

// The card keeps its addresses and numbers in the form the properties hand them on.
static_assert(VCard::TReachList::Separator == NELVORA_VALUE_SEPARATOR);

// The text of a string property, empty when the card has none.
const std::string& TextOf(const TVCard& card, ULONG tag)
{
    static const std::string none;
    switch (tag) {
    case PR_DISPLAY_NAME:
        return card.Name;
    case PR_NELVORA_UID:
        return card.Uid;
    case PR_NELVORA_EMAILS:
        return card.Emails;
    case PR_NELVORA_PHONES:
        return card.Phones;
    default:
        return none;
    }
}

std::size_t ValueBytes(const TVCard& card, ULONG tag)
{
    switch (tag) {
    case PR_DISPLAY_NAME:
    case PR_NELVORA_UID:
    case PR_NELVORA_EMAILS:
    case PR_NELVORA_PHONES: {
        const std::string& text = TextOf(card, tag);
        return text.empty() ? 0 : AlignedSize(text.size() + 1);
    }
    case PR_ENTRYID:
        return AlignedSize(sizeof(TEntryId));
    default:
        return 0;
    }
}

// Fills one property value, taking the space its text or binary data needs from `space`. MAPI_E_NOT_FOUND when
// the card has no such value.
HRESULT FillProperty(const TVCard& card, std::uint32_t index, ULONG tag, char*& space, SPropValue& value)
{
    value.ulPropTag = tag;
    value.dwAlignPad = 0;
    switch (tag) {
    case PR_DISPLAY_NAME:
    case PR_NELVORA_UID:
    case PR_NELVORA_EMAILS:
    case PR_NELVORA_PHONES:
        if (const std::string& text = TextOf(card, tag); !text.empty()) {
            std::memcpy(space, text.c_str(), text.size() + 1);
            value.Value.lpszA = space;
            space += ValueBytes(card, tag);
            return S_OK;
        }
        break;
    case PR_ENTRYID: {
        const TEntryId id{kContactTag, index};
        std::memcpy(space, &id, sizeof id);
        value.Value.bin.cb = sizeof id;
        value.Value.bin.lpb = reinterpret_cast<BYTE*>(space);
        space += ValueBytes(card, tag);
        return S_OK;
    }
    case PR_OBJECT_TYPE:
        value.Value.l = static_cast<LONG>(card.IsGroup ? MAPI_DISTLIST : MAPI_MAILUSER);
        return S_OK;
    case PR_BIRTHDAY:
        if (IsUsable(card.Birthday)) {
            value.Value.ft = FileTimeOf(*card.Birthday);
            return S_OK;
        }
        break;
    case PR_WEDDING_ANNIVERSARY:
        if (IsUsable(card.Anniversary)) {
            value.Value.ft = FileTimeOf(*card.Anniversary);
            return S_OK;
        }
        break;
    default:
        break;
    }
    // A property the entry does not have, as the published API reports it inside a row.
    value.ulPropTag = CHANGE_PROP_TYPE(tag, PT_ERROR);
    value.Value.err = MAPI_E_NOT_FOUND;
    return MAPI_E_NOT_FOUND;
}

// Property values of one entry for the given tags, in one buffer.
HRESULT BuildProperties(const TVCard& card, std::uint32_t index, std::span<const ULONG> tags, ULONG* count,
                        SPropValue** values, bool* missing)
{
    const std::size_t arrayBytes = (tags.empty() ? 1 : tags.size()) * sizeof(SPropValue);
    std::size_t dataBytes = 0;
    for (const ULONG tag : tags)
        dataBytes += ValueBytes(card, tag);
    void* buffer = nullptr;
    if (const HRESULT rc = WabBuffers::Allocate(arrayBytes + dataBytes, &buffer))
        return rc;
    auto* props = static_cast<SPropValue*>(buffer);
    char* space = static_cast<char*>(buffer) + arrayBytes;
    *missing = false;
    for (std::size_t i = 0; i < tags.size(); ++i)
        if (FillProperty(card, index, tags[i], space, props[i]) == MAPI_E_NOT_FOUND)
            *missing = true;
    *count = static_cast<ULONG>(tags.size());
    *values = props;
    return S_OK;
}

class TWabObject final : public TRefCounted<IWABObject>
{
public:
    HRESULT AllocateBuffer(ULONG cbSize, void** buffer) override { return WabBuffers::Allocate(cbSize, buffer); }
    HRESULT AllocateMore(ULONG cbSize, void* object, void** buffer) override
    {
        return WabBuffers::AllocateMore(cbSize, object, buffer);
    }
    ULONG FreeBuffer(void* buffer) override { return WabBuffers::Free(buffer); }
};

class TMailUser final : public TRefCounted<IMailUser>
{
public:
    TMailUser(TStorePtr store, std::uint32_t index) : m_store(std::move(store)), m_index(index) {}

    HRESULT GetProps(const SPropTagArray* propTagArray, ULONG flags, ULONG* count, SPropValue** values) override
    {
        return Guarded([&]() -> HRESULT {
            if (!count || !values)
                return MAPI_E_INVALID_PARAMETER;
            if (flags != 0)
                return MAPI_E_UNKNOWN_FLAGS;
            const TVCard& card = m_store->Cards[m_index];
            std::span<const ULONG> tags;
            std::array<ULONG, 8> present;
            if (propTagArray) {
                tags = {propTagArray->aulPropTag, propTagArray->cValues};
            } else {
                // All properties the entry has.
                std::size_t used = 0;
                present[used++] = PR_ENTRYID;
                present[used++] = PR_OBJECT_TYPE;
                if (!card.Name.empty())
                    present[used++] = PR_DISPLAY_NAME;
                if (IsUsable(card.Birthday))
                    present[used++] = PR_BIRTHDAY;
                if (IsUsable(card.Anniversary))
                    present[used++] = PR_WEDDING_ANNIVERSARY;
                if (!card.Uid.empty())
                    present[used++] = PR_NELVORA_UID;
                if (!card.Emails.empty())
                    present[used++] = PR_NELVORA_EMAILS;
                if (!card.Phones.empty())
                    present[used++] = PR_NELVORA_PHONES;
                tags = {present.data(), used};
            }
            bool missing = false;
            if (const HRESULT rc = BuildProperties(card, m_index, tags, count, values, &missing))
                return rc;
            return missing ? MAPI_W_ERRORS_RETURNED : S_OK;
        });
    }

private:
    TStorePtr m_store;
    std::uint32_t m_index;
};

class TMapiTable final : public TRefCounted<IMAPITable>
{
public:
    explicit TMapiTable(TStorePtr store) : m_store(std::move(store)) {}

    HRESULT SetColumns(const SPropTagArray* propTagArray, ULONG flags) override
    {
        return Guarded([&]() -> HRESULT {
            if (!propTagArray)
                return MAPI_E_INVALID_PARAMETER;
            if (flags != 0)
                return MAPI_E_UNKNOWN_FLAGS;
            m_columns.assign(propTagArray->aulPropTag, propTagArray->aulPropTag + propTagArray->cValues);
            return S_OK;
        });
    }

    HRESULT SeekRow(BOOKMARK bookmark, LONG rowCount, LONG* rowsSought) override
    {
        const std::int64_t size = static_cast<std::int64_t>(m_store->Cards.size());
        std::int64_t origin = 0;
        if (bookmark == BOOKMARK_BEGINNING)
            origin = 0;
        else if (bookmark == BOOKMARK_CURRENT)
            origin = m_cursor;
        else if (bookmark == BOOKMARK_END)
            origin = size;
        else
            return MAPI_E_INVALID_PARAMETER;
        std::int64_t target = origin + rowCount;
        target = target < 0 ? 0 : (target > size ? size : target);
        if (rowsSought)
            *rowsSought = static_cast<LONG>(target - origin);
        m_cursor = target;
        return S_OK;
    }

    HRESULT QueryRows(LONG rowCount, ULONG flags, SRowSet** rows) override
    {
        return Guarded([&]() -> HRESULT {
            if (!rows || rowCount <= 0)
                return MAPI_E_INVALID_PARAMETER;
            if (flags != 0)
                return MAPI_E_UNKNOWN_FLAGS;
            const std::int64_t left = static_cast<std::int64_t>(m_store->Cards.size()) - m_cursor;
            const ULONG count = static_cast<ULONG>(left < rowCount ? left : rowCount);
            void* buffer = nullptr;
            if (const HRESULT rc = WabBuffers::Allocate(CbNewSRowSet(count), &buffer))
                return rc;
            auto* set = static_cast<SRowSet*>(buffer);
            set->cRows = 0;
            for (ULONG i = 0; i < count; ++i) {
                const auto index = static_cast<std::uint32_t>(m_cursor + i);
                SRow& row = set->aRow[i];
                row.ulAdrEntryPad = 0;
                bool missing = false;
                const HRESULT rc =
                    BuildProperties(m_store->Cards[index], index, m_columns, &row.cValues, &row.lpProps, &missing);
                if (rc != S_OK) {
                    for (ULONG done = 0; done < i; ++done)
                        WabBuffers::Free(set->aRow[done].lpProps);
                    WabBuffers::Free(buffer);
                    return rc;
                }
            }
            set->cRows = count;
            m_cursor += count;
            *rows = set;
            return S_OK;
        });
    }

private:
    TStorePtr m_store;
    std::vector<ULONG> m_columns{PR_DISPLAY_NAME, PR_ENTRYID, PR_OBJECT_TYPE};
    std::int64_t m_cursor = 0;
};

class TABContainer final : public TRefCounted<IABContainer>
{
public:
    explicit TABContainer(TStorePtr store) : m_store(std::move(store)) {}

    HRESULT GetContentsTable(ULONG flags, IMAPITable** table) override
    {
        return Guarded([&]() -> HRESULT {
            if (!table)
                return MAPI_E_INVALID_PARAMETER;
            if (flags != 0)
                return MAPI_E_UNKNOWN_FLAGS;
            *table = new TMapiTable(m_store);
            return S_OK;
        });
    }

private:
    TStorePtr m_store;
};

class TAddrBook final : public TRefCounted<IAddrBook>
{
public:
    explicit TAddrBook(TStorePtr store) : m_store(std::move(store)) {}

    HRESULT GetPAB(ULONG* cbEntryID, ENTRYID** entryID) override
    {
        if (!cbEntryID || !entryID)
            return MAPI_E_INVALID_PARAMETER;
        void* buffer = nullptr;
        if (const HRESULT rc = WabBuffers::Allocate(sizeof(TEntryId), &buffer))
            return rc;
        const TEntryId id{kPabTag, 0};
        std::memcpy(buffer, &id, sizeof id);
        *cbEntryID = sizeof id;
        *entryID = static_cast<ENTRYID*>(buffer);
        return S_OK;
    }

    HRESULT OpenEntry(ULONG cbEntryID, ENTRYID* entryID, const IID* /*interface*/, ULONG flags, ULONG* objType,
                      IUnknown** object) override
    {
        return Guarded([&]() -> HRESULT {
            if (!objType || !object)
                return MAPI_E_INVALID_PARAMETER;
            if (flags != 0)
                return MAPI_E_UNKNOWN_FLAGS;
            // No identifier opens the root container, which here is the personal address book.
            TEntryId id{kPabTag, 0};
            if (cbEntryID != 0 || entryID) {
                if (cbEntryID != sizeof id || !entryID)
                    return MAPI_E_INVALID_ENTRYID;
                std::memcpy(&id, entryID, sizeof id);
            }
            if (id.Tag == kPabTag && id.Index == 0) {
                *object = new TABContainer(m_store);
                *objType = MAPI_ABCONT;
                return S_OK;
            }
            if (id.Tag != kContactTag)
                return MAPI_E_INVALID_ENTRYID;
            if (id.Index >= m_store->Cards.size())
                return MAPI_E_NOT_FOUND;
            *object = new TMailUser(m_store, id.Index);
            *objType = m_store->Cards[id.Index].IsGroup ? MAPI_DISTLIST : MAPI_MAILUSER;
            return S_OK;
        });
    }

private:
    TStorePtr m_store;
};

// Paths one a line ('\r' before the '\n' taken off), empty lines left out.
std::vector<std::filesystem::path> SourcesOf(const char* text)
{
    if (!text)
        return {};
    std::vector<std::filesystem::path> sources;
    std::string_view list(text);
    while (!list.empty()) {
        const std::size_t newline = list.find('\n');
        std::string_view path = list.substr(0, newline);
        if (!path.empty() && path.back() == '\r')
            path.remove_suffix(1);
        if (!path.empty())
            sources.emplace_back(path);
        if (newline == std::string_view::npos)
            break;
        list.remove_prefix(newline + 1);
    }
    return sources;
}

// The store list of the last WABOpen, for NelvoraStoreList.
std::mutex g_storeListLock;
std::string g_storeList;

std::string StoreList(const std::vector<Stores::TStoreReport>& stores)
{
    std::string list;
    for (const auto& store : stores) {
        list += Stores::ShownText(store.Location.Kind);
        list += '\t';
        list += Stores::ShownText(store.Location.ShownName());
        list += '\t';
        list += std::to_string(store.Contacts);
        list += '\t';
        const std::string& read = store.Location.Note.empty() ? std::string("ok") : store.Location.Note;
        list += Stores::ShownText(store.Skipped.empty() ? read : store.Skipped);
        list += '\t';
        list += Stores::ShownText(store.Location.Owner);
        list += '\n';
    }
    return list;
}

std::vector<std::string> ExcludedOf(const WAB_PARAM* param)
{
    std::vector<std::string> excluded;
    if (!param || param->cbSize < sizeof(NELVORA_WAB_PARAM))
        return excluded;
    const char* list = reinterpret_cast<const NELVORA_WAB_PARAM*>(param)->szExcludedStores;
    for (const auto& path : SourcesOf(list))
        excluded.push_back(path.native());
    return excluded;
}

} // namespace

extern "C" ULONG NelvoraStoreList(char* buffer, ULONG size)
{
    try {
        const std::lock_guard lock(g_storeListLock);
        if (buffer && size > 0) {
            const std::size_t count = std::min<std::size_t>(g_storeList.size(), size - 1);
            std::memcpy(buffer, g_storeList.data(), count);
            buffer[count] = '\0';
        }
        return static_cast<ULONG>(std::min<std::size_t>(g_storeList.size(), 0xFFFFFFFEu));
    } catch (...) {
        return 0;
    }
}

extern "C" HRESULT WABOpen(IAddrBook** addrBook, IWABObject** wabObject, WAB_PARAM* param, ULONG /*reserved*/)
{
    return Guarded([&]() -> HRESULT {
        if (!addrBook || !wabObject)
            return MAPI_E_INVALID_PARAMETER;
        auto store = std::make_shared<TStore>();
        // A list that names nothing is an empty address book, not a request to look everywhere.
        const bool explicitList = param && param->szFileName;
        const std::vector<std::filesystem::path> sources = SourcesOf(param ? param->szFileName : nullptr);
        Stores::TContacts contacts;
        if (!explicitList || !sources.empty())
            contacts = Stores::LoadContacts(sources, ExcludedOf(param));
        store->Cards = std::move(contacts.Cards);
        {
            std::string list = StoreList(contacts.Stores);
            const std::lock_guard lock(g_storeListLock);
            g_storeList = std::move(list);
        }
        // Entry identifiers carry a 32-bit index.
        if (store->Cards.size() > 0xFFFFFFFFu)
            store->Cards.resize(0xFFFFFFFFu);
        auto book = std::make_unique<TAddrBook>(std::move(store));
        auto* object = new TWabObject;
        *addrBook = book.release();
        *wabObject = object;
        return S_OK;
    });
}
