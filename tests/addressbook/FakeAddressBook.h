#pragma once

#include "WabApi.h"

#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

// An in-process address book that keeps count of every object and buffer it hands out, checks how it is called,
// and can fail, or answer with a warning, at any step of a load.
class TFakeAddressBook
{
public:
    enum class Step {
        WABOpen,
        GetPAB,
        OpenContainer,
        GetContentsTable,
        SetColumns,
        SeekRow,
        QueryRows,
        OpenContact,
        GetProps,
        Count
    };

    struct Prop
    {
        ULONG Tag;
        std::variant<std::string, FILETIME, LONG> Value;
    };

    struct Entry
    {
        ULONG ObjectType = MAPI_MAILUSER;
        std::vector<Prop> Props;
    };

    TFakeAddressBook();
    ~TFakeAddressBook();
    TFakeAddressBook(const TFakeAddressBook&) = delete;
    TFakeAddressBook& operator=(const TFakeAddressBook&) = delete;

    // Entries in table order.
    std::vector<Entry> Entries;

    // The `FailOnCall`-th call of `FailStep` answers `FailCode`. A warning (a positive code) still hands out what
    // the call produces, as the published API does with property values; an error hands out nothing.
    std::optional<Step> FailStep;
    int FailOnCall = 1;
    HRESULT FailCode = MAPI_E_CALL_FAILED;

    // What is held by the caller right now.
    int HeldObjects() const { return m_heldObjects; }
    int HeldBuffers() const { return static_cast<int>(m_buffers.size()); }
    // Every call in order ("WABOpen", "GetPAB", "OpenEntry", "FreeBuffer", "Release table", ...).
    const std::vector<std::string>& Calls() const { return m_calls; }
    // Anything done against the published rules: double release, foreign or repeated FreeBuffer, unexpected
    // arguments, use of a released object.
    const std::vector<std::string>& Violations() const { return m_violations; }
    // Whether WABOpen got a parameter block, and its file names.
    bool ReceivedParam() const { return m_receivedParam; }
    const std::optional<std::string>& ReceivedFileNames() const { return m_receivedFileNames; }

    // The fake WABOpen reaches the book through this (a plain function pointer carries no context).
    static TFakeAddressBook* Current;
    static HRESULT WABOpen(IAddrBook** addrBook, IWABObject** wabObject, WAB_PARAM* param, ULONG reserved);

    HRESULT Open(IAddrBook** addrBook, IWABObject** wabObject, WAB_PARAM* param, ULONG reserved);

    // Used by the fake objects.
    class Object;
    // Result of `step`'s next call: S_OK, or the injected code.
    HRESULT Answer(Step step);
    void Call(const std::string& what) { m_calls.push_back(what); }
    void Violation(const std::string& what) { m_violations.push_back(what); }
    void ObjectReleased() { --m_heldObjects; }
    void* Allocate(std::size_t size);
    void* AllocateMore(std::size_t size, void* parent);
    bool Free(void* buffer);
    char* CopyText(const std::string& text, void* parent);
    template <typename T> T* Hand(std::unique_ptr<T> object)
    {
        T* raw = object.get();
        m_objects.push_back(std::move(object));
        ++m_heldObjects;
        return raw;
    }

private:
    std::array<int, static_cast<std::size_t>(Step::Count)> m_callCounts{};
    std::vector<std::unique_ptr<Object>> m_objects;
    int m_heldObjects = 0;
    // Buffer -> the buffers chained to it with AllocateMore.
    std::map<void*, std::vector<void*>> m_buffers;
    std::vector<std::string> m_calls;
    std::vector<std::string> m_violations;
    bool m_receivedParam = false;
    std::optional<std::string> m_receivedFileNames;
};

// FILETIME of a UTC date and time.
FILETIME MakeFileTime(int year, int month, int day, int hour = 0, int minute = 0);
