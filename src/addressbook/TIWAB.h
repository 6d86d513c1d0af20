#pragma once

#include "StoreList.h"
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
    // Stores the module finds but leaves out, as the store list shows their paths. Only for its default sources.
    std::vector<std::string> ExcludedStores;
    // What the module found at the last Load, from its store list; empty when it keeps none.
    std::vector<TStoreInfo> Stores;
    // The store list as the module gave it.
    std::string StoreListText;

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
    void ReadStoreList();

    std::unique_ptr<IRegistry> m_ownRegistry;
    std::unique_ptr<ILibraryLoader> m_ownLoader;
    const IRegistry& m_registry;
    const ILibraryLoader& m_loader;
};
