// libFuzzer target for the vCard reader. Besides crashes and sanitizer reports it checks what callers rely on:
// names, e-mail addresses and phone numbers are valid UTF-8 without control characters, addresses and numbers stay
// within their limits, dates are real calendar days, and a text read in parts (as files are) gives exactly the
// cards of the whole text.

#include "TReachList.h"
#include "VCardParser.h"
#include "VCardText.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace {

bool IsCalendarDay(const VCard::TVCardDate& date)
{
    static constexpr int kDays[12] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (date.Year < 1 || date.Year > 9999 || date.Month < 1 || date.Month > 12 || date.Day < 1)
        return false;
    const bool leap = (date.Year % 4 == 0 && date.Year % 100 != 0) || date.Year % 400 == 0;
    const int days = (date.Month == 2 && !leap) ? 28 : kDays[date.Month - 1];
    return date.Day <= days;
}

void Check(bool condition)
{
    if (!condition)
        __builtin_trap();
}

bool SameCard(const VCard::TVCard& a, const VCard::TVCard& b)
{
    return a.Name == b.Name && a.Birthday == b.Birthday && a.Anniversary == b.Anniversary && a.Uid == b.Uid &&
           a.IsGroup == b.IsGroup && a.Emails == b.Emails && a.Phones == b.Phones;
}

bool HasNoControls(std::string_view text)
{
    for (char c : text)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            return false;
    return true;
}

// Each value once: no two of them reach the same place. No value is empty, so the separators split the text
// into exactly its values.
void CheckReach(const std::string& list, VCard::TReachList::TKind kind, std::size_t longest)
{
    const std::vector<std::string> values = VCard::TReachList::Split(list);
    std::string joined;
    for (const auto& value : values)
        joined.append(joined.empty() ? "" : "\n").append(value);
    Check(joined == list);
    Check(values.size() <= VCard::TReachList::MaxValues);
    for (std::size_t i = 0; i < values.size(); ++i) {
        const std::string& value = values[i];
        Check(!value.empty() && value.size() <= longest);
        Check(VCard::IsValidUtf8(value) && HasNoControls(value));
        Check(VCard::TrimSpace(value).size() == value.size());
        for (std::size_t j = 0; j < i; ++j)
            Check(!VCard::TReachList::Same(kind, values[j], value));
    }
}

// Feeds the text to the reader in parts of `partSize` bytes, handing back what it did not take yet.
std::vector<VCard::TVCard> ParseInParts(std::string_view bytes, std::size_t partSize)
{
    std::vector<VCard::TVCard> cards;
    VCard::TVCardStream stream(cards);
    std::string held;
    for (std::size_t at = 0; at < bytes.size(); at += partSize) {
        held.append(bytes.substr(at, partSize));
        held.erase(0, stream.Append(held, false));
    }
    stream.Append(held, true);
    return cards;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::vector<VCard::TVCard> whole = VCard::ParseVCards(bytes);
    for (const auto& card : whole) {
        Check(VCard::IsValidUtf8(card.Name));
        for (char c : card.Name)
            Check(static_cast<unsigned char>(c) >= 0x20 && c != 0x7F);
        Check(VCard::TrimSpace(card.Name).size() == card.Name.size());
        if (card.Birthday)
            Check(IsCalendarDay(*card.Birthday));
        if (card.Anniversary)
            Check(IsCalendarDay(*card.Anniversary));
        CheckReach(card.Emails, VCard::TReachList::TKind::Email, VCard::TReachList::MaxEmailBytes);
        CheckReach(card.Phones, VCard::TReachList::TKind::Phone, VCard::TReachList::MaxPhoneBytes);
    }
    if (size > 0) {
        // Every part hands the reader back what it held, so tiny parts of a large input cost its square: inputs
        // up to kSmall bytes take any part size, larger ones come in at most kMostParts parts, which still split
        // lines and cards.
        constexpr std::size_t kSmall = 2048;
        constexpr std::size_t kMostParts = 4;
        const std::size_t partSize =
            std::max<std::size_t>(1 + data[0] % 97, size <= kSmall ? 0 : (size + kMostParts - 1) / kMostParts);
        const std::vector<VCard::TVCard> parts = ParseInParts(bytes, partSize);
        Check(parts.size() == whole.size());
        for (std::size_t i = 0; i < whole.size(); ++i)
            Check(SameCard(parts[i], whole[i]));
    }
    {
        // One reader over separate texts (database rows) reads each as if it were alone.
        std::vector<VCard::TVCard> rows;
        VCard::TVCardTexts texts(rows);
        const std::size_t half = size / 2;
        texts.Read(bytes.substr(0, half));
        const std::size_t first = rows.size();
        texts.Read(bytes.substr(half));
        const std::vector<VCard::TVCard> front = VCard::ParseVCards(bytes.substr(0, half));
        const std::vector<VCard::TVCard> back = VCard::ParseVCards(bytes.substr(half));
        Check(first == front.size() && rows.size() == front.size() + back.size());
        for (std::size_t i = 0; i < rows.size(); ++i)
            Check(SameCard(rows[i], i < first ? front[i] : back[i - first]));
    }
    if (auto date = VCard::ParseVCardDate(bytes.substr(0, 64)))
        Check(IsCalendarDay(*date));
    return 0;
}
