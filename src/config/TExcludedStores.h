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

    // Replaces `fileName` with Paths, one a line, through the atomic writer: a reader sees the old list or the new
    // one, a symbolic link stays a link and the file keeps its mode. Throws TExError (the old file stays as it was);
    // a list that Load would refuse (a bad path line, too large) is refused.
    void Save(const std::string& fileName) const;

    // Why `line` cannot be a line of the file, or null when it can. Load and Save both ask it, so that what is
    // saved always loads.
    static const char* PathLineProblem(std::string_view line);

    // The lines of a file image. False (and `paths` empty) for a damaged image; `why` then says what is wrong.
    static bool Parse(std::string_view bytes, std::vector<std::string>& paths, std::string& why);
};
