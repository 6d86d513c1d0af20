#include "TLocaleDateFormat.h"

#include <gtest/gtest.h>

namespace {

TLocaleDateFormat FormatFor(const char* name)
{
    return TLocaleDateFormat(QLocale(QString::fromLatin1(name)));
}

} // namespace

TEST(TLocaleDateFormatTest, TwoDigitYearIsWidenedToFour)
{
    EXPECT_EQ(TLocaleDateFormat::WidenYear("M/d/yy"), "M/d/yyyy");
    EXPECT_EQ(TLocaleDateFormat::WidenYear("dd.MM.yy"), "dd.MM.yyyy");
    EXPECT_EQ(TLocaleDateFormat::WidenYear("yyy-MM-dd"), "yyyy-MM-dd");
    EXPECT_EQ(TLocaleDateFormat::WidenYear("yyyy-MM-dd"), "yyyy-MM-dd");
}

TEST(TLocaleDateFormatTest, QuotedTextAndLoneYLetterAreLeftAlone)
{
    EXPECT_EQ(TLocaleDateFormat::WidenYear("d 'yy' M yy"), "d 'yy' M yyyy");
    EXPECT_EQ(TLocaleDateFormat::WidenYear("d 'it''s yy' M yy"), "d 'it''s yy' M yyyy");
    EXPECT_EQ(TLocaleDateFormat::WidenYear("y.M.d"), "y.M.d");
    EXPECT_EQ(TLocaleDateFormat::WidenYear("d.M.'yy"), "d.M.'yy");
}

TEST(TLocaleDateFormatTest, DayMonthFormDropsTheYearWithItsSeparator)
{
    EXPECT_EQ(TLocaleDateFormat::WithoutYear("M/d/yyyy"), "M/d");
    EXPECT_EQ(TLocaleDateFormat::WithoutYear("dd.MM.yyyy"), "dd.MM");
    EXPECT_EQ(TLocaleDateFormat::WithoutYear("yyyy-MM-dd"), "MM-dd");
    EXPECT_EQ(TLocaleDateFormat::WithoutYear("yyyy. M. d."), "M. d.");
    EXPECT_EQ(TLocaleDateFormat::WithoutYear("d.MM.yyyy 'r.'"), "d.MM");
    EXPECT_EQ(TLocaleDateFormat::WithoutYear("d MMM yyyy"), "d MMM");
    EXPECT_EQ(TLocaleDateFormat::WithoutYear("d 'yy' MM"), "d 'yy' MM");
}

TEST(TLocaleDateFormatTest, PatternOfOnlyAYearFallsBackToMonthAndDay)
{
    EXPECT_EQ(TLocaleDateFormat::WithoutYear("yyyy"), "MM-dd");
    EXPECT_EQ(TLocaleDateFormat::WithoutYear(""), "MM-dd");
}

TEST(TLocaleDateFormatTest, LocalesWithATwoDigitYearPrintTheWholeYear)
{
    EXPECT_EQ(FormatFor("en_US").FormatDate({1975, 3, 7}), "3/7/1975");
    EXPECT_EQ(FormatFor("de_DE").FormatDate({1975, 3, 7}), "07.03.1975");
    // 1604 is the address books' "year unknown"; two digits would make it look like 2004.
    EXPECT_EQ(FormatFor("en_US").FormatDate({1604, 12, 24}), "12/24/1604");
}

TEST(TLocaleDateFormatTest, DayMonthFormFollowsTheLocale)
{
    EXPECT_EQ(FormatFor("en_US").FormatDayMonth(3, 7), "3/7");
    EXPECT_EQ(FormatFor("de_DE").FormatDayMonth(3, 7), "07.03");
    EXPECT_EQ(FormatFor("sv_SE").FormatDayMonth(3, 7), "03-07");
    EXPECT_EQ(FormatFor("de_DE").FormatDayMonth(2, 29), "29.02");
}

TEST(TLocaleDateFormatTest, ImpossibleDatesGetAPlainTextInsteadOfNothing)
{
    const TLocaleDateFormat format = FormatFor("de_DE");
    EXPECT_EQ(format.FormatDayMonth(13, 1), "--13-01");
    EXPECT_EQ(format.FormatDayMonth(0, 0), "--00-00");
    EXPECT_EQ(format.FormatDate({1975, 2, 30}), "1975-02-30");
}
