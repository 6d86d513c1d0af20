#pragma once

#include <string>
#include <string_view>

// Replaces the file at `path` with `content` so that a reader sees either the old file or the whole new one: the
// text goes to a temporary file beside it, is synced, and is renamed over it. A symbolic link is followed, so the
// file it points to is replaced and the link stays. Returns why it failed, or an empty string; after a failure the
// old file is as it was and no temporary file is left.
std::string ReplaceFileAtomically(const std::string& path, std::string_view content);
