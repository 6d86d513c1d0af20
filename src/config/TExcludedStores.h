#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The address books the user left out: "excluded-stores" beside the options file, one store path a line, as
// `nelvora-report --sources` shows paths. The file is the user's to edit, so it is read as untrusted text.
class TExcludedStores
{
public:
    static constexpr const char* FileName = "excluded-stores";
    // Far beyond any real list; a larger file is a mistake, not a choice.
    static constexpr std::size_t MaxFileSize = 1024 * 1024;

    std::vector<std::string> Paths;

    // A missing file leaves nothing excluded. Throws TExError when the file cannot be read or is damaged (a line
    // that is neither an absolute path nor an http(s) address, a control character, a NUL byte, too large); Paths is then empty.
    void Load(const std::string& fileName);

    // Writes Paths, one a line, to a temporary file beside `fileName` and renames it over `fileName`, so a reader
    // sees the old list or the new one, never a part. Throws TExError (the old file stays as it was); a path that
    // cannot be written as one line is refused.
    void Save(const std::string& fileName) const;

    // The lines of a file image. False (and `paths` empty) for a damaged image; `why` then says what is wrong.
    static bool Parse(std::string_view bytes, std::vector<std::string>& paths, std::string& why);
};
