#pragma once

// Loads shared libraries at run time. A loaded library is never unloaded: the objects and code it handed out
// may be in use until the process ends.
class ILibraryLoader
{
public:
    virtual ~ILibraryLoader() = default;

    // The handle of the library with that name or path, or null when it cannot be loaded.
    virtual void* Load(const char* name) const = 0;
    // The address of the exported symbol, or null when the library has none of that name.
    virtual void* Symbol(void* library, const char* name) const = 0;
};
