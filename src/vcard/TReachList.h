#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace VCard {

// The e-mail addresses or the phone numbers of one contact while they are collected, the most preferred first.
// Every value that gets in is fit to pass on as it is: valid UTF-8 without control characters (so that a line
// break can separate values wherever they travel), trimmed, within its length limit, no repeat of one already
// there. The list is bounded, so that a hostile card cannot grow a contact without end.
class TReachList final
{
public:
    enum class TKind : std::uint8_t {
        Email,
        Phone,
    };

    static constexpr std::size_t MaxValues = 32;
    // The longest address a mail server accepts; a longer one cut short would reach someone else.
    static constexpr std::size_t MaxEmailBytes = 254;
    // Room for an international number with an extension and its punctuation.
    static constexpr std::size_t MaxPhoneBytes = 64;
    // The rank of a value nothing marks as preferred; marked values rank from 1 (most preferred) up to 100.
    static constexpr int Unranked = 101;

    explicit TReachList(TKind kind) : m_kind(kind) {}

    // Takes `value` (any bytes; not UTF-8 is read as Windows-1252) with its rank: lower ranks come first, equal
    // ranks in the order they came. A repeat of a value already there leaves one, at the better rank. An
    // unusable value (empty, too long, a phone number without a digit) is left out.
    void Add(std::string_view value, int rank = Unranked);
    // The values, the most preferred first; the list is empty afterwards.
    std::vector<std::string> Take();
    bool Empty() const { return m_values.empty(); }

    // Whether two cleaned values reach the same place: e-mail addresses compared ignoring ASCII case, phone
    // numbers by their digits and letters (an extension) and a leading '+', punctuation and blanks aside.
    static bool Same(TKind kind, std::string_view a, std::string_view b);
    // Adds the values of `more` that `list` does not have yet behind those of `list`, up to MaxValues. Both hold
    // values as Take gives them.
    static void Join(TKind kind, std::vector<std::string>& list, const std::vector<std::string>& more);

private:
    TKind m_kind;
    std::vector<std::string> m_values;
    std::vector<int> m_ranks; // beside m_values, never decreasing
    std::string m_cleaned;
};

} // namespace VCard
