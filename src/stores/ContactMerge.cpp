#include "ContactMerge.h"

#include "TReachList.h"
#include "Utf8.h"

#include <locale.h>
#include <wchar.h>
#include <wctype.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <string_view>
#include <unordered_map>

namespace Stores {

namespace {

using VCard::TVCard;

// The next code point of UTF-8 text; a byte that does not start a valid sequence gives U+FFFD and is skipped alone.
char32_t NextCodePoint(std::string_view text, std::size_t& i)
{
    const auto lead = static_cast<unsigned char>(text[i]);
    const std::size_t length = lead < 0x80           ? 1
                               : (lead >> 5) == 0x6  ? 2
                               : (lead >> 4) == 0xE  ? 3
                               : (lead >> 3) == 0x1E ? 4
                                                     : 0;
    char32_t code = length == 1 ? lead : length == 2 ? lead & 0x1F : length == 3 ? lead & 0x0F : lead & 0x07;
    bool valid = length != 0 && i + length <= text.size();
    for (std::size_t k = 1; valid && k < length; ++k) {
        const auto next = static_cast<unsigned char>(text[i + k]);
        valid = (next & 0xC0) == 0x80;
        code = (code << 6) | (next & 0x3F);
    }
    // Overlong forms, surrogates and values past Unicode are not characters.
    constexpr char32_t kMinimum[] = {0, 0, 0x80, 0x800, 0x10000};
    if (valid && (code < kMinimum[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)))
        valid = false;
    if (!valid) {
        ++i;
        return 0xFFFD;
    }
    i += length;
    return code;
}

// The first of LC_ALL, LC_COLLATE and LANG that is set, as the C library picks the collation.
std::string_view CollationName()
{
    for (const char* variable : {"LC_ALL", "LC_COLLATE", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value && *value)
            return value;
    }
    return "C";
}

// ASCII lowered, and '\0' for the blanks (and NUL itself), which folding treats apart.
constexpr std::array<char, 128> kAsciiFolded = [] {
    std::array<char, 128> table{};
    for (int c = 1; c < 128; ++c)
        table[c] = static_cast<char>(c >= 'A' && c <= 'Z' ? c + 0x20 : c);
    for (const char blank : {' ', '\t', '\n', '\v', '\f', '\r'})
        table[static_cast<unsigned char>(blank)] = '\0';
    return table;
}();

// The user's collation, with Unicode case mapping whatever the user's LC_CTYPE. A C or POSIX collation orders by
// code point, which byte order of UTF-8 already gives, so no sort keys are made for it.
class TCollation final
{
public:
    TCollation()
    {
        m_locale = ::newlocale(LC_ALL_MASK, "C.UTF-8", nullptr);
        if (!m_locale)
            m_locale = ::newlocale(LC_ALL_MASK, "C", nullptr);
        const std::string_view name = CollationName();
        m_codePointOrder = name == "C" || name == "POSIX" || name.starts_with("C.");
        if (m_locale && !m_codePointOrder) {
            if (locale_t user = ::newlocale(LC_COLLATE_MASK, "", m_locale))
                m_locale = user;
            else
                m_codePointOrder = true;
        }
    }
    TCollation(const TCollation&) = delete;
    TCollation& operator=(const TCollation&) = delete;
    ~TCollation()
    {
        if (m_locale)
            ::freelocale(m_locale);
    }

    // The most bytes the folded form of `name` can take: folding never makes a character longer than four bytes,
    // nor an ASCII one longer at all.
    static std::size_t FoldedBound(std::string_view name)
    {
        std::size_t bound = name.size();
        for (const char c : name)
            if (static_cast<unsigned char>(c) >= 0x80)
                bound += 3;
        return bound;
    }

    // Lower case, blanks trimmed and runs of them made one space, as UTF-8.
    std::string Folded(std::string_view name) const
    {
        std::string folded(FoldedBound(name), '\0');
        folded.resize(FoldInto(name, folded.data()));
        return folded;
    }

