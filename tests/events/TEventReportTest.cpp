#include "TEventReport.h"

#include "TestDates.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Row
{
    std::string Caption;
    std::intptr_t Data;
    std::vector<std::string> SubItems;
    bool operator==(const Row&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Row& row)
{
    out << '[' << row.Caption << '|' << row.Data;
    for (const auto& s : row.SubItems)
        out << "|\"" << s << '"';
    return out << ']';
}

class FakeReportList final : public IReportList
{
public:
    void RemoveAllRows() override { Rows.clear(); }
    void AppendRow(const std::string& caption, std::intptr_t data, const std::vector<std::string>& subItems) override
    {
        Rows.push_back({caption, data, subItems});
    }
    int RowCount() const override { return static_cast<int>(Rows.size()); }

    std::vector<Row> Rows;
};

// Day/month/year, so that the date column is told apart from the ISO form.
class DmyFormat final : public IShortDateFormat
{
public:
    std::string FormatDate(const Calendar::CivilDate& d) const override
    {
        return std::to_string(d.Day) + "/" + std::to_string(d.Month) + "/" + std::to_string(d.Year);
    }
    std::string FormatDayMonth(unsigned month, unsigned day) const override
    {
        return std::to_string(day) + "/" + std::to_string(month);
    }
};

struct Report
{
    TAddressBook Book;
    TEventList Events;
    FakeReportList List;
    DmyFormat Format;

    void Fill(TDate today, std::int32_t days)
    {
        Events.CheckForwardDays = days;
        Events.Build(Book, today);
        const std::vector<TReportRow> rows = ReportRows(Events, today);
        FillEventList(List, {Events, rows, days, today, Format});
    }
};

} // namespace

TEST(FillEventList, WorkedExampleGivesTheRowsInGroupOrder)
{
    Report report;
    report.Book.AddItem("Anna", D(31, 12, 1980), D(2, 1, 2000));
    report.Book.AddItem("Ben", D(30, 12, 1970), 0);
    report.Book.AddItem("Carl", 0, 0);
    report.Book.AddItem("Dora", D(4, 1, 1990), 0);
    report.Fill(D(30, 12, 2026), 5);

    const std::vector<Row> expected = {
        {"", -1, {"-=- Events for today -=- "}},
        {"Ben", 1, {"bday. 56 ", "30/12/1970"}},
        {"", -1, {"-=- Events for tomorrow -=-"}},
        {"Anna", 0, {"bday. 46 ", "31/12/1980"}},
        {"", -1, {"-=- Events within 5 days -=-"}},
        {"Anna", 0, {"anniv. 27 occurs in 3 days ", "2/1/2000"}},
        {"Dora", 3, {"bday. 37 occurs in 5 days ", "4/1/1990"}},
    };
    EXPECT_EQ(report.List.Rows, expected);
}

TEST(FillEventList, NothingDueGivesTheThreeHeadingsOnlyAndRefillStartsOver)
{
    Report report;
    report.Book.AddItem("Nobody due", D(1, 8, 1970), 0);
    report.Fill(D(15, 6, 2026), 1);
    report.Fill(D(15, 6, 2026), 1);
    ASSERT_EQ(report.List.RowCount(), 3);
    EXPECT_EQ(report.List.Rows[2].SubItems.at(0), "-=- Events within 1 days -=-");
}

TEST(FillEventList, TodayAndTomorrowOfOneContactLandInTheirGroups)
{
    Report report;
    report.Book.AddItem("Eve", D(15, 6, 2026), D(16, 6, 1990));
    report.Book.AddItem("Fay", D(20, 6, 1990), D(19, 6, 1995));
    report.Fill(D(15, 6, 2026), 10);
    const std::vector<Row> expected = {
        {"", -1, {"-=- Events for today -=- "}},
        {"Eve", 0, {"bday. 0 ", "15/6/2026"}},
        {"", -1, {"-=- Events for tomorrow -=-"}},
        {"Eve", 0, {"anniv. 36 ", "16/6/1990"}},
        {"", -1, {"-=- Events within 10 days -=-"}},
        // Soonest first, whichever of the two dates it is.
        {"Fay", 1, {"anniv. 31 occurs in 4 days ", "19/6/1995"}},
        {"Fay", 1, {"bday. 36 occurs in 5 days ", "20/6/1990"}},
    };
    EXPECT_EQ(report.List.Rows, expected);
}

TEST(FillEventList, UnknownYearShowsNoYearsAndDayMonthOnly)
{
    Report report;
    report.Book.AddItem("Gil", D(15, 6, 1604), D(20, 6, 1604));
    report.Fill(D(15, 6, 2026), 10);
    ASSERT_EQ(report.List.RowCount(), 5);
    EXPECT_EQ(report.List.Rows[1], (Row{"Gil", 0, {"bday. ", "15/6"}}));
    EXPECT_EQ(report.List.Rows[4], (Row{"Gil", 0, {"anniv. occurs in 5 days ", "20/6"}}));

    // The placeholder year 1900 of other address books (and 31 December 1899, day 1) reads the same.
    report.Book.Clear();
    report.Book.AddItem("Ida", D(15, 6, 1900), D(31, 12, 1899));
    report.Fill(D(15, 6, 2026), 10);
    EXPECT_EQ(report.List.Rows[1], (Row{"Ida", 0, {"bday. ", "15/6"}}));
    report.Fill(D(30, 12, 2026), 10);
    EXPECT_EQ(report.List.Rows[2], (Row{"Ida", 0, {"anniv. ", "31/12"}}));
}

TEST(FillEventList, DayCountCrossesLeapDay)
{
    Report report;
    report.Book.AddItem("Hal", D(2, 3, 1980), 0);
    report.Fill(D(27, 2, 2028), 5);
    ASSERT_EQ(report.List.RowCount(), 4);
    EXPECT_EQ(report.List.Rows[3].SubItems.at(0), "bday. 48 occurs in 4 days ");
}

TEST(AddListRow, StopsAtTheFirstTextNotGiven)
{
    FakeReportList list;
    AddListRow(list, 7, "cap", "a", "b", nullptr, "d");
    AddListRow(list, 8, "cap", "a", "b", "c", "d");
    EXPECT_EQ(list.Rows[0], (Row{"cap", 7, {"a", "b"}}));
    EXPECT_EQ(list.Rows[1], (Row{"cap", 8, {"a", "b", "c", "d"}}));
}

TEST(TIsoDateFormat, WritesIsoDatesAndUnknownYears)
{
    const TIsoDateFormat iso;
    EXPECT_EQ(DateText(D(4, 1, 1990), iso), "1990-01-04");
    EXPECT_EQ(DateText(D(29, 2, 1604), iso), "--02-29");
    EXPECT_EQ(DateText(D(1, 1, 1), iso), "0001-01-01");
    EXPECT_EQ(DateText(1e300, iso), "");
}
