#pragma once

#include "ILibraryLoader.h"
#include "IRegistry.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

// HKEY_LOCAL_MACHINE as a map: key -> default value (absent: the key exists without one).
class TFakeRegistry final : public IRegistry
{
public:
    std::map<std::string, std::optional<std::string>> Keys;
    mutable std::vector<std::string> Asked;

    std::optional<std::string> ReadDefaultValue(const std::string& subKey) const override
    {
        Asked.push_back(subKey);
        const auto found = Keys.find(subKey);
        return found != Keys.end() ? found->second : std::nullopt;
    }
};

// Hands out `Handle` for any name (null: loading fails) and the symbols in `Symbols`.
class TFakeLibraryLoader final : public ILibraryLoader
{
public:
    void* Handle = nullptr;
    std::map<std::string, void*> Symbols;
    mutable std::vector<std::string> Loaded;
    mutable std::vector<std::string> Looked;

    void* Load(const char* name) const override
    {
        Loaded.emplace_back(name);
        return Handle;
    }

    void* Symbol(void* library, const char* name) const override
    {
        Looked.emplace_back(name);
        const auto found = Symbols.find(name);
        return library == Handle && found != Symbols.end() ? found->second : nullptr;
    }
};
