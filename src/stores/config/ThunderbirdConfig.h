#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace Stores {

// One `[ProfileN]` group of a Mozilla profiles.ini.
struct TThunderbirdProfile
{
    std::string Name;
    std::string Path;
    bool IsRelative = false; // `IsRelative=1`: Path is below the folder that holds profiles.ini
};

// Every profile with a path, in file order. The file is Mozilla's INI form: `[Group]`, `Key=Value`, `;` and `#`
// comments, no escapes. Nothing here fails.
std::vector<TThunderbirdProfile> ParseThunderbirdProfiles(std::string_view text);

// Every preference of a prefs.js (`user_pref("name", value);`, also `pref` and `sticky_pref`) whose value is a
// string, in file order, with the names and values unescaped. Follows Mozilla's own reader: `//`, `#` and
// `/* */` comments, single or double quotes, the escapes \" \' \\ \n \r \t \xHH \uHHHH; a statement that does not
// parse is skipped up to its `;`.
std::vector<std::pair<std::string, std::string>> ParseMozillaPrefs(std::string_view text);

// The address-book files a prefs.js names (`ldap_2.servers.<book>.filename`), in file order, once each. Only plain
// file names inside the profile; the collected addresses ("history.sqlite") are left out: they hold everyone the
// user ever wrote to.
std::vector<std::string> ThunderbirdBookFiles(std::string_view prefsText);

} // namespace Stores
