#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace VCard {

// The e-mail addresses or the phone numbers of one contact while they are collected, the most preferred first.
// Every value that gets in is fit to pass on as it is: valid UTF-8 without control characters, trimmed, within its
// length limit, no repeat of one already there. The list is bounded, so that a hostile card cannot grow a contact
// without end. What it gives is one text, the values separated by Separator, which no value holds: a contact
// keeps one string for all its addresses instead of a string for each, and the address book hands them on in that
// form.
class TReachList final
{
public:
    enum class TKind : std::uint8_t {
        Email,
        Phone,
    };

    static constexpr char Separator = '\n';
    static constexpr std::size_t MaxValues = 32;
    // The longest address a mail server accepts; a longer one cut short would reach someone else.
    static constexpr std::size_t MaxEmailBytes = 254;
    // Room for an international number with an extension and its punctuation.
    static constexpr std::size_t MaxPhoneBytes = 64;
    // The rank of a value nothing marks as preferred; marked values rank from 1 (most preferred) up to 100.
    static constexpr int Unranked = 101;

    explicit TReachList(TKind kind) : m_kind(kind) {}

    // Takes `value` (UTF-8) with its rank: lower ranks come first, equal ranks in the order they came. A repeat of a
    // value already there leaves one, at the better rank. An unusable value (empty, too long, a phone number
    // without a digit) is left out.
    void Add(std::string_view value, int rank = Unranked);
    // The values, the most preferred first, separated by Separator; the list is empty afterwards.
    std::string Take();

    // Whether two cleaned values reach the same place: e-mail addresses compared ignoring ASCII case, phone
    // numbers by their digits and letters (an extension) and a leading '+', punctuation and blanks aside.
    static bool Same(TKind kind, std::string_view a, std::string_view b);
    // Adds the values of `more` that `list` does not have yet behind those of `list`, up to MaxValues. Both are
    // texts as Take gives them.
    static void Join(TKind kind, std::string& list, std::string_view more);
    // The values of a text as Take gives it.
    static std::vector<std::string> Split(std::string_view list);

private:
    struct TEntry
    {
        int Rank;
        std::uint32_t Offset; // into m_text
        std::uint32_t Length;
    };
    std::string_view ValueOf(const TEntry& entry) const
    {
        return std::string_view(m_text).substr(entry.Offset, entry.Length);
    }

    TKind m_kind;
    // Kept from card to card, so that collecting needs no allocation once they are large enough.
    std::vector<TEntry> m_entries; // ranks never decreasing
    std::string m_text;
    std::string m_cleaned;
};

} // namespace VCard
