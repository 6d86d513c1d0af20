#pragma once

#include "WabApi.h"

#include <cstddef>

// The address book's memory: buffers handed to the caller and given back with FreeBuffer. A buffer may carry
// further buffers chained to it with AllocateMore (the strings and binaries of a property array), all freed with it.
namespace WabBuffers {

HRESULT Allocate(std::size_t size, void** buffer);
HRESULT AllocateMore(std::size_t size, void* parent, void** buffer);
ULONG Free(void* buffer);

} // namespace WabBuffers
