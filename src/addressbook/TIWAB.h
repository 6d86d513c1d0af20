#pragma once

#include "TAddressBook.h"
#include "WabApi.h"

#include <memory>
#include <string>
#include <vector>

class IRegistry;
class ILibraryLoader;

// The binding of the address-book library and the contact list read from it.
class TIWAB
{
public:
    TAddressBook AddressBook;
    void* LibraryHandle = nullptr;
    LPWABOPEN WABOpenEntry = nullptr;
    // Where the address book reads its contacts: empty for its own default sources, else these files or folders.
    std::vector<std::string> Sources;

    // The system registry file and the dynamic linker.
    TIWAB();
    // Injected services; both must outlive this object.
    TIWAB(const IRegistry& registry, const ILibraryLoader& loader);
    ~TIWAB();

    TIWAB(const TIWAB&) = delete;
    TIWAB& operator=(const TIWAB&) = delete;

    // Loads the address-book library and finds its WABOpen. Throws TExError. The library is never unloaded.
    void Init();
    // Replaces AddressBook with the contacts of the personal address book, in table order. Throws TExError; the
    // contacts read before a failure stay in AddressBook.
    void Load();

    // Applies one contact's property values to a new AddressBook record.
    void DecodeContact(const SPropValue* values, LONG count);

private:
    std::unique_ptr<IRegistry> m_ownRegistry;
    std::unique_ptr<ILibraryLoader> m_ownLoader;
    const IRegistry& m_registry;
    const ILibraryLoader& m_loader;
};
