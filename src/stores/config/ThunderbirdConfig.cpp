#include "ThunderbirdConfig.h"

#include "ConfigFile.h"
#include "Utf8.h"

#include <algorithm>
#include <cstdint>
#include <optional>

namespace Stores {

namespace {

constexpr std::string_view kServerPrefix = "ldap_2.servers.";
constexpr std::string_view kFilenameSuffix = ".filename";
constexpr std::string_view kHistoryFile = "history.sqlite";
constexpr std::string_view kHistoryBook = "history";

bool IsIdentifierChar(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

// The statements of a prefs.js, one at a time. Thunderbird writes the file itself, but add-ons and users edit it,
// so every token may be missing or malformed; a bad statement costs only itself.
class TPrefsReader final
{
public:
    explicit TPrefsReader(std::string_view text) : m_text(text)
    {
        if (m_text.starts_with("\xEF\xBB\xBF"))
            m_pos = 3;
    }

    bool AtEnd()
    {
        SkipBlanks();
        return m_pos >= m_text.size();
    }

    // One `pref(...)` statement; false when it does not parse (the reader then stands after the next `;`).
    // `value` is set only for a string value.
    bool Statement(std::string& name, std::optional<std::string>& value)
    {
        value.reset();
        std::string_view keyword = Identifier();
        if ((keyword == "pref" || keyword == "user_pref" || keyword == "sticky_pref") && Punctuation('(') &&
            String(name) && Punctuation(',') && Value(value) && Attributes() && Punctuation(')') && Punctuation(';'))
            return true;
        Recover();
        return false;
    }

private:
    void SkipBlanks()
    {
        while (m_pos < m_text.size()) {
            const char c = m_text[m_pos];
            if (c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v') {
                ++m_pos;
            } else if (c == '#' || m_text.substr(m_pos, 2) == "//") {
                const std::size_t end = m_text.find('\n', m_pos);
                m_pos = end == std::string_view::npos ? m_text.size() : end + 1;
            } else if (m_text.substr(m_pos, 2) == "/*") {
                const std::size_t end = m_text.find("*/", m_pos + 2);
                m_pos = end == std::string_view::npos ? m_text.size() : end + 2;
            } else {
                return;
            }
        }
    }

    std::string_view Identifier()
    {
        SkipBlanks();
        const std::size_t start = m_pos;
        while (m_pos < m_text.size() && IsIdentifierChar(m_text[m_pos]))
            ++m_pos;
        return m_text.substr(start, m_pos - start);
    }

    bool Punctuation(char c)
    {
        SkipBlanks();
        if (m_pos >= m_text.size() || m_text[m_pos] != c)
            return false;
        ++m_pos;
        return true;
    }

    // Four hex digits at m_pos, moved past; -1 when they are not there.
    int Hex4()
    {
        if (m_pos + 4 > m_text.size())
            return -1;
        int code = 0;
        for (int i = 0; i < 4; ++i) {
            const int digit = HexDigit(m_text[m_pos + static_cast<std::size_t>(i)]);
            if (digit < 0)
                return -1;
            code = code * 16 + digit;
        }
        m_pos += 4;
        return code;
    }

    bool Escape(std::string& out)
    {
        if (m_pos >= m_text.size())
            return false;
        const char c = m_text[m_pos++];
        switch (c) {
        case '"':
        case '\'':
        case '\\':
            out += c;
            return true;
        case 'n':
            out += '\n';
            return true;
        case 'r':
            out += '\r';
            return true;
        case 't':
            out += '\t';
            return true;
        case 'x': {
            if (m_pos + 2 > m_text.size())
                return false;
            const int high = HexDigit(m_text[m_pos]);
            const int low = HexDigit(m_text[m_pos + 1]);
            // A NUL would cut a file name short when it reaches the system.
            if (high < 0 || low < 0 || high * 16 + low == 0)
                return false;
            m_pos += 2;
            AppendUtf8(out, static_cast<char32_t>(high * 16 + low));
            return true;
        }
        case 'u': {
            int code = Hex4();
            if (code <= 0 || (code >= 0xDC00 && code <= 0xDFFF))
                return false;
            if (code >= 0xD800 && code <= 0xDBFF) {
                // Characters beyond the first plane come as a pair of escaped UTF-16 halves.
                if (m_text.substr(m_pos, 2) != "\\u")
                    return false;
                m_pos += 2;
                const int low = Hex4();
                if (low < 0xDC00 || low > 0xDFFF)
                    return false;
                code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
            }
            AppendUtf8(out, static_cast<char32_t>(code));
            return true;
        }
        default:
            return false;
        }
    }

    bool String(std::string& out)
    {
        out.clear();
        SkipBlanks();
        if (m_pos >= m_text.size() || (m_text[m_pos] != '"' && m_text[m_pos] != '\''))
            return false;
        const char quote = m_text[m_pos++];
        while (m_pos < m_text.size()) {
            const char c = m_text[m_pos++];
            if (c == quote)
                return true;
            if (c == '\0')
                return false;
            if (c != '\\')
                out += c;
            else if (!Escape(out))
                return false;
        }
        return false;
    }

    bool Value(std::optional<std::string>& value)
    {
        SkipBlanks();
        if (m_pos >= m_text.size())
            return false;
        const char c = m_text[m_pos];
        if (c == '"' || c == '\'') {
            std::string text;
            if (!String(text))
                return false;
            value = std::move(text);
            return true;
        }
        if (c == '+' || c == '-')
            ++m_pos;
        const std::string_view word = Identifier();
        return word == "true" || word == "false" ||
               (!word.empty() && std::all_of(word.begin(), word.end(), [](char d) { return d >= '0' && d <= '9'; }));
    }

    // `pref("name", value, locked, sticky)`: what follows the value changes nothing this program reads.
    bool Attributes()
    {
        while (Punctuation(',')) {
            if (Identifier().empty())
                return false;
        }
        return true;
    }

    void Recover()
    {
        const std::size_t end = m_text.find(';', m_pos);
        m_pos = end == std::string_view::npos ? m_text.size() : end + 1;
    }

    std::string_view m_text;
    std::size_t m_pos = 0;
};

bool IsPlainFileName(std::string_view name)
{
    return !name.empty() && name.size() <= 255 && name != "." && name != ".." &&
           name.find_first_of(std::string_view("/\0", 2)) == std::string_view::npos;
}

} // namespace

std::vector<TThunderbirdProfile> ParseThunderbirdProfiles(std::string_view text)
{
    std::vector<TThunderbirdProfile> profiles;
    bool inProfile = false;
    for (std::string_view line : ConfigLines(text)) {
        line = Trimmed(line);
        if (line.empty() || line.front() == ';' || line.front() == '#')
            continue;
        if (line.front() == '[') {
            const std::size_t close = line.find(']');
            const std::string_view group = line.substr(1, close == std::string_view::npos ? 0 : close - 1);
            inProfile = close != std::string_view::npos && group.starts_with("Profile");
            if (inProfile)
                profiles.emplace_back();
            continue;
        }
        const std::size_t equals = line.find('=');
        if (!inProfile || equals == std::string_view::npos)
            continue;
        const std::string_view key = Trimmed(line.substr(0, equals));
        const std::string_view value = Trimmed(line.substr(equals + 1));
        if (key == "Name")
            profiles.back().Name = value;
        else if (key == "Path")
            profiles.back().Path = value;
        else if (key == "IsRelative")
            profiles.back().IsRelative = value == "1";
    }
    std::erase_if(profiles, [](const TThunderbirdProfile& profile) { return profile.Path.empty(); });
    return profiles;
}

std::vector<std::pair<std::string, std::string>> ParseMozillaPrefs(std::string_view text)
{
    std::vector<std::pair<std::string, std::string>> prefs;
    TPrefsReader reader(text);
    std::string name;
    std::optional<std::string> value;
    while (!reader.AtEnd()) {
        if (reader.Statement(name, value) && value)
            prefs.emplace_back(name, std::move(*value));
    }
    return prefs;
}

std::vector<std::string> ThunderbirdBookFiles(std::string_view prefsText)
{
    // A later line sets the same preference again, and the last one counts, as in Thunderbird.
    std::vector<std::pair<std::string, std::string>> books;
    for (auto& [name, value] : ParseMozillaPrefs(prefsText)) {
        if (!name.starts_with(kServerPrefix) || !name.ends_with(kFilenameSuffix) ||
            name.size() <= kServerPrefix.size() + kFilenameSuffix.size())
            continue;
        std::string book =
            name.substr(kServerPrefix.size(), name.size() - kServerPrefix.size() - kFilenameSuffix.size());
        const auto same =
            std::find_if(books.begin(), books.end(), [&](const auto& entry) { return entry.first == book; });
        if (same != books.end())
            same->second = std::move(value);
        else
            books.emplace_back(std::move(book), std::move(value));
    }
    std::vector<std::string> files;
    for (auto& [book, file] : books) {
        if (book == kHistoryBook || file == kHistoryFile || !IsPlainFileName(file))
            continue;
        if (std::find(files.begin(), files.end(), file) == files.end())
            files.push_back(std::move(file));
    }
    return files;
}

} // namespace Stores
