#include "TRegFileRegistry.h"

#include "Utf8.h"

#include <cstdint>
#include <fstream>
#include <iterator>
#include <utility>
#include <vector>

namespace {

// Far beyond any real export; keeps a wrong path (a device, a huge file) from being read into memory.
constexpr std::streamoff MaxFileSize = 4 * 1024 * 1024;

constexpr std::string_view LocalMachine = "hkey_local_machine";

char LowerAscii(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string LowerAscii(std::string_view text)
{
    std::string result(text);
    for (char& c : result)
        c = LowerAscii(c);
    return result;
}

std::string_view Trim(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r'))
        text.remove_suffix(1);
    return text;
}

// "Software\Foo\" and "software\foo" name the same key.
std::string NormaliseKey(std::string_view key)
{
    while (!key.empty() && key.back() == '\\')
        key.remove_suffix(1);
    while (!key.empty() && key.front() == '\\')
        key.remove_prefix(1);
    return LowerAscii(key);
}

// regedit writes UTF-16LE with a byte-order mark; the rest of the program speaks UTF-8.
std::optional<std::string> Utf16LeToUtf8(std::string_view bytes)
{
    if (bytes.size() % 2 != 0)
        return std::nullopt;
    std::string out;
    out.reserve(bytes.size() / 2);
    for (std::size_t i = 0; i < bytes.size(); i += 2) {
        std::uint32_t unit = static_cast<std::uint8_t>(bytes[i]) | (static_cast<std::uint8_t>(bytes[i + 1]) << 8);
        if (unit >= 0xD800 && unit <= 0xDBFF) {
            if (i + 3 >= bytes.size())
                return std::nullopt;
            std::uint32_t low =
                static_cast<std::uint8_t>(bytes[i + 2]) | (static_cast<std::uint8_t>(bytes[i + 3]) << 8);
            if (low < 0xDC00 || low > 0xDFFF)
                return std::nullopt;
            unit = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
            i += 2;
        } else if (unit >= 0xDC00 && unit <= 0xDFFF) {
            return std::nullopt;
        }
        AppendUtf8(out, unit);
    }
    return out;
}

// Reads a quoted string at the start of `text` (which begins with '"'), with the .reg escapes \\ and \".
// On success `text` is left just after the closing quote.
std::optional<std::string> ReadQuoted(std::string_view& text)
{
    if (text.empty() || text.front() != '"')
        return std::nullopt;
    std::string value;
    for (std::size_t i = 1; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '"') {
            text.remove_prefix(i + 1);
            return value;
        }
        if (c == '\\') {
            if (i + 1 >= text.size() || (text[i + 1] != '\\' && text[i + 1] != '"'))
                return std::nullopt;
            value += text[++i];
        } else {
            value += c;
        }
    }
    return std::nullopt;
}

class TParser
{
public:
    std::optional<TRegFileRegistry::TKeys> Run(std::string_view text)
    {
        bool first = true;
        bool continued = false;
        while (!text.empty()) {
            const std::size_t end = text.find('\n');
            std::string_view line = Trim(text.substr(0, end));
            text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);

            // Only non-string data (hex lists) wraps onto further lines, and it is not used here.
            if (continued) {
                continued = !line.empty() && line.back() == '\\';
                continue;
            }
            if (line.empty() || line.front() == ';')
                continue;
            if (first) {
                first = false;
                if (line == "Windows Registry Editor Version 5.00" || line == "REGEDIT4")
                    continue;
            }
            bool ok = false;
            if (line.front() == '[')
                ok = Section(line);
            else if (line.front() == '@' || line.front() == '"')
                ok = Value(line, continued);
            if (!ok)
                return std::nullopt;
        }
        return std::move(m_keys);
    }

private:
    bool Section(std::string_view line)
    {
        if (line.size() < 2 || line.back() != ']')
            return false;
        std::string_view path = line.substr(1, line.size() - 2);
        const bool remove = !path.empty() && path.front() == '-';
        if (remove)
            path.remove_prefix(1);
        if (path.empty() || path.find_first_of("[]") != std::string_view::npos)
            return false;

        const std::size_t slash = path.find('\\');
        const std::string root = LowerAscii(path.substr(0, slash));
        const std::string key = NormaliseKey(slash == std::string_view::npos ? std::string_view() : path.substr(slash));
        m_current.reset();
        m_inSection = true;
        if (root != LocalMachine)
            return true; // another root: well-formed, just not served
        if (remove) {
            // A key is removed with everything below it.
            for (auto it = m_keys.begin(); it != m_keys.end();) {
                const std::string& name = it->first;
                const bool below =
                    key.empty() || name == key ||
                    (name.size() > key.size() && name.compare(0, key.size(), key) == 0 && name[key.size()] == '\\');
                it = below ? m_keys.erase(it) : std::next(it);
            }
            return true;
        }
        m_current = key;
        m_keys.try_emplace(key);
        return true;
    }

