#pragma once

#include "ILibraryLoader.h"

// dlopen/dlsym. A bare name is searched the dynamic linker's way, which includes the RUNPATH of the executable
// (this code is linked into it).
class TDlLibraryLoader final : public ILibraryLoader
{
public:
    void* Load(const char* name) const override;
    void* Symbol(void* library, const char* name) const override;
};
