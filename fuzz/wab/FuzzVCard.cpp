// libFuzzer target for the vCard reader. Besides crashes and sanitizer reports it checks what callers rely on:
// names are valid UTF-8 without control characters, dates are real calendar days.

#include "VCardParser.h"
#include "VCardText.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    for (const auto& card : VCard::ParseVCards(bytes)) {
        Check(VCard::IsValidUtf8(card.Name));
        for (char c : card.Name)
            Check(static_cast<unsigned char>(c) >= 0x20 && c != 0x7F);
        Check(VCard::TrimSpace(card.Name).size() == card.Name.size());
        if (card.Birthday)
            Check(IsCalendarDay(*card.Birthday));
        if (card.Anniversary)
            Check(IsCalendarDay(*card.Anniversary));
    }
    if (auto date = VCard::ParseVCardDate(bytes.substr(0, 64)))
        Check(IsCalendarDay(*date));
    return 0;
}
