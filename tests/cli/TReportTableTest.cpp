#include "TReportTable.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The rows of the event-list example: today 30 December 2026, a window of 5 days.
TReportTable ExampleTable()
{
    TReportTable table;
    table.AppendRow("", HeadingRowData, {TodayHeading});
    table.AppendRow("Ben", 1, {"bday. 56 ", "1970-12-30"});
    table.AppendRow("", HeadingRowData, {TomorrowHeading});
    table.AppendRow("Anna", 0, {"bday. 46 ", "1980-12-31"});
    table.AppendRow("", HeadingRowData, {"-=- Events within 5 days -=-"});
    table.AppendRow("Anna", 0, {"anniv. 26 occurs in 3 days ", "2000-01-02"});
    table.AppendRow("Dora", 3, {"bday. 36 occurs in 5 days ", "1990-01-04"});
    return table;
}

} // namespace

TEST(TReportTable, TsvHasOneLinePerEventRowWithItsGroupAndKeepsTheTrailingBlank)
{
    EXPECT_EQ(ExampleTable().Tsv(), "today\tBen\tbday. 56 \t1970-12-30\n"
                                    "tomorrow\tAnna\tbday. 46 \t1980-12-31\n"
                                    "within\tAnna\tanniv. 26 occurs in 3 days \t2000-01-02\n"
                                    "within\tDora\tbday. 36 occurs in 5 days \t1990-01-04\n");
}

TEST(TReportTable, TextAlignsColumnsUnderTheHeadings)
{
    EXPECT_EQ(ExampleTable().Text(), "-=- Events for today -=-\n"
                                     "  Ben   bday. 56                    1970-12-30\n"
                                     "-=- Events for tomorrow -=-\n"
                                     "  Anna  bday. 46                    1980-12-31\n"
                                     "-=- Events within 5 days -=-\n"
                                     "  Anna  anniv. 26 occurs in 3 days  2000-01-02\n"
                                     "  Dora  bday. 36 occurs in 5 days   1990-01-04\n");
}

TEST(TReportTable, TextAlignsByDisplayColumnsNotBytes)
{
    TReportTable table;
    table.AppendRow("", HeadingRowData, {TodayHeading});
    table.AppendRow("Zoë", 0, {"bday. 1 ", "2025-06-15"});         // 2-byte letter, one column
    table.AppendRow("李小龍", 1, {"bday. 2 ", "2024-06-15"});      // wide: two columns each
    table.AppendRow("Zoe\xCC\x88", 2, {"bday. 3 ", "2023-06-15"}); // combining diaeresis: no column
    EXPECT_EQ(table.Text(), "-=- Events for today -=-\n"
                            "  Zoë     bday. 1  2025-06-15\n"
                            "  李小龍  bday. 2  2024-06-15\n"
                            "  Zoe\xCC\x88     bday. 3  2023-06-15\n");
}

TEST(TReportTable, NamesCannotBreakLinesColumnsOrTheTerminal)
{
    TReportTable table;
    table.AppendRow("", HeadingRowData, {TodayHeading});
    table.AppendRow("A\tB\r\nC\x1B[31mD\x7F\xC2\x9B", 0, {"bday. 1 ", "2025-06-15"});
    EXPECT_EQ(table.Tsv(), "today\tA B  C [31mD  \tbday. 1 \t2025-06-15\n");
    EXPECT_EQ(table.Rows()[1].Caption.find('\x1B'), std::string::npos);
}

TEST(TReportTable, TextShowsLineAndParagraphSeparatorsAsBlanksAndOverlongBytesAsReplacements)
{
    TReportTable table;
    table.AppendRow("", HeadingRowData, {TodayHeading});
    table.AppendRow("A\xE2\x80\xA8"
                    "B\xE2\x80\xA9"
                    "C",
                    0, {"bday. 1 ", "2025-06-15"});
    table.AppendRow("D\xE0\x82\x80", 1, {"bday. 2 ", "2024-06-15"}); // an overlong NUL
    EXPECT_EQ(table.Text(), "-=- Events for today -=-\n"
                            "  A B C  bday. 1  2025-06-15\n"
                            "  D\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD   bday. 2  2024-06-15\n");
}

TEST(TReportTable, BytesThatAreNotUtf8BecomeReplacementCharacters)
{
    EXPECT_EQ(PrintableText("caf\xE9"), "caf\xEF\xBF\xBD");
    EXPECT_EQ(PrintableText("\xC0\xAF"), "\xEF\xBF\xBD\xEF\xBF\xBD");                 // overlong '/'
    EXPECT_EQ(PrintableText("\xED\xA0\x80"), "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"); // surrogate
    EXPECT_EQ(PrintableText("\xF0\x9F\x8E\x82"), "\xF0\x9F\x8E\x82");                 // birthday cake stays
    EXPECT_EQ(PrintableText("\xE2\x82"), "\xEF\xBF\xBD\xEF\xBF\xBD");                 // cut short at the end
    EXPECT_EQ(DisplayWidth("\xF0\x9F\x8E\x82"), 2u);
}

TEST(TReportTable, HeadingsOnlyGiveHeadingsInTextAndNothingInTsv)
{
    TReportTable table;
    table.AppendRow("", HeadingRowData, {TodayHeading});
    table.AppendRow("", HeadingRowData, {TomorrowHeading});
    table.AppendRow("", HeadingRowData, {"-=- Events within 1 days -=-"});
    EXPECT_EQ(table.Tsv(), "");
    EXPECT_EQ(table.Text(), "-=- Events for today -=-\n-=- Events for tomorrow -=-\n-=- Events within 1 days -=-\n");
}
