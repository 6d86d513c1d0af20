#include "TReportRows.h"

#include "TestDates.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// In the namespace of the row, where the test framework looks for it.
static std::ostream& operator<<(std::ostream& out, const TReportRow& row)
{
    return out << "{group " << int(row.Group) << ", #" << row.Index
               << (row.Kind == TEventKind::Birthday ? " birthday" : " anniversary") << ", day " << row.Occurrence
               << ", in " << row.Days << ", " << row.Years << (row.YearKnown ? " years}" : " years, year unknown}");
}

namespace {

std::vector<TReportRow> RowsOf(const TAddressBook& book, TDate today, std::int32_t days)
{
    TEventList events;
    events.CheckForwardDays = days;
    events.Build(book, today);
    return ReportRows(events, today);
}

constexpr TEventKind Bday = TEventKind::Birthday;
constexpr TEventKind Anniv = TEventKind::Anniversary;

} // namespace

TEST(ReportRows, GroupsComeInListOrderAndTheWindowSoonestFirst)
{
    const TDate today = D(15, 6, 2026);
    TAddressBook book;
    book.AddItem("Ada", D(25, 6, 1990), D(18, 6, 2000)); // both in the window, the anniversary first
    book.AddItem("Ben", D(20, 6, 1980), 0);
    book.AddItem("Cy", D(16, 6, 1604), D(15, 6, 2025));  // year unknown tomorrow; married a year today
    book.AddItem("Dee", D(15, 6, 1970), D(15, 6, 1995)); // both today: birthday before anniversary
    book.AddItem("Eve", D(17, 6, 1999), D(1, 8, 2001));  // the window's first day; the anniversary beyond it

    const std::vector<TReportRow> expected = {
        {dueToday, 2, Anniv, D(15, 6, 2025), static_cast<std::int64_t>(today), 0, 1, true},
        {dueToday, 3, Bday, D(15, 6, 1970), static_cast<std::int64_t>(today), 0, 56, true},
        {dueToday, 3, Anniv, D(15, 6, 1995), static_cast<std::int64_t>(today), 0, 31, true},
        {dueTomorrow, 2, Bday, D(16, 6, 1604), static_cast<std::int64_t>(D(16, 6, 2026)), 1, 422, false},
        {dueWithin, 4, Bday, D(17, 6, 1999), static_cast<std::int64_t>(D(17, 6, 2026)), 2, 27, true},
        {dueWithin, 0, Anniv, D(18, 6, 2000), static_cast<std::int64_t>(D(18, 6, 2026)), 3, 26, true},
        {dueWithin, 1, Bday, D(20, 6, 1980), static_cast<std::int64_t>(D(20, 6, 2026)), 5, 46, true},
        {dueWithin, 0, Bday, D(25, 6, 1990), static_cast<std::int64_t>(D(25, 6, 2026)), 10, 36, true},
    };
    EXPECT_EQ(RowsOf(book, today, 10), expected);
}

TEST(ReportRows, RowsOfOneDayKeepListOrderHoweverManyThereAre)
{
    // Enough rows that an unstable sort would shuffle the equal ones.
    TAddressBook book;
    for (int i = 0; i < 40; ++i) {
        const TDate birthday = i % 3 == 0 ? D(20, 6, 1980) : D(18, 6, 1980);
        // Appended rather than "P" + ...: GCC 12 at -O3 warns falsely (-Wrestrict) about a literal joined to a
        // temporary.
        std::string name = "P";
        name += std::to_string(100 + i);
        book.AddItem(name, birthday, i % 5 == 0 ? D(18, 6, 2010) : 0);
    }
    const std::vector<TReportRow> rows = RowsOf(book, D(15, 6, 2026), 10);

    std::vector<std::pair<std::int32_t, TEventKind>> expected;
    for (const int days : {3, 5})
        for (int i = 0; i < 40; ++i) {
            if ((i % 3 == 0 ? 5 : 3) == days)
                expected.emplace_back(i, Bday);
            if (days == 3 && i % 5 == 0)
                expected.emplace_back(i, Anniv);
        }
    std::vector<std::pair<std::int32_t, TEventKind>> got;
    for (const TReportRow& row : rows)
        got.emplace_back(row.Index, row.Kind);
    EXPECT_EQ(got, expected);
}

TEST(ReportRows, AListBuiltForAnotherDayGivesNoRowsItCannotCount)
{
    TAddressBook book;
    book.AddItem("Ida", D(15, 6, 1970), D(20, 6, 1990));
    TEventList events;
    events.CheckForwardDays = 10;
    events.Build(book, D(15, 6, 2026));

    EXPECT_EQ(ReportRows(events, D(15, 6, 2026)).size(), 2u);
    // A day later the birthday has passed and only the anniversary, now one day nearer, is still what the list says.
    const std::vector<TReportRow> later = ReportRows(events, D(16, 6, 2026));
    ASSERT_EQ(later.size(), 1u);
    EXPECT_EQ(later[0].Days, 4);
}
