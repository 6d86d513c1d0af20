#pragma once

#include <filesystem>
#include <string>

namespace Stores {

// The user's folders as the base directory rules give them, read from the process environment once per reading.
// A path is empty when it cannot be known (no home folder at all).
struct TStoreEnvironment
{
    std::filesystem::path Home;
    std::filesystem::path ConfigHome; // $XDG_CONFIG_HOME, else ~/.config
    std::filesystem::path DataHome;   // $XDG_DATA_HOME, else ~/.local/share
    std::filesystem::path CacheHome;  // $XDG_CACHE_HOME, else ~/.cache

    static TStoreEnvironment FromProcess();

    // An environment variable, empty when unset.
    static std::string Variable(const char* name);

    // `~`, `~/...`, `$HOME`, `${HOME}` and `file://` forms of a path from a configuration file, made absolute
    // against the home folder. Empty for text that names no path.
    std::filesystem::path Expand(std::string_view text) const;
};

} // namespace Stores