    // Writes the folded name at `out`, which has room for FoldedBound(name) bytes; returns how many it wrote.
    std::size_t FoldInto(std::string_view name, char* out) const
    {
        char* const begin = out;
        bool blank = false;
        for (std::size_t i = 0; i < name.size();) {
            const auto byte = static_cast<unsigned char>(name[i]);
            // Most names are ASCII words: their letters go straight through, lowered.
            if (byte < 0x80 && kAsciiFolded[byte] != '\0') {
                if (blank)
                    *out++ = ' ';
                blank = false;
                *out++ = kAsciiFolded[byte];
                ++i;
                continue;
            }
            char32_t code;
            bool space;
            if (byte < 0x80) {
                ++i;
                space = byte == ' ' || (byte >= '\t' && byte <= '\r');
                code = byte >= 'A' && byte <= 'Z' ? byte + 0x20 : byte;
            } else {
                code = NextCodePoint(name, i);
                space = m_locale && ::iswspace_l(static_cast<wint_t>(code), m_locale);
                if (m_locale)
                    code = static_cast<char32_t>(::towlower_l(static_cast<wint_t>(code), m_locale));
            }
            if (space) {
                blank = out != begin;
                continue;
            }
            if (blank)
                *out++ = ' ';
            blank = false;
            if (code < 0x80) {
                *out++ = static_cast<char>(code);
            } else {
                std::string encoded;
                AppendUtf8(encoded, code);
                for (const char c : encoded)
                    *out++ = c;
            }
        }
        return static_cast<std::size_t>(out - begin);
    }

    bool CodePointOrder() const { return m_codePointOrder; }

    // What the order compares when the order is not by code point: the folded name's collation key.
    std::string SortKey(std::string_view folded) const
    {
        std::wstring wide;
        for (std::size_t i = 0; i < folded.size();)
            wide += static_cast<wchar_t>(NextCodePoint(folded, i));
        const std::size_t size = ::wcsxfrm_l(nullptr, wide.c_str(), 0, m_locale);
        if (size == static_cast<std::size_t>(-1))
            return std::string(folded);
        std::wstring key(size + 1, L'\0');
        ::wcsxfrm_l(key.data(), wide.c_str(), key.size(), m_locale);
        // As bytes, most significant first, so that plain string order is the order of the keys.
        std::string bytes;
        bytes.reserve(size * 4);
        for (std::size_t i = 0; i < size; ++i) {
            const auto value = static_cast<std::uint32_t>(key[i]);
            for (int shift = 24; shift >= 0; shift -= 8)
                bytes += static_cast<char>((value >> shift) & 0xFF);
        }
        return bytes;
    }

private:
    locale_t m_locale = nullptr;
    bool m_codePointOrder = true;
};

bool HasYear(const TVCard& card)
{
    return card.Birthday && card.Birthday->Year != VCard::UnknownYear;
}

struct TPersonKey
{
    std::string_view Name;
    unsigned Month;
    unsigned Day;
    friend bool operator==(const TPersonKey&, const TPersonKey&) = default;
};

struct TPersonKeyHash
{
    std::size_t operator()(const TPersonKey& key) const
    {
        return std::hash<std::string_view>{}(key.Name) ^ (key.Month * 31u + key.Day) * 0x9E3779B9u;
    }
};

// The UIDs seen so far with the card that brought each first, open addressing in one block: a node of its own for
// each card would cost an allocation per card. Holds views; never grows past the size it was made for.
class TUidSet final
{
public:
    explicit TUidSet(std::size_t most)
    {
        std::size_t size = 16;
        while (size < most * 2)
            size *= 2;
        m_slots.resize(size);
    }

