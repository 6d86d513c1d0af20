#include "TDlLibraryLoader.h"

#include <dlfcn.h>
#include <sys/stat.h>

#include <cstddef>
#include <cstring>
#include <string>
#include <vector>

namespace {

// The directories the dynamic linker searches for libraries the program itself needs: its RPATH,
// LD_LIBRARY_PATH, its RUNPATH with $ORIGIN expanded, then the system directories.
std::vector<std::string> ProgramSearchPath()
{
    std::vector<std::string> directories;
    void* program = dlopen(nullptr, RTLD_NOW);
    if (program == nullptr)
        return directories;
    Dl_serinfo size;
    if (dlinfo(program, RTLD_DI_SERINFOSIZE, &size) != 0 || size.dls_size < sizeof(Dl_serinfo))
        return directories;
    std::vector<std::max_align_t> storage(size.dls_size / sizeof(std::max_align_t) + 1);
    auto* info = reinterpret_cast<Dl_serinfo*>(storage.data());
    if (dlinfo(program, RTLD_DI_SERINFOSIZE, info) != 0 || dlinfo(program, RTLD_DI_SERINFO, info) != 0)
        return directories;
    for (unsigned int i = 0; i < info->dls_cnt; ++i) {
        // An empty RUNPATH entry (CMake leaves one at the end of a build-tree RUNPATH) means the current
        // directory; a module is never taken from there.
        if (info->dls_serpath[i].dls_name != nullptr && info->dls_serpath[i].dls_name[0] == '/')
            directories.emplace_back(info->dls_serpath[i].dls_name);
    }
    return directories;
}

bool IsFile(const std::string& path)
{
    struct stat status;
    return stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode);
}

} // namespace

void* TDlLibraryLoader::Load(const char* name) const
{
    // dlopen("") would hand back the program itself rather than fail like a missing library.
    if (name == nullptr || name[0] == '\0')
        return nullptr;
    // RTLD_NOW: a module with unresolved symbols fails here, not later in the middle of a call.
    if (std::strchr(name, '/') != nullptr)
        return dlopen(name, RTLD_NOW);

    // dlopen searches the RUNPATH of the object that calls it. Sanitizer runtimes interpose dlopen, which makes
    // them the caller and hides the program's RUNPATH (google/sanitizers#1219), so a bare name is looked up in
    // the program's own search path here and only then handed to dlopen for the linker cache.
    for (const std::string& directory : ProgramSearchPath()) {
        const std::string path = directory + "/" + name;
        if (!IsFile(path))
            continue;
        if (void* library = dlopen(path.c_str(), RTLD_NOW))
            return library;
    }
    return dlopen(name, RTLD_NOW);
}

void* TDlLibraryLoader::Symbol(void* library, const char* name) const
{
    if (library == nullptr || name == nullptr)
        return nullptr;
    return dlsym(library, name);
}
