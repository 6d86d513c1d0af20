#pragma once

#include "TStoreEnvironment.h"

#include <cstdlib>
#include <string>

// What every reader of another program's configuration must give: text without NUL bytes, and paths that are
// either nothing or absolute once expanded.
inline void CheckConfigValue(const std::string& value)
{
    if (value.find('\0') != std::string::npos)
        std::abort();
    static const Stores::TStoreEnvironment environment{"/home/fuzz", "/home/fuzz/.config", "/home/fuzz/.local/share",
                                                       "/home/fuzz/.cache"};
    const std::filesystem::path path = environment.Expand(value);
    if (!path.empty() && (path.is_relative() || path.native().find('\0') != std::string::npos))
        std::abort();
}
