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

// A control character starts here: C0, DEL, or C1 (U+0080..U+009F, C2 80..C2 9F). None is part of an address,
// and the separator must stay free.
std::size_t ControlLength(std::string_view text, std::size_t i)
{
    const auto c = static_cast<unsigned char>(text[i]);
    if (c < 0x20 || c == 0x7F)
        return 1;
    if (c == 0xC2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) < 0xA0)
        return 2;
    return 0;
}

// Cleans `value` into `out`; false when what is left cannot reach anyone.
bool Clean(TReachList::TKind kind, std::string_view value, std::string& out)
{
    value = TrimSpace(value);
    // A URI of the kind written in place of the plain value.
    const std::string_view scheme = kind == TReachList::TKind::Email ? "mailto:" : "tel:";
    if (IStartsWith(value, scheme))
        value = TrimSpace(value.substr(scheme.size()));
    out.clear();
    std::size_t start = 0;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (const std::size_t length = ControlLength(value, i)) {
            out.append(value.substr(start, i - start));
            i += length - 1;
            start = i + 1;
        }
    }
    std::string_view kept = value;
    if (start != 0) {
        out.append(value.substr(start));
        kept = TrimSpace(out);
    }
    if (kept.empty())
        return false;
    if (kind == TReachList::TKind::Email
            ? kept.size() > TReachList::MaxEmailBytes
            : kept.size() > TReachList::MaxPhoneBytes || std::none_of(kept.begin(), kept.end(), IsDigit))
        return false;
    if (kept.data() != out.data() || kept.size() != out.size())
        out = std::string(kept);
    return true;
}

// Calls `visit` with each value of a text as Take gives it, until it returns false.
template <typename F> void ForEachValue(std::string_view list, F&& visit)
{
    while (!list.empty()) {
        const std::size_t end = std::min(list.find(TReachList::Separator), list.size());
        if (end != 0 && !visit(list.substr(0, end)))
            return;
        list.remove_prefix(std::min(end + 1, list.size()));
    }
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
    for (auto it = m_entries.begin(); it != m_entries.end(); ++it) {
        if (!Same(m_kind, ValueOf(*it), m_cleaned))
            continue;
        if (rank >= it->Rank)
            return;
        m_entries.erase(it);
        break;
    }
    const auto at = std::upper_bound(m_entries.begin(), m_entries.end(), rank,
                                     [](int wanted, const TEntry& entry) { return wanted < entry.Rank; });
    if (static_cast<std::size_t>(at - m_entries.begin()) >= MaxValues)
        return;
    // Values that lost their place leave their text behind; once that outweighs the values kept, start afresh.
    if (m_text.size() > 4 * MaxValues * MaxEmailBytes) {
        std::string text;
        for (TEntry& entry : m_entries) {
            const std::string_view kept = ValueOf(entry);
            entry.Offset = static_cast<std::uint32_t>(text.size());
            text.append(kept);
        }
        m_text = std::move(text);
    }
    const TEntry entry{rank, static_cast<std::uint32_t>(m_text.size()), static_cast<std::uint32_t>(m_cleaned.size())};
    m_text.append(m_cleaned);
    m_entries.insert(at, entry);
    if (m_entries.size() > MaxValues)
        m_entries.pop_back();
}

std::string TReachList::Take()
{
    std::string list;
    if (!m_entries.empty()) {
        std::size_t size = m_entries.size() - 1;
        for (const TEntry& entry : m_entries)
            size += entry.Length;
        list.reserve(size);
        for (const TEntry& entry : m_entries) {
            if (!list.empty())
                list.push_back(Separator);
            list.append(ValueOf(entry));
        }
    }
    m_entries.clear();
    m_text.clear();
    return list;
}

void TReachList::Join(TKind kind, std::string& list, std::string_view more)
{
    std::size_t count = 0;
    ForEachValue(list, [&count](std::string_view) { return ++count, true; });
    ForEachValue(more, [&](std::string_view value) {
        if (count >= MaxValues)
            return false;
        bool known = false;
        ForEachValue(list, [&](std::string_view old) {
            known = Same(kind, old, value);
            return !known;
        });
        if (!known) {
            if (!list.empty())
                list.push_back(Separator);
            list.append(value);
            ++count;
        }
        return true;
    });
}

std::vector<std::string> TReachList::Split(std::string_view list)
{
    std::vector<std::string> values;
    ForEachValue(list, [&values](std::string_view value) { return values.emplace_back(value), true; });
    return values;
}

} // namespace VCard
