#include "VCardParser.h"

#include <gtest/gtest.h>

namespace {

using namespace VCard;

std::optional<TVCardDate> Date(int year, int month, int day)
{
    return TVCardDate{static_cast<std::int16_t>(year), static_cast<std::uint8_t>(month),
                      static_cast<std::uint8_t>(day)};
}

TEST(VCardDate, BasicAndExtendedFormsWithAndWithoutYear)
{
    EXPECT_EQ(ParseVCardDate("1980-03-22"), Date(1980, 3, 22));
    EXPECT_EQ(ParseVCardDate("19800322"), Date(1980, 3, 22));
    EXPECT_EQ(ParseVCardDate("--0415"), Date(UnknownYear, 4, 15));
    EXPECT_EQ(ParseVCardDate("--04-15"), Date(UnknownYear, 4, 15));
    EXPECT_EQ(ParseVCardDate(" 1901-01-01 "), Date(1901, 1, 1));
}

TEST(VCardDate, TimeAndZoneAreDroppedNotApplied)
{
    EXPECT_EQ(ParseVCardDate("19531015T231000Z"), Date(1953, 10, 15));
    EXPECT_EQ(ParseVCardDate("1985-01-28T00:00:00Z"), Date(1985, 1, 28));
    EXPECT_EQ(ParseVCardDate("19730928T000000+0100"), Date(1973, 9, 28));
    EXPECT_EQ(ParseVCardDate("--0415T102200"), Date(UnknownYear, 4, 15));
}

TEST(VCardDate, YearlessPlaceholdersBecomeTheUnknownYear)
{
    EXPECT_EQ(ParseVCardDate("1604-02-29"), Date(UnknownYear, 2, 29));
    EXPECT_EQ(ParseVCardDate("0000-07-19"), Date(UnknownYear, 7, 19));
    EXPECT_EQ(ParseVCardDate("00719"), Date(UnknownYear, 7, 19));
    EXPECT_EQ(ParseVCardDate("--0229"), Date(UnknownYear, 2, 29));
    // khard and several phones write a year-less date with the year 1900; no earlier year is a real birth year.
    EXPECT_EQ(ParseVCardDate("1900-07-19"), Date(UnknownYear, 7, 19));
    EXPECT_EQ(ParseVCardDate("1000-01-01"), Date(UnknownYear, 1, 1));
    EXPECT_EQ(ParseVCardDate("1900-02-29"), Date(UnknownYear, 2, 29));
}

TEST(VCardDate, InvalidOrIncompleteDatesAreNoDate)
{
    for (std::string_view text : {"", "19723101", "2023-02-29", "1901-02-29", "2024-13-01", "2024-00-10", "2024-04-31",
                                  "1980", "1980-03", "---15", "--13-01", "T102200", "198O-03-22", "1980/03/22",
                                  "20240101000", "12345", "circa 1800", "--04", "+1980-03-22"})
        EXPECT_FALSE(ParseVCardDate(text)) << text;
    EXPECT_EQ(ParseVCardDate("2000-02-29"), Date(2000, 2, 29));
}

} // namespace
