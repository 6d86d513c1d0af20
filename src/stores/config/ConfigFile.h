#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace Stores {

// Reads a small file whole. False (and `bytes` empty) when it is missing, no regular file (a FIFO or a device never
// blocks the reading), unreadable, or larger than `maxBytes`; with `followLinks` false, also when it is a link.
bool ReadSmallFile(const std::filesystem::path& path, std::string& bytes, std::uintmax_t maxBytes,
                   bool followLinks = true);

// Reads another program's configuration file: ReadSmallFile() with room for any real one.
bool ReadConfigFile(const std::filesystem::path& path, std::string& bytes);

// The lines of a configuration text without their line ends. A line holding a NUL byte is left out: no tool
// writes one, and it would cut a path short.
std::vector<std::string_view> ConfigLines(std::string_view text);

std::string_view Trimmed(std::string_view text);

// The value of a hexadecimal digit, or -1.
int HexDigit(char c);

// The entries of `folder` whose names start with `prefix` and end with `suffix`, sorted by name.
std::vector<std::filesystem::path> FolderEntries(const std::filesystem::path& folder, std::string_view prefix,
                                                 std::string_view suffix);

// Every existing path that matches a shell pattern (`*`, `?`, `[...]`), sorted.
std::vector<std::filesystem::path> GlobPaths(const std::string& pattern);

} // namespace Stores
