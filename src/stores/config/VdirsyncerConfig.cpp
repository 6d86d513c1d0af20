#include "VdirsyncerConfig.h"

#include "ConfigFile.h"
#include "Utf8.h"

namespace Stores {

namespace {

bool ReadHex4(std::string_view text, std::size_t at, char32_t& value)
{
    if (at + 4 > text.size())
        return false;
    value = 0;
    for (std::size_t i = at; i < at + 4; ++i) {
        const int digit = HexDigit(text[i]);
        if (digit < 0)
            return false;
        value = value * 16 + static_cast<char32_t>(digit);
    }
    return true;
}

} // namespace

std::optional<std::string> JsonString(std::string_view literal)
{
    if (literal.size() < 2 || literal.front() != '"' || literal.back() != '"')
        return std::nullopt;
    const std::string_view body = literal.substr(1, literal.size() - 2);
    std::string out;
    out.reserve(body.size());
    for (std::size_t i = 0; i < body.size(); ++i) {
        const char c = body[i];
        // JSON has no raw quote or control character inside a string.
        if (c == '"' || static_cast<unsigned char>(c) < 0x20)
            return std::nullopt;
        if (c != '\\') {
            out += c;
            continue;
        }
        if (++i == body.size())
            return std::nullopt;
        switch (body[i]) {
        case '"':
        case '\\':
        case '/':
            out += body[i];
            break;
        case 'b':
            out += '\b';
            break;
        case 'f':
            out += '\f';
            break;
        case 'n':
            out += '\n';
            break;
        case 'r':
            out += '\r';
            break;
        case 't':
            out += '\t';
            break;
        case 'u': {
            char32_t code = 0;
            if (!ReadHex4(body, i + 1, code))
                return std::nullopt;
            i += 4;
            if (code >= 0xD800 && code <= 0xDBFF) {
                char32_t low = 0;
                if (i + 2 >= body.size() || body[i + 1] != '\\' || body[i + 2] != 'u' || !ReadHex4(body, i + 3, low) ||
                    low < 0xDC00 || low > 0xDFFF)
                    return std::nullopt;
                i += 6;
                code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
            } else if (code >= 0xDC00 && code <= 0xDFFF) {
                return std::nullopt;
            }
            // A NUL would cut a path short when it reaches the system.
            if (code == 0)
                return std::nullopt;
            AppendUtf8(out, code);
            break;
        }
        default:
            return std::nullopt;
        }
    }
    return out;
}

std::vector<TVdirsyncerStorage> ParseVdirsyncerConfig(std::string_view text)
{
    std::vector<TVdirsyncerStorage> storages;
    bool inStorage = false;
    for (std::string_view line : ConfigLines(text)) {
        // Indented lines continue the value before them (lists written over several lines).
        if (!line.empty() && (line.front() == ' ' || line.front() == '\t'))
            continue;
        line = Trimmed(line);
        if (line.empty() || line.front() == '#' || line.front() == ';')
            continue;
        if (line.front() == '[') {
            inStorage = false;
            if (line.back() != ']')
                continue;
            const std::string_view header = Trimmed(line.substr(1, line.size() - 2));
            if (header.starts_with("storage ") || header.starts_with("storage\t")) {
                const std::string_view name = Trimmed(header.substr(8));
                if (!name.empty()) {
                    storages.push_back({std::string(name), {}, {}, {}});
                    inStorage = true;
                }
            }
            continue;
        }
        if (!inStorage)
            continue;
        std::size_t separator = line.find_first_of("=:");
        if (separator == std::string_view::npos)
            continue;
        const std::string_view key = Trimmed(line.substr(0, separator));
        const std::optional<std::string> value = JsonString(Trimmed(line.substr(separator + 1)));
        TVdirsyncerStorage& storage = storages.back();
        std::string* field = key == "type"      ? &storage.Type
                             : key == "fileext" ? &storage.FileExt
                             : key == "path"    ? &storage.Path
                                                : nullptr;
        if (field)
            *field = value.value_or(std::string());
    }
    return storages;
}

std::string SinglefilePattern(std::string_view path)
{
    std::string pattern;
    for (std::size_t i = 0; i < path.size(); ++i) {
        if (path.substr(i, 2) == "%s") {
            pattern += '*';
            ++i;
        } else {
            if (path[i] == '*' || path[i] == '?' || path[i] == '[' || path[i] == '\\')
                pattern += '\\';
            pattern += path[i];
        }
    }
    return pattern;
}

} // namespace Stores
