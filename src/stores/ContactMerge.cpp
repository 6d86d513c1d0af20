#include "ContactMerge.h"

#include <locale.h>
#include <wchar.h>
#include <wctype.h>

#include <algorithm>
#include <numeric>
#include <unordered_map>
#include <unordered_set>

namespace Stores {

namespace {

using VCard::TVCard;

// Decodes UTF-8 to code points; a byte that does not belong to a valid sequence becomes U+FFFD.
std::wstring Decoded(std::string_view text)
{
    std::wstring out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = lead < 0x80           ? 1
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
            out += static_cast<wchar_t>(0xFFFD);
            ++i;
            continue;
        }
        out += static_cast<wchar_t>(code);
        i += length;
    }
    return out;
}

// A locale_t that frees itself.
class TLocale final
{
public:
    TLocale()
    {
        // Case mapping follows Unicode whatever the user's LC_CTYPE; the order is the user's LC_COLLATE.
        m_locale = ::newlocale(LC_ALL_MASK, "C.UTF-8", nullptr);
        if (!m_locale)
            m_locale = ::newlocale(LC_ALL_MASK, "C", nullptr);
        if (m_locale) {
            if (locale_t user = ::newlocale(LC_COLLATE_MASK, "", m_locale))
                m_locale = user;
        }
    }
    TLocale(const TLocale&) = delete;
    TLocale& operator=(const TLocale&) = delete;
    ~TLocale()
    {
        if (m_locale)
            ::freelocale(m_locale);
    }
    locale_t Get() const { return m_locale; }

private:
    locale_t m_locale = nullptr;
};

std::wstring Folded(std::string_view name, locale_t locale)
{
    std::wstring folded;
    bool blank = false;
    for (const wchar_t c : Decoded(name)) {
        if (locale ? ::iswspace_l(static_cast<wint_t>(c), locale) : ::iswspace(static_cast<wint_t>(c))) {
            blank = !folded.empty();
            continue;
        }
        if (blank)
            folded += L' ';
        blank = false;
        folded += static_cast<wchar_t>(locale ? ::towlower_l(static_cast<wint_t>(c), locale)
                                              : ::towlower(static_cast<wint_t>(c)));
    }
    return folded;
}

std::wstring SortKey(const std::wstring& folded, locale_t locale)
{
    if (!locale)
        return folded;
    const std::size_t size = ::wcsxfrm_l(nullptr, folded.c_str(), 0, locale);
    if (size == static_cast<std::size_t>(-1))
        return folded;
    std::wstring key(size + 1, L'\0');
    ::wcsxfrm_l(key.data(), folded.c_str(), key.size(), locale);
    key.resize(size);
    return key;
}

bool HasYear(const TVCard& card)
{
    return card.Birthday && card.Birthday->Year != VCard::UnknownYear;
}

struct TPersonKey
{
    std::wstring Name;
    unsigned Month;
    unsigned Day;
    friend bool operator==(const TPersonKey&, const TPersonKey&) = default;
};

struct TPersonKeyHash
{
    std::size_t operator()(const TPersonKey& key) const
    {
        return std::hash<std::wstring>{}(key.Name) ^ (key.Month * 31u + key.Day) * 0x9E3779B9u;
    }
};

} // namespace

std::wstring FoldedName(std::string_view name)
{
    const TLocale locale;
    return Folded(name, locale.Get());
}

void MergeContacts(std::vector<TVCard>& cards, const std::vector<std::uint32_t>& storeOf)
{
    if (cards.empty())
        return;
    const TLocale locale;
    std::vector<bool> dropped(cards.size(), false);
    std::vector<std::wstring> folded(cards.size());

    std::unordered_set<std::string> uids;
    std::unordered_map<TPersonKey, std::size_t, TPersonKeyHash> people;
    for (std::size_t i = 0; i < cards.size(); ++i) {
        TVCard& card = cards[i];
        if (!card.Uid.empty() && !uids.insert(card.Uid).second) {
            dropped[i] = true;
            continue;
        }
        folded[i] = Folded(card.Name, locale.Get());
        if (card.IsGroup || !card.Birthday || folded[i].empty())
            continue;
        const auto [it, added] = people.try_emplace({folded[i], card.Birthday->Month, card.Birthday->Day}, i);
        const std::size_t kept = it->second;
        // Inside one store two such cards stay two rows, as they always have.
        if (added || i >= storeOf.size() || kept >= storeOf.size() || storeOf[kept] == storeOf[i])
            continue;
        dropped[i] = true;
        if (HasYear(card) && !HasYear(cards[kept])) {
            // The row keeps its place; its content comes from the card that knows the year.
            if (!card.Anniversary)
                card.Anniversary = cards[kept].Anniversary;
            cards[kept] = std::move(card);
        } else if (!cards[kept].Anniversary) {
            cards[kept].Anniversary = card.Anniversary;
        }
    }
    std::unordered_set<std::string>().swap(uids);

    std::vector<std::size_t> order;
    order.reserve(cards.size());
    for (std::size_t i = 0; i < cards.size(); ++i)
        if (!dropped[i])
            order.push_back(i);
    std::vector<std::wstring> keys(cards.size());
    for (const std::size_t i : order)
        keys[i] = SortKey(folded[i], locale.Get());
    std::stable_sort(order.begin(), order.end(), [&keys](std::size_t a, std::size_t b) { return keys[a] < keys[b]; });

    std::vector<TVCard> merged;
    merged.reserve(order.size());
    for (const std::size_t i : order)
        merged.push_back(std::move(cards[i]));
    cards = std::move(merged);
}

} // namespace Stores
