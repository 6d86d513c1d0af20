#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace Stores {

// One `[storage NAME]` section of a vdirsyncer configuration, with the values the address book needs. A value
// that is missing or is no string stays empty.
struct TVdirsyncerStorage
{
    std::string Name;
    std::string Type;
    std::string FileExt;
    std::string Path;
};

// Every storage section, in file order. Values are JSON as vdirsyncer reads them; only strings are taken. Lines
// that fit nothing (continuations of lists, other sections, comments) are ignored; nothing here fails.
std::vector<TVdirsyncerStorage> ParseVdirsyncerConfig(std::string_view text);

// The files of a `singlefile` storage whose path holds "%s" (one file per collection, "%s" standing for each
// collection's name), as a shell pattern for GlobPaths: "%s" becomes `*`, the pattern characters of the path itself
// are escaped.
std::string SinglefilePattern(std::string_view path);

// A JSON string literal ("..." with its escapes) as UTF-8; nothing when it is no complete string literal.
std::optional<std::string> JsonString(std::string_view literal);

} // namespace Stores
