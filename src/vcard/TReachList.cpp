#include "TReachList.h"

#include "VCardText.h"

#include <algorithm>

namespace VCard {

namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// What tells two phone numbers apart: digits, and letters (an extension, a number spelt in letters).
bool IsNumberChar(char c)
{
    return IsDigit(c) || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

char LowerAscii(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SamePhone(std::string_view a, std::string_view b)
{
    // "+49 30 1234" and "0049 30 1234" may well be one number, but only the country's rules could tell.
    if ((!a.empty() && a.front() == '+') != (!b.empty() && b.front() == '+'))
        return false;
    std::size_t i = 0;
    std::size_t j = 0;
    for (;;) {
        while (i < a.size() && !IsNumberChar(a[i]))
            ++i;
        while (j < b.size() && !IsNumberChar(b[j]))
            ++j;
        if (i == a.size() || j == b.size())
            return i == a.size() && j == b.size();
        if (LowerAscii(a[i]) != LowerAscii(b[j]))
            return false;
        ++i;
        ++j;
    }
}

// Appends `in` (UTF-8) to `out` without its control characters, C0, DEL and C1 alike: none is part of an address,
// and a line break must stay free to separate values.
void AppendWithoutControls(std::string_view in, std::string& out)
{
    for (std::size_t i = 0; i < in.size(); ++i) {
        const auto c = static_cast<unsigned char>(in[i]);
        if (c < 0x20 || c == 0x7F)
            continue;
        // U+0080..U+009F: C2 80..C2 9F.
        if (c == 0xC2 && i + 1 < in.size() && static_cast<unsigned char>(in[i + 1]) < 0xA0) {
            ++i;
            continue;
        }
        out.push_back(in[i]);
    }
}

// Cleans `value` into `out`; false when what is left cannot reach anyone.
bool Clean(TReachList::TKind kind, std::string_view value, std::string& out)
{
    out.clear();
    std::string utf8;
    if (!IsValidUtf8(value)) {
        AppendWindows1252AsUtf8(value, utf8);
        value = utf8;
    }
    value = TrimSpace(value);
    // A URI of the kind written in place of the plain value.
    const std::string_view scheme = kind == TReachList::TKind::Email ? "mailto:" : "tel:";
    if (IStartsWith(value, scheme))
        value = TrimSpace(value.substr(scheme.size()));
    AppendWithoutControls(value, out);
    const std::string_view cleaned = TrimSpace(out);
    if (cleaned.size() != out.size())
        out = std::string(cleaned);
    if (out.empty())
        return false;
    if (kind == TReachList::TKind::Email)
        return out.size() <= TReachList::MaxEmailBytes;
    return out.size() <= TReachList::MaxPhoneBytes && std::any_of(out.begin(), out.end(), IsDigit);
}

} // namespace

bool TReachList::Same(TKind kind, std::string_view a, std::string_view b)
{
    return kind == TKind::Email ? IEquals(a, b) : SamePhone(a, b);
}

void TReachList::Add(std::string_view value, int rank)
{
    if (!Clean(m_kind, value, m_cleaned))
        return;
    for (std::size_t i = 0; i < m_values.size(); ++i) {
        if (!Same(m_kind, m_values[i], m_cleaned))
            continue;
        if (rank >= m_ranks[i])
            return;
        m_values.erase(m_values.begin() + static_cast<std::ptrdiff_t>(i));
        m_ranks.erase(m_ranks.begin() + static_cast<std::ptrdiff_t>(i));
        break;
    }
    const auto at = std::upper_bound(m_ranks.begin(), m_ranks.end(), rank);
    const auto index = at - m_ranks.begin();
    if (static_cast<std::size_t>(index) >= MaxValues)
        return;
    m_ranks.insert(at, rank);
    m_values.insert(m_values.begin() + index, m_cleaned);
    if (m_values.size() > MaxValues) {
        m_values.pop_back();
        m_ranks.pop_back();
    }
}

std::vector<std::string> TReachList::Take()
{
    std::vector<std::string> values = std::move(m_values);
    m_values.clear();
    m_ranks.clear();
    return values;
}

void TReachList::Join(TKind kind, std::vector<std::string>& list, const std::vector<std::string>& more)
{
    for (const std::string& value : more) {
        if (list.size() >= MaxValues)
            return;
        if (std::none_of(list.begin(), list.end(), [&](const std::string& had) { return Same(kind, had, value); }))
            list.push_back(value);
    }
}

} // namespace VCard
