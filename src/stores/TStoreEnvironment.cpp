#include "TStoreEnvironment.h"

#include "config/ConfigFile.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

namespace Stores {

namespace {

// The base directory rules ignore an unset, empty or relative value.
std::filesystem::path BaseFolder(const char* variable, const std::filesystem::path& home, const char* fallback)
{
    const std::string value = TStoreEnvironment::Variable(variable);
    if (!value.empty() && value[0] == '/')
        return value;
    if (home.empty())
        return {};
    return home / fallback;
}

std::string PercentDecoded(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() && HexDigit(text[i + 1]) >= 0 && HexDigit(text[i + 2]) >= 0) {
            const char decoded = static_cast<char>(HexDigit(text[i + 1]) * 16 + HexDigit(text[i + 2]));
            // A NUL would cut the path short when it reaches the system.
            if (decoded != '\0') {
                out += decoded;
                i += 2;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

} // namespace

std::string TStoreEnvironment::Variable(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

TStoreEnvironment TStoreEnvironment::FromProcess()
{
    TStoreEnvironment environment;
    std::string home = Variable("HOME");
    if (home.empty()) {
        if (const passwd* entry = ::getpwuid(::getuid()); entry && entry->pw_dir)
            home = entry->pw_dir;
    }
    environment.Home = home;
    environment.ConfigHome = BaseFolder("XDG_CONFIG_HOME", environment.Home, ".config");
    environment.DataHome = BaseFolder("XDG_DATA_HOME", environment.Home, ".local/share");
    environment.CacheHome = BaseFolder("XDG_CACHE_HOME", environment.Home, ".cache");
    return environment;
}

std::filesystem::path TStoreEnvironment::Expand(std::string_view text) const
{
    if (text.find('\0') != std::string_view::npos)
        return {};
    std::string path;
    if (text.starts_with("file://")) {
        // Only local files: file:///path or file://localhost/path.
        text.remove_prefix(7);
        if (text.starts_with("localhost/"))
            text.remove_prefix(9);
        if (!text.starts_with('/'))
            return {};
        path = PercentDecoded(text);
    } else if (text == "~" || text.starts_with("~/")) {
        if (Home.empty())
            return {};
        path = Home.string() + std::string(text.substr(1));
    } else if (text == "$HOME" || text.starts_with("$HOME/")) {
        if (Home.empty())
            return {};
        path = Home.string() + std::string(text.substr(5));
    } else if (text == "${HOME}" || text.starts_with("${HOME}/")) {
        if (Home.empty())
            return {};
        path = Home.string() + std::string(text.substr(7));
    } else {
        path = text;
    }
    if (path.empty())
        return {};
    std::filesystem::path result(path);
    // A relative path in a configuration file means the home folder, where the tools themselves run.
    if (result.is_relative()) {
        if (Home.empty())
            return {};
        result = Home / result;
    }
    result = result.lexically_normal();
    if (!result.has_filename() && result.has_parent_path() && result != result.root_path())
        result = result.parent_path();
    return result;
}

} // namespace Stores
