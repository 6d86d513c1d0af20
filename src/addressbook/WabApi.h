#pragma once

// The address-book interfaces shared by the program and the provider module (libwab32.so).
//
// The published address-book API is COM-shaped: abstract interfaces reached through one exported function,
// objects given back with Release, memory handed out by the address book and given back with FreeBuffer, and
// plain C structures (property tags, property values, rows, row sets) with their published layouts and values.
// This header keeps those shapes and names so that code written against the published API reads the same here.
// The program and the module are built by the same compiler from this one header, so the vtable layout only has
// to agree with itself, not with any other platform's.
//
// Rules both sides rely on:
// - Every method returns a 32-bit result code. Only S_OK (0) is success; any other value, warnings such as
//   MAPI_W_ERRORS_RETURNED included, is a failure to the caller. On failure the out-arguments are left untouched
//   (the caller owns nothing new).
// - Nothing is thrown across the module boundary: implementations catch their own exceptions and answer with a
//   result code.
// - Ownership of what comes back:
//   * an interface pointer: one reference, given up with its Release() exactly once;
//   * the entry identifier from IAddrBook::GetPAB: one buffer, given back with IWABObject::FreeBuffer;
//   * a row set from IMAPITable::QueryRows: each row's lpProps is its own buffer, given back with FreeBuffer,
//     then the row set itself with FreeBuffer (what the published FreeProws does);
//   * the property values from IMailUser::GetProps: one buffer (texts and binaries inside it were chained to it
//     with AllocateMore), given back with a single FreeBuffer.
//   Buffers of one connection are given back through the IWABObject of that same connection.
// - Text is 8-bit (UTF-8 on this platform); all flags 0 means 8-bit text, read-only, synchronous.

#include <cstddef>
#include <cstdint>

using ULONG = std::uint32_t;
using LONG = std::int32_t;
using HRESULT = std::int32_t;
using SCODE = HRESULT;
using BYTE = std::uint8_t;
using BOOKMARK = ULONG;

// An entry identifier is an opaque run of bytes whose size travels beside it; the program never looks inside.
using ENTRYID = BYTE;

// ---- Result codes ----
constexpr HRESULT S_OK = 0;
constexpr HRESULT MAPI_W_ERRORS_RETURNED = 0x00040380;
constexpr HRESULT MAPI_E_CALL_FAILED = static_cast<HRESULT>(0x80004005u);
constexpr HRESULT MAPI_E_NOT_ENOUGH_MEMORY = static_cast<HRESULT>(0x8007000Eu);
constexpr HRESULT MAPI_E_INVALID_PARAMETER = static_cast<HRESULT>(0x80070057u);
constexpr HRESULT MAPI_E_NO_SUPPORT = static_cast<HRESULT>(0x80040102u);
constexpr HRESULT MAPI_E_UNKNOWN_FLAGS = static_cast<HRESULT>(0x80040106u);
constexpr HRESULT MAPI_E_INVALID_ENTRYID = static_cast<HRESULT>(0x80040107u);
constexpr HRESULT MAPI_E_NOT_FOUND = static_cast<HRESULT>(0x8004010Fu);
constexpr HRESULT MAPI_E_NOT_INITIALIZED = static_cast<HRESULT>(0x80040605u);

// ---- Property types and tags ----
constexpr ULONG PT_UNSPECIFIED = 0x0000;
constexpr ULONG PT_NULL = 0x0001;
constexpr ULONG PT_I2 = 0x0002;
constexpr ULONG PT_LONG = 0x0003;
constexpr ULONG PT_ERROR = 0x000A;
constexpr ULONG PT_BOOLEAN = 0x000B;
constexpr ULONG PT_STRING8 = 0x001E;
constexpr ULONG PT_UNICODE = 0x001F;
constexpr ULONG PT_SYSTIME = 0x0040;
constexpr ULONG PT_BINARY = 0x0102;

constexpr ULONG PROP_TYPE(ULONG propTag)
{
    return propTag & 0xFFFFu;
}
constexpr ULONG PROP_ID(ULONG propTag)
{
    return propTag >> 16;
}
constexpr ULONG PROP_TAG(ULONG propType, ULONG propId)
{
    return (propId << 16) | propType;
}
// A property that could not be read comes back with its type replaced by PT_ERROR and an error in Value.err.
constexpr ULONG CHANGE_PROP_TYPE(ULONG propTag, ULONG propType)
{
    return (propTag & 0xFFFF0000u) | propType;
}

