#include "FailingAllocation.h"

#include <cstdlib>
#include <new>

// The replacement covers every form that pairs with the plain delete, so that memory taken by one form and given
// back by another stays with one allocator (the sanitizer checks the pairing).
namespace {

std::size_t g_threshold = 0; // 0: nothing fails

void* Allocate(std::size_t size)
{
    if (g_threshold != 0 && size >= g_threshold)
        return nullptr;
    return std::malloc(size == 0 ? 1 : size);
}

} // namespace

TFailingAllocation::TFailingAllocation(std::size_t threshold)
{
    g_threshold = threshold;
}

TFailingAllocation::~TFailingAllocation()
{
    g_threshold = 0;
}

void* operator new(std::size_t size)
{
    if (void* memory = Allocate(size))
        return memory;
    throw std::bad_alloc();
}

void* operator new[](std::size_t size)
{
    if (void* memory = Allocate(size))
        return memory;
    throw std::bad_alloc();
}

void* operator new(std::size_t size, const std::nothrow_t&) noexcept
{
    return Allocate(size);
}

void* operator new[](std::size_t size, const std::nothrow_t&) noexcept
{
    return Allocate(size);
}

void operator delete(void* memory) noexcept
{
    std::free(memory);
}

void operator delete[](void* memory) noexcept
{
    std::free(memory);
}

void operator delete(void* memory, std::size_t) noexcept
{
    std::free(memory);
}

void operator delete[](void* memory, std::size_t) noexcept
{
    std::free(memory);
}

void operator delete(void* memory, const std::nothrow_t&) noexcept
{
    std::free(memory);
}

void operator delete[](void* memory, const std::nothrow_t&) noexcept
{
    std::free(memory);
}
