#include "TKeyFile.h"

#include "ConfigFile.h"

namespace Stores {

namespace {

std::string Unescaped(std::string_view value)
{
    std::string out;
    out.reserve(value.size());
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '\\' || i + 1 == value.size()) {
            out += value[i];
            continue;
        }
        switch (value[++i]) {
        case 's':
            out += ' ';
            break;
        case 'n':
            out += '\n';
            break;
        case 't':
            out += '\t';
            break;
        case 'r':
            out += '\r';
            break;
        case '\\':
            out += '\\';
            break;
        default:
            // Unknown escapes are kept as written; GLib would refuse the value, KDE keeps it.
            out += '\\';
            out += value[i];
            break;
        }
    }
    return out;
}

} // namespace

TKeyFile::TKeyFile(std::string_view text)
{
    bool inGroup = false;
    for (std::string_view line : ConfigLines(text)) {
        line = Trimmed(line);
        if (line.empty() || line.front() == '#')
            continue;
        if (line.front() == '[') {
            const std::size_t close = line.rfind(']');
            if (close == std::string_view::npos || close == 0) {
                inGroup = false;
                continue;
            }
            m_groups.emplace_back(line.substr(1, close - 1));
            inGroup = true;
            continue;
        }
        const std::size_t equals = line.find('=');
        if (!inGroup || equals == std::string_view::npos)
            continue;
        std::string_view key = Trimmed(line.substr(0, equals));
        // KDE writes flags after the key ("Path[$e]"); a locale suffix ("Name[de]") makes another key.
        if (const std::size_t flags = key.find("[$"); flags != std::string_view::npos && key.back() == ']')
            key = Trimmed(key.substr(0, flags));
        if (key.empty())
            continue;
        m_entries.push_back({m_groups.size() - 1, std::string(key), Unescaped(Trimmed(line.substr(equals + 1)))});
    }
}

bool TKeyFile::HasGroup(std::string_view group) const
{
    for (const auto& name : m_groups)
        if (name == group)
            return true;
    return false;
}

std::optional<std::string> TKeyFile::Value(std::string_view group, std::string_view key) const
{
    for (auto it = m_entries.rbegin(); it != m_entries.rend(); ++it)
        if (it->Key == key && m_groups[it->Group] == group)
            return it->Value;
    return std::nullopt;
}

} // namespace Stores