constexpr ULONG PR_ENTRYID = 0x0FFF0102;
constexpr ULONG PR_OBJECT_TYPE = 0x0FFE0003;
constexpr ULONG PR_DISPLAY_NAME = 0x3001001E;
constexpr ULONG PR_GIVEN_NAME = 0x3A06001E;
constexpr ULONG PR_SURNAME = 0x3A11001E;
constexpr ULONG PR_WEDDING_ANNIVERSARY = 0x3A410040;
constexpr ULONG PR_BIRTHDAY = 0x3A420040;
// The contact's UID from its card, in the provider's own range: calendars made from the contacts need an identifier
// that stays the same from run to run, and the entry identifier is only a position.
constexpr ULONG PR_NELVORA_UID = PROP_TAG(PT_STRING8, 0x6701);
// How to reach the contact, in the provider's own range: its e-mail addresses and its phone numbers, each property
// one text with the values, the most preferred first, separated by '\n'. No value is empty or holds a control
// character, so the separator never occurs inside one. A contact without any has no such property; a module that
// does not know them simply never answers them.
constexpr ULONG PR_NELVORA_EMAILS = PROP_TAG(PT_STRING8, 0x6702);
constexpr ULONG PR_NELVORA_PHONES = PROP_TAG(PT_STRING8, 0x6703);
// The separator of the values of a multi-value text such as PR_NELVORA_EMAILS.
constexpr char NELVORA_VALUE_SEPARATOR = '\n';

// ---- Object types (PR_OBJECT_TYPE, and the object type OpenEntry reports) ----
constexpr ULONG MAPI_ABCONT = 4;
constexpr ULONG MAPI_MAILUSER = 6;
constexpr ULONG MAPI_DISTLIST = 8;

// ---- Table bookmarks ----
constexpr BOOKMARK BOOKMARK_BEGINNING = 0;
constexpr BOOKMARK BOOKMARK_CURRENT = 1;
constexpr BOOKMARK BOOKMARK_END = 2;

// ---- Published structures ----

// Interface identifier (a GUID: 16 bytes).
struct IID
{
    std::uint32_t Data1;
    std::uint16_t Data2;
    std::uint16_t Data3;
    std::uint8_t Data4[8];
};
static_assert(sizeof(IID) == 16);

// 100-nanosecond ticks since 1 January 1601, UTC.
struct FILETIME
{
    std::uint32_t dwLowDateTime;
    std::uint32_t dwHighDateTime;
};

struct SBinary
{
    ULONG cb;
    BYTE* lpb;
};

union PV {
    std::int16_t i;
    LONG l;
    ULONG ul;
    std::uint16_t b; // PT_BOOLEAN
    double dbl;
    char* lpszA;     // PT_STRING8: zero-terminated 8-bit text
    FILETIME ft;     // PT_SYSTIME
    SBinary bin;     // PT_BINARY
    SCODE err;       // PT_ERROR
    LONG x;          // PT_NULL / PT_UNSPECIFIED placeholder
    std::int64_t li; // PT_I8
};

struct SPropValue
{
    ULONG ulPropTag;
    ULONG dwAlignPad;
    PV Value;
};

struct SRow
{
    ULONG ulAdrEntryPad;
    ULONG cValues;
    SPropValue* lpProps;
};

// Variable-length: cRows entries follow in place of aRow[1] (see CbNewSRowSet).
struct SRowSet
{
    ULONG cRows;
    SRow aRow[1];
};

// Variable-length: cValues tags follow in place of aulPropTag[1] (see CbNewSPropTagArray, SizedSPropTagArray).
struct SPropTagArray
{
    ULONG cValues;
    ULONG aulPropTag[1];
};

constexpr std::size_t CbNewSRowSet(ULONG rows)
{
    return offsetof(SRowSet, aRow) + (rows == 0 ? 1 : rows) * sizeof(SRow);
}

constexpr std::size_t CbNewSPropTagArray(ULONG tags)
{
    return offsetof(SPropTagArray, aulPropTag) + (tags == 0 ? 1 : tags) * sizeof(ULONG);
}

// A tag array of fixed size with the layout of SPropTagArray, for constant column sets; pass it with Get().
template <ULONG Count> struct SizedSPropTagArray
{
    ULONG cValues;
    ULONG aulPropTag[Count];

    const SPropTagArray* Get() const { return reinterpret_cast<const SPropTagArray*>(this); }
};
static_assert(offsetof(SizedSPropTagArray<3>, aulPropTag) == offsetof(SPropTagArray, aulPropTag));

// ---- Interfaces ----

// Common base of every object the address book hands out. Objects are given up with Release, never deleted by
// the caller, hence the protected destructor.
class IUnknown
{
public:
    // Gives up the caller's reference; the object is destroyed when none is left. Returns the references left.
    virtual ULONG Release() = 0;

protected:
    virtual ~IUnknown() = default;
};

