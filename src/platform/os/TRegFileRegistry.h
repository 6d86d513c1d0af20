#pragma once

#include "IRegistry.h"

#include <map>
#include <optional>
#include <string>
#include <string_view>

// A read-only registry kept as a text file in the usual .reg export form:
//
//   Windows Registry Editor Version 5.00
//
//   [HKEY_LOCAL_MACHINE\Software\Microsoft\WAB\DLLPath]
//   @="/usr/lib/nelvora/libwab32.so"
//
// Only HKEY_LOCAL_MACHINE is served. Key names compare without regard to ASCII case, as the registry's do. The file
// is read afresh on every query. A missing, unreadable or malformed file holds no keys: the file is outside the
// program's control, so a half-understood one is not trusted at all.
class TRegFileRegistry final : public IRegistry
{
public:
    static constexpr const char* DefaultPath = "/etc/nelvora/registry.reg";

    // Lower-cased sub-key path -> its default value, absent when the key has none.
    using TKeys = std::map<std::string, std::optional<std::string>>;

    explicit TRegFileRegistry(std::string path = DefaultPath);

    std::optional<std::string> ReadDefaultValue(const std::string& subKey) const override;

    // The keys of HKEY_LOCAL_MACHINE in a file's contents (UTF-8, or UTF-16LE with its byte-order mark, as
    // regedit writes it); none when the text is malformed.
    static std::optional<TKeys> Parse(std::string_view text);

private:
    std::string m_path;
};
