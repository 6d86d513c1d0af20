#include "TDlLibraryLoader.h"

#include <dlfcn.h>

void* TDlLibraryLoader::Load(const char* name) const
{
    // dlopen("") would hand back the program itself rather than fail like a missing library.
    if (name == nullptr || name[0] == '\0')
        return nullptr;
    // RTLD_NOW: a module with unresolved symbols fails here, not later in the middle of a call.
    return dlopen(name, RTLD_NOW);
}

void* TDlLibraryLoader::Symbol(void* library, const char* name) const
{
    if (library == nullptr || name == nullptr)
        return nullptr;
    return dlsym(library, name);
}