// The memory manager of one connection. Every buffer the address book hands out is given back here.
class IWABObject : public IUnknown
{
public:
    virtual HRESULT AllocateBuffer(ULONG cbSize, void** buffer) = 0;
    // Allocates a buffer chained to `object` (a buffer from AllocateBuffer): freed together with it.
    virtual HRESULT AllocateMore(ULONG cbSize, void* object, void** buffer) = 0;
    // Gives back a buffer from AllocateBuffer together with everything chained to it. Null is accepted.
    virtual ULONG FreeBuffer(void* buffer) = 0;
};

// The rows of a container, read through a cursor.
class IMAPITable : public IUnknown
{
public:
    // Sets the columns every later row carries, in this order. The array stays the caller's.
    virtual HRESULT SetColumns(const SPropTagArray* propTagArray, ULONG flags) = 0;
    // Moves the cursor rowCount rows from bookmark; rowsSought (may be null) receives the rows actually moved.
    virtual HRESULT SeekRow(BOOKMARK bookmark, LONG rowCount, LONG* rowsSought) = 0;
    // Reads up to rowCount rows from the cursor and moves past them. At the end of the table the row set holds no
    // row. The caller gives back each row's lpProps and then the row set with IWABObject::FreeBuffer.
    virtual HRESULT QueryRows(LONG rowCount, ULONG flags, SRowSet** rows) = 0;
};

// A container of entries: the personal address book.
class IABContainer : public IUnknown
{
public:
    virtual HRESULT GetContentsTable(ULONG flags, IMAPITable** table) = 0;
};

// One contact.
class IMailUser : public IUnknown
{
public:
    // propTagArray null: every property of the contact. The values arrive in one buffer, given back with a single
    // IWABObject::FreeBuffer.
    virtual HRESULT GetProps(const SPropTagArray* propTagArray, ULONG flags, ULONG* count, SPropValue** values) = 0;
};

// The address book of one connection.
class IAddrBook : public IUnknown
{
public:
    // The entry identifier of the personal address book, in a buffer given back with IWABObject::FreeBuffer.
    virtual HRESULT GetPAB(ULONG* cbEntryID, ENTRYID** entryID) = 0;
    // Opens the entry with that identifier. interface null: the object's default interface (IABContainer for a
    // container, IMailUser for a contact); objType receives MAPI_ABCONT, MAPI_MAILUSER or MAPI_DISTLIST. The
    // caller releases *object.
    virtual HRESULT OpenEntry(ULONG cbEntryID, ENTRYID* entryID, const IID* interface, ULONG flags, ULONG* objType,
                              IUnknown** object) = 0;
};

// ---- Entry point ----

// Optional parameter block of WABOpen.
struct WAB_PARAM
{
    ULONG cbSize; // sizeof(WAB_PARAM)
    void* hwnd;   // unused
    // Null: the module reads its default sources. Otherwise one or more file or folder paths separated by '\n';
    // the module reads exactly those.
    const char* szFileName;
    ULONG ulFlags;
    IID guidPSExt; // unused
};

// Not part of the published interface: a larger parameter block that only this program's module reads, told apart
// by its cbSize. Other modules read the WAB_PARAM at its start.
struct NELVORA_WAB_PARAM
{
    WAB_PARAM Wab;
    // Stores the module finds but does not read, one path a line as the store list shows it ('\n' between
    // them); null or empty when none. Only for the default sources: a list in szFileName is read whole.
    const char* szExcludedStores;
};

#define NELVORA_WAB_EXPORT __attribute__((visibility("default")))

// Opens a connection: one IAddrBook and one IWABObject, each released by the caller. param may be null.
extern "C" NELVORA_WAB_EXPORT HRESULT WABOpen(IAddrBook** addrBook, IWABObject** wabObject, WAB_PARAM* param,
                                              ULONG reserved);

using LPWABOPEN = HRESULT (*)(IAddrBook** addrBook, IWABObject** wabObject, WAB_PARAM* param, ULONG reserved);

// Not part of the published interface: what the last WABOpen of this process read, one store a line, its fields
// separated by tabs: kind ("vcard-folder", "evolution", ...), path, contacts read, "ok" or why the store was
// skipped ("excluded" for a store left out on request), and the program that keeps it when the kind does not say
// ("kde" for a folder of KDE's, else empty). Readers take further fields as they come. Copies at most size - 1 bytes
// and a NUL into buffer (which may be null when size is 0) and returns the whole length, so a caller can ask again with
// room enough. Optional: a module may leave it out.
extern "C" NELVORA_WAB_EXPORT ULONG NelvoraStoreList(char* buffer, ULONG size);

using LPNELVORASTORELIST = ULONG (*)(char* buffer, ULONG size);
