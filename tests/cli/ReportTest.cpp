#include "Report.h"
#include "Calendar.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

namespace {

TDate Day(int year, unsigned month, unsigned day)
{
    return static_cast<TDate>(Calendar::DayFromCivil({year, month, day}));
}

void FillExampleContacts(TAddressBook& contacts)
{
    contacts.AddItem("Anna", Day(1980, 12, 31), Day(2000, 1, 2));
    contacts.AddItem("Ben", Day(1970, 12, 30), 0);
    contacts.AddItem("Carl", 0, 0);
    contacts.AddItem("Dora", Day(1990, 1, 4), 0);
    contacts.AddItem("Eve", Day(1604, 1, 3), 0); // year unknown
}

} // namespace

TEST(Report, TsvListsTheGroupsWithTheWindowSoonestFirstAndStoredDates)
{
    TAddressBook contacts;
    FillExampleContacts(contacts);
    const TReport report = MakeReport(contacts, Day(2026, 12, 30), 5, TReportFormat::Tsv);
    EXPECT_TRUE(report.SomethingDue);
    EXPECT_EQ(report.Output, "today\tBen\tbday. 56 \t1970-12-30\n"
                             "tomorrow\tAnna\tbday. 46 \t1980-12-31\n"
                             "within\tAnna\tanniv. 27 occurs in 3 days \t2000-01-02\n"
                             "within\tEve\tbday. occurs in 4 days \t--01-03\n"
                             "within\tDora\tbday. 37 occurs in 5 days \t1990-01-04\n");
}

TEST(Report, NothingDueIsReportedAsSuchInEveryFormat)
{
    TAddressBook contacts;
    FillExampleContacts(contacts);
    const TReport tsv = MakeReport(contacts, Day(2026, 6, 15), 15, TReportFormat::Tsv);
    EXPECT_FALSE(tsv.SomethingDue);
    EXPECT_EQ(tsv.Output, "");

    // The calendar holds every date, while its status still tells of the window.
    const TReport quiet = MakeReport(contacts, Day(2026, 6, 15), 15, TReportFormat::Ics);
    EXPECT_FALSE(quiet.SomethingDue);
    EXPECT_NE(quiet.Output.find("SUMMARY:Dora \u2013 birthday (1990)"), std::string::npos);
    EXPECT_TRUE(MakeReport(contacts, Day(2026, 12, 30), 5, TReportFormat::Ics).SomethingDue);
    EXPECT_TRUE(MakeReport(contacts, Day(2026, 12, 27), 5, TReportFormat::Ics).SomethingDue); // the window only

    const TReport text = MakeReport(TAddressBook(), Day(2026, 6, 15), 15, TReportFormat::Text);
    EXPECT_FALSE(text.SomethingDue);
    EXPECT_EQ(text.Output, "-=- Events for today -=-\n-=- Events for tomorrow -=-\n-=- Events within 15 days -=-\n");
}

TEST(Report, WindowDefaultsToTheOptionsFileElseFifteenDays)
{
    const auto folder = std::filesystem::temp_directory_path() / ("nelvora-report-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    const std::string file = (folder / "Nelvora.cfg").string();

    EXPECT_EQ(DefaultForwardDays(file), FallbackForwardDays); // no file

    const unsigned char image[32] = {0, 0, 0, 0, 0x34, 0x12, 0, 0, 2, 0, 0, 0, 30, 0, 0, 0, 1};
    std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(image), sizeof image);
    EXPECT_EQ(DefaultForwardDays(file), 30);

    std::ofstream(file, std::ios::binary | std::ios::trunc).write("junk", 4); // rejected signature
    EXPECT_EQ(DefaultForwardDays(file), FallbackForwardDays);
    std::filesystem::remove_all(folder);
}
