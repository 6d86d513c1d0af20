#pragma once

#include "TempFolder.h"

#include <cstdlib>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// A private home folder for one test: HOME and the XDG base folders point into it, and the tools' own
// configuration variables are unset, so that discovery sees only what the test puts there. Restores the
// environment when it goes.
class TPrivateHome final
{
public:
    TPrivateHome()
    {
        Set("HOME", m_folder.Path().string());
        Set("XDG_CONFIG_HOME", (m_folder.Path() / ".config").string());
        Set("XDG_DATA_HOME", (m_folder.Path() / ".local/share").string());
        Set("XDG_CACHE_HOME", (m_folder.Path() / ".cache").string());
        Set("VDIRSYNCER_CONFIG", std::nullopt);
        Set("KHARD_CONFIG", std::nullopt);
    }
    TPrivateHome(const TPrivateHome&) = delete;
    TPrivateHome& operator=(const TPrivateHome&) = delete;
    ~TPrivateHome()
    {
        for (auto it = m_saved.rbegin(); it != m_saved.rend(); ++it) {
            if (it->second)
                ::setenv(it->first.c_str(), it->second->c_str(), 1);
            else
                ::unsetenv(it->first.c_str());
        }
    }

    const std::filesystem::path& Path() const { return m_folder.Path(); }
    std::filesystem::path Write(const std::string& relative, std::string_view bytes) const
    {
        return m_folder.Write(relative, bytes);
    }

    void Set(const std::string& name, const std::optional<std::string>& value)
    {
        const char* old = std::getenv(name.c_str());
        m_saved.emplace_back(name, old ? std::optional<std::string>(old) : std::nullopt);
        if (value)
            ::setenv(name.c_str(), value->c_str(), 1);
        else
            ::unsetenv(name.c_str());
    }

private:
    TTempFolder m_folder;
    std::vector<std::pair<std::string, std::optional<std::string>>> m_saved;
};
