#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace Stores {

// One address book under `[addressbooks]` of a khard configuration.
struct TKhardBook
{
    std::string Name;
    std::string Path;
    bool Discover = false; // `type = discover`: Path is a glob pattern of folders
};

// Every address book with a path, in file order. The file is in khard's configobj form: `[section]`,
// `[[subsection]]`, `key = value` with optional quotes and `#` comments. Nothing here fails.
std::vector<TKhardBook> ParseKhardConfig(std::string_view text);

} // namespace Stores
