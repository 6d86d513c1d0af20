#include "WabBuffers.h"

#include <cstdlib>
#include <new>

namespace WabBuffers {

namespace {

constexpr std::uint32_t kRootMagic = 0x4E564231;    // "NVB1"
constexpr std::uint32_t kChainedMagic = 0x4E564232; // "NVB2"
// No single buffer of an address book comes near this; a larger request is a miscounted size.
constexpr std::size_t kMaxSize = std::size_t{1} << 31;

// Sits in front of every buffer; 16 bytes keep the caller's part aligned for any property value.
struct alignas(16) THeader
{
    THeader* Next; // root: first chained buffer; chained: the next one
    std::uint32_t Magic;
    std::uint32_t Reserved;
};
static_assert(sizeof(THeader) == 16);

THeader* HeaderOf(void* buffer)
{
    return reinterpret_cast<THeader*>(static_cast<char*>(buffer) - sizeof(THeader));
}

void* NewBlock(std::size_t size, std::uint32_t magic)
{
    if (size > kMaxSize)
        return nullptr;
    // A zero-size request still gets a distinct, freeable buffer.
    void* raw = std::malloc(sizeof(THeader) + (size == 0 ? 1 : size));
    if (!raw)
        return nullptr;
    auto* header = static_cast<THeader*>(raw);
    header->Next = nullptr;
    header->Magic = magic;
    header->Reserved = 0;
    return header + 1;
}

} // namespace

HRESULT Allocate(std::size_t size, void** buffer)
{
    if (!buffer)
        return MAPI_E_INVALID_PARAMETER;
    void* block = NewBlock(size, kRootMagic);
    if (!block)
        return MAPI_E_NOT_ENOUGH_MEMORY;
    *buffer = block;
    return S_OK;
}

HRESULT AllocateMore(std::size_t size, void* parent, void** buffer)
{
    if (!buffer || !parent)
        return MAPI_E_INVALID_PARAMETER;
    THeader* root = HeaderOf(parent);
    if (root->Magic != kRootMagic)
        return MAPI_E_INVALID_PARAMETER;
    void* block = NewBlock(size, kChainedMagic);
    if (!block)
        return MAPI_E_NOT_ENOUGH_MEMORY;
    THeader* header = HeaderOf(block);
    header->Next = root->Next;
    root->Next = header;
    *buffer = block;
    return S_OK;
}

ULONG Free(void* buffer)
{
    if (!buffer)
        return 0;
    THeader* root = HeaderOf(buffer);
    // Only a buffer from Allocate is given back; anything else (a chained buffer, a stranger) is left alone.
    if (root->Magic != kRootMagic)
        return 0;
    root->Magic = 0;
    THeader* chained = root->Next;
    while (chained) {
        THeader* next = chained->Next;
        chained->Magic = 0;
        std::free(chained);
        chained = next;
    }
    std::free(root);
    return 0;
}

} // namespace WabBuffers
