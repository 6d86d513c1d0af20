#pragma once

#include "TExError.h"

#include <cstdint>
#include <memory>
#include <new>
#include <stdexcept>
#include <vector>

// An owning, ordered list of heap copies of one plain record type.
template <typename T> class TGenList
{
public:
    TGenList()
    {
        try {
            Items = std::make_unique<std::vector<std::unique_ptr<T>>>();
        } catch (const std::exception&) {
            TExError error;
            error.AddEntry(0, "TGenList", "ctor", "Can't allocate memory!");
            throw error;
        }
    }

    TGenList(const TGenList&) = delete;
    TGenList& operator=(const TGenList&) = delete;

    virtual ~TGenList()
    {
        try {
            Clear();
        } catch (...) {
            // a destructor never lets a failure out
        }
    }

    virtual std::int32_t GetCount() const { return Items ? static_cast<std::int32_t>(Items->size()) : 0; }

    virtual void Clear()
    {
        if (Items)
            std::vector<std::unique_ptr<T>>().swap(*Items);
    }

    // Stores a copy of the record at the end. The list keeps what it held before when this fails.
    virtual void AddRawItem(const T& record)
    {
        try {
            auto copy = std::make_unique<T>();
            *copy = record;
            Items->push_back(std::move(copy));
        } catch (const std::bad_alloc&) {
            ThrowAllocationFailure();
        } catch (const std::length_error&) {
            ThrowAllocationFailure();
        }
    }

    // Throws std::out_of_range for an index outside 0..GetCount()-1.
    virtual T* GetItem(std::int32_t index) const
    {
        if (index < 0)
            throw std::out_of_range("List index out of bounds (" + std::to_string(index) + ")");
        return Items->at(static_cast<std::size_t>(index)).get();
    }

    // Room for `count` records without growing the pointer list. Running out of memory here is reported like
    // running out in AddRawItem; the list keeps what it held.
    void Reserve(std::int32_t count)
    {
        if (count <= 0)
            return;
        try {
            Items->reserve(static_cast<std::size_t>(count));
        } catch (const std::bad_alloc&) {
            ThrowAllocationFailure();
        } catch (const std::length_error&) {
            ThrowAllocationFailure();
        }
    }

protected:
    std::unique_ptr<std::vector<std::unique_ptr<T>>> Items;

private:
    [[noreturn]] static void ThrowAllocationFailure()
    {
        TExError error;
        error.AddEntry(0, "TGenList", "AddRawItem", "Can't allocate memory!");
        throw error;
    }
};