    bool Value(std::string_view line, bool& continued)
    {
        bool isDefault = false;
        if (line.front() == '@') {
            isDefault = true;
            line.remove_prefix(1);
        } else if (!ReadQuoted(line)) {
            return false;
        }
        line = Trim(line);
        if (line.empty() || line.front() != '=')
            return false;
        line = Trim(line.substr(1));
        if (line.empty())
            return false;

        std::optional<std::string> text;
        bool removeValue = false;
        if (line.front() == '"') {
            text = ReadQuoted(line);
            if (!text || !Trim(line).empty())
                return false;
        } else if (line == "-") {
            removeValue = true;
        } else if (line.find(':') == std::string_view::npos) {
            return false; // neither a string nor a typed value such as dword:... or hex(2):...
        } else {
            continued = line.back() == '\\';
        }

        // A value line before any section has no key to belong to.
        if (!m_inSection)
            return false;
        if (!m_current || !isDefault)
            return true;
        // Typed data is not a string the caller could use: the key counts as having no default value.
        m_keys[*m_current] = removeValue ? std::nullopt : text;
        return true;
    }

    TRegFileRegistry::TKeys m_keys;
    // The open HKEY_LOCAL_MACHINE key; none inside a section of another root or a removal section.
    std::optional<std::string> m_current;
    bool m_inSection = false;
};

} // namespace

TRegFileRegistry::TRegFileRegistry(std::string path) : m_path(std::move(path)) {}

std::optional<TRegFileRegistry::TKeys> TRegFileRegistry::Parse(std::string_view text)
{
    std::string converted;
    if (text.size() >= 2 && static_cast<unsigned char>(text[0]) == 0xFF &&
        static_cast<unsigned char>(text[1]) == 0xFE) {
        auto utf8 = Utf16LeToUtf8(text.substr(2));
        if (!utf8)
            return std::nullopt;
        converted = std::move(*utf8);
        text = converted;
    } else if (text.size() >= 3 && text.substr(0, 3) == "\xEF\xBB\xBF") {
        text.remove_prefix(3);
    }
    return TParser().Run(text);
}

std::optional<std::string> TRegFileRegistry::ReadDefaultValue(const std::string& subKey) const
{
    std::ifstream file(m_path, std::ios::binary);
    if (!file)
        return std::nullopt;
    std::string text;
    char chunk[4096];
    while (file.read(chunk, sizeof chunk) || file.gcount() > 0) {
        text.append(chunk, static_cast<std::size_t>(file.gcount()));
        if (static_cast<std::streamoff>(text.size()) > MaxFileSize)
            return std::nullopt;
    }
    if (file.bad())
        return std::nullopt;

    const auto keys = Parse(text);
    if (!keys)
        return std::nullopt;
    const auto found = keys->find(NormaliseKey(subKey));
    if (found == keys->end())
        return std::nullopt;
    return found->second;
}
