#include "KhardConfig.h"

#include "ConfigFile.h"

namespace Stores {

namespace {

// A configobj value: quoted ('...' or "...", taken as written), or bare up to a `#` comment.
std::string Value(std::string_view text)
{
    text = Trimmed(text);
    if (text.size() >= 2 && (text.front() == '"' || text.front() == '\'')) {
        const std::size_t close = text.find(text.front(), 1);
        if (close != std::string_view::npos)
            return std::string(text.substr(1, close - 1));
    }
    if (const std::size_t comment = text.find('#'); comment != std::string_view::npos)
        text = text.substr(0, comment);
    return std::string(Trimmed(text));
}

} // namespace

std::vector<TKhardBook> ParseKhardConfig(std::string_view text)
{
    std::vector<TKhardBook> books;
    bool inAddressBooks = false;
    bool inBook = false;
    for (std::string_view line : ConfigLines(text)) {
        line = Trimmed(line);
        if (line.empty() || line.front() == '#')
            continue;
        if (line.front() == '[') {
            std::size_t depth = 0;
            while (depth < line.size() && line[depth] == '[')
                ++depth;
            const std::size_t close = line.find(']', depth);
            if (close == std::string_view::npos)
                continue;
            const std::string_view name = Trimmed(line.substr(depth, close - depth));
            if (depth == 1) {
                inAddressBooks = name == "addressbooks";
                inBook = false;
            } else if (depth == 2 && inAddressBooks && !name.empty()) {
                books.push_back({std::string(name), {}, false});
                inBook = true;
            } else {
                inBook = false;
            }
            continue;
        }
        const std::size_t equals = line.find('=');
        if (!inBook || equals == std::string_view::npos)
            continue;
        const std::string_view key = Trimmed(line.substr(0, equals));
        if (key == "path")
            books.back().Path = Value(line.substr(equals + 1));
        else if (key == "type")
            books.back().Discover = Value(line.substr(equals + 1)) == "discover";
    }
    std::erase_if(books, [](const TKhardBook& book) { return book.Path.empty(); });
    return books;
}

} // namespace Stores
