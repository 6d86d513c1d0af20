// libFuzzer target for the readers of Thunderbird's profiles.ini and prefs.js. Besides crashes and sanitizer
// reports it checks what the store relies on: profile paths and book names never carry a NUL or a line end, book
// names stay inside the profile and leave out the collected addresses, and what the prefs.js reader gives back,
// written out again with escapes, reads back the same.

#include "config/ThunderbirdConfig.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

void Check(bool condition)
{
    if (!condition)
        __builtin_trap();
}

std::string Quoted(std::string_view text)
{
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\')
            out += '\\';
        out += c;
    }
    return out + '"';
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    for (const auto& profile : Stores::ParseThunderbirdProfiles(text)) {
        Check(!profile.Path.empty());
        Check(profile.Path.find_first_of(std::string_view("\0\n", 2)) == std::string::npos);
    }

    const auto prefs = Stores::ParseMozillaPrefs(text);
    std::string written;
    for (const auto& [name, value] : prefs) {
        Check(name.find('\0') == std::string::npos && value.find('\0') == std::string::npos);
        written += "user_pref(" + Quoted(name) + ", " + Quoted(value) + ");\n";
    }
    Check(Stores::ParseMozillaPrefs(written) == prefs);

    const auto files = Stores::ThunderbirdBookFiles(text);
    for (auto it = files.begin(); it != files.end(); ++it) {
        Check(!it->empty() && *it != "." && *it != ".." && *it != "history.sqlite");
        Check(it->find_first_of(std::string_view("/\0", 2)) == std::string::npos);
        Check(std::find(it + 1, files.end(), *it) == files.end());
    }
    return 0;
}
