#include "ConfigFolder.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

std::string ConfigFolder(const TEnvironmentLookup& lookup)
{
    const char* configHome = lookup("XDG_CONFIG_HOME");
    if (configHome != nullptr && configHome[0] == '/')
        return std::string(configHome) + "/nelvora";
    std::string home;
    if (const char* variable = lookup("HOME"); variable != nullptr)
        home = variable;
    // A login without HOME (some service managers, `env -i`) still has an account with a home folder.
    if (home.empty()) {
        if (const passwd* entry = ::getpwuid(::getuid()); entry != nullptr && entry->pw_dir != nullptr)
            home = entry->pw_dir;
    }
    if (home.empty())
        return {};
    if (home.size() > 1 && home.back() == '/')
        home.pop_back();
    return (home == "/" ? "" : home) + "/.config/nelvora";
}

std::string ConfigFolder()
{
    return ConfigFolder([](const char* name) { return std::getenv(name); });
}

std::string ConfigFilePath(const std::string& folder, std::string_view name)
{
    if (folder.empty())
        return std::string(name);
    return folder + (folder.back() == '/' ? "" : "/") + std::string(name);
}
