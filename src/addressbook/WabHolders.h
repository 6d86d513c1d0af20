#pragma once

#include "WabApi.h"

#include <utility>

// Holders for what one address-book connection hands out, so that every way out of a load (a failed step, a
// record thrown by the contact list) gives each object and buffer back exactly once. Each holder owns whatever
// the address book wrote through Out(), also when the call answered with a warning: the published API hands out
// results together with some warnings, and they must still be given back.

// One reference to an address-book object.
template <typename T> class TObjectRef
{
public:
    TObjectRef() = default;
    TObjectRef(const TObjectRef&) = delete;
    TObjectRef& operator=(const TObjectRef&) = delete;
    ~TObjectRef() { Release(); }

    T** Out() { return &m_object; }
    T* Get() const { return m_object; }
    T* operator->() const { return m_object; }

    void Release()
    {
        if (m_object != nullptr)
            std::exchange(m_object, nullptr)->Release();
    }

    // Takes over an object handed out under its base interface (OpenEntry's default interface).
    void Adopt(IUnknown* object)
    {
        Release();
        m_object = static_cast<T*>(object);
    }

private:
    T* m_object = nullptr;
};

// One buffer from the address book, given back through the connection's WAB object.
template <typename T> class TWabBuffer
{
public:
    explicit TWabBuffer(IWABObject* wabObject) : m_wabObject(wabObject) {}
    TWabBuffer(const TWabBuffer&) = delete;
    TWabBuffer& operator=(const TWabBuffer&) = delete;
    ~TWabBuffer() { Free(); }

    T** Out() { return &m_buffer; }
    T* Get() const { return m_buffer; }

    void Free()
    {
        if (m_buffer != nullptr)
            m_wabObject->FreeBuffer(std::exchange(m_buffer, nullptr));
    }

private:
    IWABObject* m_wabObject;
    T* m_buffer = nullptr;
};

// A row set: each row's values are a buffer of their own, given back before the row set itself.
class TRowSetRef
{
public:
    explicit TRowSetRef(IWABObject* wabObject) : m_wabObject(wabObject) {}
    TRowSetRef(const TRowSetRef&) = delete;
    TRowSetRef& operator=(const TRowSetRef&) = delete;
    ~TRowSetRef() { Free(); }

    SRowSet** Out() { return &m_rows; }
    SRowSet* Get() const { return m_rows; }

    void Free()
    {
        if (m_rows == nullptr)
            return;
        SRowSet* rows = std::exchange(m_rows, nullptr);
        for (ULONG i = 0; i < rows->cRows; ++i)
            m_wabObject->FreeBuffer(rows->aRow[i].lpProps);
        m_wabObject->FreeBuffer(rows);
    }

private:
    IWABObject* m_wabObject;
    SRowSet* m_rows = nullptr;
};
