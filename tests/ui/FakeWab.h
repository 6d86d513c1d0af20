#pragma once

#include "ILibraryLoader.h"
#include "IRegistry.h"
#include "WabApi.h"

#include <optional>
#include <string>
#include <vector>

// A minimal in-process address book served through the real binding: the loader hands out FakeWab::WABOpen, which
// answers with the contacts a test puts in FakeWab::Contacts.
namespace FakeWab {

struct TDay
{
    int Year;
    int Month;
    int Day;
};

struct TContact
{
    std::string Name;
    std::optional<TDay> Birthday;
    std::optional<TDay> Anniversary;
};

// What the next WABOpen serves; reset by Reset().
extern std::vector<TContact> Contacts;
// Anything but S_OK makes WABOpen fail.
extern HRESULT OpenResult;
// How many times WABOpen was called, and how many buffers are still out.
extern int OpenCount;
int OutstandingBuffers();

void Reset();

HRESULT WABOpen(IAddrBook** addrBook, IWABObject** wabObject, WAB_PARAM* param, ULONG reserved);

} // namespace FakeWab

class TFakeRegistry final : public IRegistry
{
public:
    std::optional<std::string> ReadDefaultValue(const std::string&) const override { return std::nullopt; }
};

class TFakeLoader final : public ILibraryLoader
{
public:
    bool FailLoad = false;
    void* Load(const char*) const override;
    void* Symbol(void* library, const char* name) const override;
};
