#include "FakeWab.h"

#include "Calendar.h"

#include <cstring>
#include <map>
#include <memory>

namespace FakeWab {

std::vector<TContact> Contacts;
HRESULT OpenResult = S_OK;
int OpenCount = 0;

namespace {

// Buffer -> the buffers chained to it.
std::map<void*, std::vector<void*>> g_buffers;
constexpr BYTE RootEntry = 0xFF;

void* NewBlock(std::size_t size)
{
    return ::operator new(size == 0 ? 1 : size);
}

class TWabObject final : public IWABObject
{
public:
    ULONG Release() override
    {
        delete this;
        return 0;
    }
    HRESULT AllocateBuffer(ULONG size, void** buffer) override
    {
        *buffer = NewBlock(size);
        std::memset(*buffer, 0, size);
        g_buffers[*buffer];
        return S_OK;
    }
    HRESULT AllocateMore(ULONG size, void* object, void** buffer) override
    {
        auto parent = g_buffers.find(object);
        if (parent == g_buffers.end())
            return MAPI_E_INVALID_PARAMETER;
        *buffer = NewBlock(size);
        std::memset(*buffer, 0, size);
        parent->second.push_back(*buffer);
        return S_OK;
    }
    ULONG FreeBuffer(void* buffer) override
    {
        auto found = g_buffers.find(buffer);
        if (found == g_buffers.end())
            return 0;
        for (void* chained : found->second)
            ::operator delete(chained);
        ::operator delete(found->first);
        g_buffers.erase(found);
        return 0;
    }
};

FILETIME FileTimeOf(const TDay& day)
{
    const std::int64_t days =
        Calendar::DayFromCivil({day.Year, static_cast<unsigned>(day.Month), static_cast<unsigned>(day.Day)}) -
        Calendar::DayFromCivil({1601, 1, 1});
    const auto ticks = static_cast<std::uint64_t>(days) * 864000000000ULL;
    return FILETIME{static_cast<std::uint32_t>(ticks), static_cast<std::uint32_t>(ticks >> 32)};
}

class TContactObject final : public IMailUser
{
public:
    TContactObject(IWABObject& wab, const TContact& contact) : m_wab(wab), m_contact(contact) {}
    ULONG Release() override
    {
        delete this;
        return 0;
    }
    HRESULT GetProps(const SPropTagArray*, ULONG, ULONG* count, SPropValue** values) override
    {
        void* block = nullptr;
        m_wab.AllocateBuffer(3 * sizeof(SPropValue), &block);
        auto* props = static_cast<SPropValue*>(block);
        ULONG n = 0;
        void* text = nullptr;
        m_wab.AllocateMore(static_cast<ULONG>(m_contact.Name.size() + 1), block, &text);
        std::memcpy(text, m_contact.Name.c_str(), m_contact.Name.size() + 1);
        props[n].ulPropTag = PR_DISPLAY_NAME;
        props[n++].Value.lpszA = static_cast<char*>(text);
        if (m_contact.Birthday) {
            props[n].ulPropTag = PR_BIRTHDAY;
            props[n++].Value.ft = FileTimeOf(*m_contact.Birthday);
        }
        if (m_contact.Anniversary) {
            props[n].ulPropTag = PR_WEDDING_ANNIVERSARY;
            props[n++].Value.ft = FileTimeOf(*m_contact.Anniversary);
        }
        *count = n;
        *values = props;
        return S_OK;
    }

private:
    IWABObject& m_wab;
    TContact m_contact;
};

class TTable final : public IMAPITable
{
public:
    explicit TTable(IWABObject& wab) : m_wab(wab) {}
    ULONG Release() override
    {
        delete this;
        return 0;
    }
    HRESULT SetColumns(const SPropTagArray*, ULONG) override { return S_OK; }
    HRESULT SeekRow(BOOKMARK, LONG, LONG*) override
    {
        m_position = 0;
        return S_OK;
    }
    HRESULT QueryRows(LONG, ULONG, SRowSet** rows) override
    {
        void* block = nullptr;
        m_wab.AllocateBuffer(static_cast<ULONG>(CbNewSRowSet(1)), &block);
        auto* set = static_cast<SRowSet*>(block);
        if (m_position < Contacts.size()) {
            void* propsBlock = nullptr;
            m_wab.AllocateBuffer(3 * sizeof(SPropValue), &propsBlock);
            auto* props = static_cast<SPropValue*>(propsBlock);
            void* id = nullptr;
            m_wab.AllocateMore(sizeof(ULONG), propsBlock, &id);
            const auto index = static_cast<ULONG>(m_position);
            std::memcpy(id, &index, sizeof index);
            props[0].ulPropTag = PR_DISPLAY_NAME;
            props[1].ulPropTag = PR_ENTRYID;
            props[1].Value.bin = SBinary{sizeof(ULONG), static_cast<BYTE*>(id)};
            props[2].ulPropTag = PR_OBJECT_TYPE;
            props[2].Value.ul = MAPI_MAILUSER;
            set->cRows = 1;
            set->aRow[0].cValues = 3;
            set->aRow[0].lpProps = props;
            ++m_position;
        }
        *rows = set;
        return S_OK;
    }

private:
    IWABObject& m_wab;
    std::size_t m_position = 0;
};

class TContainer final : public IABContainer
{
public:
    explicit TContainer(IWABObject& wab) : m_wab(wab) {}
    ULONG Release() override
    {
        delete this;
        return 0;
    }
    HRESULT GetContentsTable(ULONG, IMAPITable** table) override
    {
        *table = new TTable(m_wab);
        return S_OK;
    }

private:
    IWABObject& m_wab;
};

class TAddrBook final : public IAddrBook
{
public:
    explicit TAddrBook(IWABObject& wab) : m_wab(wab) {}
    ULONG Release() override
    {
        delete this;
        return 0;
    }
    HRESULT GetPAB(ULONG* size, ENTRYID** entryId) override
    {
        void* block = nullptr;
        m_wab.AllocateBuffer(1, &block);
        *static_cast<BYTE*>(block) = RootEntry;
        *size = 1;
        *entryId = static_cast<ENTRYID*>(block);
        return S_OK;
    }
    HRESULT OpenEntry(ULONG size, ENTRYID* entryId, const IID*, ULONG, ULONG* objectType, IUnknown** object) override
    {
        if (size == 1 && entryId[0] == RootEntry) {
            *objectType = MAPI_ABCONT;
            *object = new TContainer(m_wab);
            return S_OK;
        }
        ULONG index = 0;
        if (size != sizeof index)
            return MAPI_E_INVALID_ENTRYID;
        std::memcpy(&index, entryId, sizeof index);
        if (index >= Contacts.size())
            return MAPI_E_NOT_FOUND;
        *objectType = MAPI_MAILUSER;
        *object = new TContactObject(m_wab, Contacts[index]);
        return S_OK;
    }

private:
    IWABObject& m_wab;
};

} // namespace

int OutstandingBuffers()
{
    return static_cast<int>(g_buffers.size());
}

void Reset()
{
    Contacts.clear();
    OpenResult = S_OK;
    OpenCount = 0;
}

HRESULT WABOpen(IAddrBook** addrBook, IWABObject** wabObject, WAB_PARAM*, ULONG)
{
    ++OpenCount;
    if (OpenResult != S_OK)
        return OpenResult;
    auto* wab = new TWabObject();
    *wabObject = wab;
    *addrBook = new TAddrBook(*wab);
    return S_OK;
}

} // namespace FakeWab

namespace {
int g_libraryHandle = 0;
}

void* TFakeLoader::Load(const char*) const
{
    return FailLoad ? nullptr : &g_libraryHandle;
}

void* TFakeLoader::Symbol(void* library, const char* name) const
{
    if (library != &g_libraryHandle || std::strcmp(name, "WABOpen") != 0)
        return nullptr;
    return reinterpret_cast<void*>(&FakeWab::WABOpen);
}
