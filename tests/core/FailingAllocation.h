#pragma once

#include <cstddef>

// While one of these lives, every allocation of at least `threshold` bytes through operator new fails with
// std::bad_alloc; smaller ones go through. Only the core test binary has this operator new.
class TFailingAllocation final
{
public:
    explicit TFailingAllocation(std::size_t threshold);
    ~TFailingAllocation();

    TFailingAllocation(const TFailingAllocation&) = delete;
    TFailingAllocation& operator=(const TFailingAllocation&) = delete;
};
