#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace Stores {

// A desktop key file as GLib (Evolution's .source files) and KDE (akonadi resource rc files) write them:
// `[Group]` lines, `Key=Value` lines, `#` comments. Values lose the key-file escapes (\s \n \t \r \\); KDE's
// `[$e]`-style flags after a key are dropped. Anything that fits none of these is ignored; nothing here fails.
class TKeyFile final
{
public:
    explicit TKeyFile(std::string_view text);

    bool HasGroup(std::string_view group) const;
    // The last value of `key` in `group` (a later line overrides an earlier one, as in both libraries).
    std::optional<std::string> Value(std::string_view group, std::string_view key) const;

private:
    struct TEntry
    {
        std::size_t Group;
        std::string Key;
        std::string Value;
    };
    std::vector<std::string> m_groups;
    std::vector<TEntry> m_entries;
};

} // namespace Stores