    // The card that brought `uid` first: `card` itself when the UID is new. `uid` is never empty.
    std::size_t Insert(std::string_view uid, std::size_t card)
    {
        const std::size_t mask = m_slots.size() - 1;
        for (std::size_t at = std::hash<std::string_view>{}(uid)&mask;; at = (at + 1) & mask) {
            TSlot& slot = m_slots[at];
            if (slot.Uid.empty()) {
                slot = {uid, card};
                return card;
            }
            if (slot.Uid == uid)
                return slot.Card;
        }
    }

private:
    struct TSlot
    {
        std::string_view Uid;
        std::size_t Card = 0;
    };
    std::vector<TSlot> m_slots;
};

// A copy of the person in `row` goes: its ways to reach them stay, behind those of the copy whose content won.
void KeepReach(TVCard& row, TVCard& copy, bool copyWins)
{
    using VCard::TReachList;
    if (copyWins) {
        row.Emails.swap(copy.Emails);
        row.Phones.swap(copy.Phones);
    }
    TReachList::Join(TReachList::TKind::Email, row.Emails, copy.Emails);
    TReachList::Join(TReachList::TKind::Phone, row.Phones, copy.Phones);
}

} // namespace

std::string FoldedName(std::string_view name)
{
    return TCollation().Folded(name);
}

void MergeContacts(std::vector<TVCard>& cards, const std::vector<std::uint32_t>& storeOf)
{
    if (cards.empty())
        return;
    const TCollation collation;
    std::vector<bool> dropped(cards.size(), false);
    // Every folded name lies in one block, sized for the longest each can be so that it never moves; a string of
    // its own for each card would cost an allocation per card.
    std::size_t bound = 0;
    for (const TVCard& card : cards)
        bound += TCollation::FoldedBound(card.Name);
    std::string foldedText(bound, '\0');
    std::size_t foldedEnd = 0;
    std::vector<std::string_view> folded(cards.size());

    // Views into the cards' own UIDs and into `folded`: neither moves until the lookups are done.
    TUidSet uids(cards.size());
    // The rule for one person in several stores needs several stores; most users have one.
    const bool severalStores =
        !storeOf.empty() && std::any_of(storeOf.begin(), storeOf.end(), [&](auto s) { return s != storeOf.front(); });
    std::unordered_map<TPersonKey, std::size_t, TPersonKeyHash> people;
    if (severalStores)
        people.reserve(cards.size());
    // The row each card's person is listed in: the card itself, or the one it was merged into.
    std::vector<std::size_t> rowOf(cards.size());
    for (std::size_t i = 0; i < cards.size(); ++i) {
        TVCard& card = cards[i];
        rowOf[i] = i;
        if (!card.Uid.empty()) {
            if (const std::size_t first = uids.Insert(card.Uid, i); first != i) {
                dropped[i] = true;
                rowOf[i] = rowOf[first];
                KeepReach(cards[rowOf[i]], card, false);
                continue;
            }
        }
        const std::size_t length = collation.FoldInto(card.Name, foldedText.data() + foldedEnd);
        folded[i] = std::string_view(foldedText).substr(foldedEnd, length);
        foldedEnd += length;
        // A person who asked for no reminders is left out, and so are the copies of them that come later (their
        // UID is taken above; the same person in another store meets them below).
        if (card.NoReminders)
            dropped[i] = true;
        if (!severalStores || card.IsGroup || !card.Birthday || folded[i].empty())
            continue;
        const auto [it, added] = people.try_emplace({folded[i], card.Birthday->Month, card.Birthday->Day}, i);
        const std::size_t kept = it->second;
        // Inside one store two such cards stay two rows, as they always have.
        if (added || i >= storeOf.size() || kept >= storeOf.size() || storeOf[kept] == storeOf[i])
            continue;
        dropped[i] = true;
        rowOf[i] = kept;
        if (card.NoReminders)
            dropped[kept] = true;
        TVCard& row = cards[kept];
        KeepReach(row, card, HasYear(card) && !HasYear(row));
        if (HasYear(card) && !HasYear(row)) {
            // The row keeps its place and its UID; its content comes from the card that knows the year.
            row.Name.swap(card.Name);
            row.Birthday = card.Birthday;
            if (card.Anniversary)
                row.Anniversary = card.Anniversary;
        } else if (!row.Anniversary) {
            row.Anniversary = card.Anniversary;
        }
    }
    people = {};
    uids = TUidSet(0);
    rowOf = {};

    // Dropped cards go, the rest keep reading order; then the order by name is applied in place, so that no
    // second list of every card is made.
    std::size_t kept = 0;
    for (std::size_t i = 0; i < cards.size(); ++i) {
        if (dropped[i])
            continue;
        if (i != kept) {
            cards[kept] = std::move(cards[i]);
            folded[kept] = folded[i];
        }
        ++kept;
    }
    cards.resize(kept);
    folded.resize(kept);
    // In code-point order the folded names are their own keys.
    std::vector<std::string> keys;
    if (!collation.CodePointOrder()) {
        keys.reserve(kept);
        for (std::size_t i = 0; i < kept; ++i) {
            keys.push_back(collation.SortKey(folded[i]));
            folded[i] = keys.back();
        }
    }
    std::vector<std::size_t> order(kept);
    for (std::size_t i = 0; i < kept; ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(),
                     [&folded](std::size_t a, std::size_t b) { return folded[a] < folded[b]; });
    // Row i takes the card at order[i]: follow each cycle of the permutation once.
    for (std::size_t start = 0; start < kept; ++start) {
        if (order[start] == start)
            continue;
        TVCard held = std::move(cards[start]);
        std::size_t at = start;
        while (order[at] != start) {
            const std::size_t from = order[at];
            cards[at] = std::move(cards[from]);
            order[at] = at;
            at = from;
        }
        cards[at] = std::move(held);
        order[at] = at;
    }
}

} // namespace Stores
