#include "ReportArguments.h"
#include "Calendar.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TReportArguments Parse(std::vector<std::string> arguments)
{
    return ParseReportArguments(arguments);
}

TDate Day(int year, unsigned month, unsigned day)
{
    return static_cast<TDate>(Calendar::DayFromCivil({year, month, day}));
}

} // namespace

TEST(ReportArguments, NothingGivenLeavesEveryDefaultOpen)
{
    const TReportArguments arguments = Parse({});
    EXPECT_FALSE(arguments.Today);
    EXPECT_FALSE(arguments.Days);
    EXPECT_TRUE(arguments.Contacts.empty());
    EXPECT_EQ(arguments.Format, TReportFormat::Text);
    EXPECT_FALSE(arguments.Help);
}

TEST(ReportArguments, EveryOptionIsReadInSeparateAndJoinedForm)
{
    const TReportArguments arguments = Parse({"--today", "2026-06-15", "--days=366", "--contacts", "a.vcf",
                                              "--contacts=dir with blanks", "--format", "tsv"});
    EXPECT_EQ(arguments.Today, Day(2026, 6, 15));
    EXPECT_EQ(arguments.Days, 366);
    EXPECT_EQ(arguments.Contacts, (std::vector<std::string>{"a.vcf", "dir with blanks"}));
    EXPECT_EQ(arguments.Format, TReportFormat::Tsv);

    EXPECT_EQ(Parse({"--format=tsv", "--format", "text"}).Format, TReportFormat::Text);
    const TReportArguments ics = Parse({"--alarm", "7", "--format=ics", "--alarm=0", "--output", "b.ics"});
    EXPECT_EQ(ics.Format, TReportFormat::Ics);
    EXPECT_EQ(ics.AlarmDays, (std::vector<std::int32_t>{7, 0}));
    EXPECT_EQ(ics.Output, "b.ics");
    const TReportArguments folders = Parse({"--config-dir", "/etc/x", "--allow-partial", "--days", "0"});
    EXPECT_EQ(folders.ConfigDir, "/etc/x");
    EXPECT_TRUE(folders.AllowPartial);
    EXPECT_EQ(folders.Days, 0);
    EXPECT_TRUE(Parse({"--help"}).Help);
    EXPECT_TRUE(Parse({"--sources", "--contacts", "a.vcf"}).Sources);
}

TEST(ReportArguments, DatesMustBeRealCalendarDaysInIsoForm)
{
    EXPECT_EQ(ParseIsoDate("2028-02-29"), Day(2028, 2, 29));
    EXPECT_EQ(ParseIsoDate("0001-01-01"), Day(1, 1, 1));
    EXPECT_EQ(ParseIsoDate("9999-12-31"), Day(9999, 12, 31));
    for (const char* bad : {"2027-02-29", "2026-13-01", "2026-00-10", "2026-06-31", "0000-01-01", "2026-6-15",
                            "20260615", "2026-06-15x", " 2026-06-15", "2026/06/15", "", "--06-15", "+026-06-15"})
        EXPECT_FALSE(ParseIsoDate(bad)) << bad;
}

TEST(ReportArguments, DayCountsAreWholeThirtyTwoBitNumbers)
{
    EXPECT_EQ(ParseDayCount("0"), 0);
    EXPECT_EQ(ParseDayCount("-3"), -3);
    EXPECT_EQ(ParseDayCount("2147483647"), 2147483647);
    for (const char* bad : {"", "x", "15x", "1.5", " 15", "15 ", "2147483648", "0x10"})
        EXPECT_FALSE(ParseDayCount(bad)) << bad;
}

TEST(ReportArguments, BadCommandLinesAreUsageErrors)
{
    const std::vector<std::vector<std::string>> bad = {
        {"--today", "2026-02-30"},
        {"--days", "many"},
        {"--format", "csv"},
        {"--days"},
        {"--contacts"},
        {"--contacts", ""},
        {"--contacts=a\nb"},
        {"--color"},
        {"stray"},
        {"-d", "3"},
        {"--help=yes"},
        {"--sources=all"},
        {"--today="},
        {"--format", "ics", "--alarm", "-1"},
        {"--format", "ics", "--alarm", "366"},
        {"--alarm", "7"}, // only a calendar carries alarms
        {"--output="},
        {"--days", "-1"}, // a window that ends before today
        {"--days=-2147483648"},
        {"--config-dir="},
        {"--allow-partial=yes"},
    };
    for (const auto& arguments : bad)
        EXPECT_THROW(Parse(arguments), TUsageError) << arguments.front();
}

TEST(ReportArguments, AccountCommandsStandAloneAndSyncJoinsTheReport)
{
    const TReportArguments add = Parse({"--add-account", "https://dav.example.org/", "--user=alice"});
    EXPECT_EQ(add.Accounts.Add, "https://dav.example.org/");
    EXPECT_EQ(add.Accounts.User, "alice");
    EXPECT_TRUE(add.Accounts.IsCommand());
    // An e-mail address is its own user name; a server's address is not.
    EXPECT_FALSE(Parse({"--add-account", "alice@example.org"}).Accounts.User);

    const TReportArguments sync = Parse({"--sync", "--sources"});
    EXPECT_TRUE(sync.Accounts.Sync && sync.Sources);
    EXPECT_FALSE(sync.Accounts.IsCommand());
    EXPECT_TRUE(Parse({"--remove-account", "https://dav.example.org/"}).Accounts.Remove);
    EXPECT_TRUE(Parse({"--accounts"}).Accounts.List);

    // A password is never an option: whatever follows is read as the next option, not taken as one.
    for (const std::vector<std::string>& bad :
         {std::vector<std::string>{"--add-account", "https://dav.example.org/"},
          {"--user", "alice"},
          {"--add-account", "https://a/", "--user", "alice", "--accounts"},
          {"--add-account", "https://a/", "--user", "alice", "--sync"},
          {"--remove-account", "https://a/", "--format", "tsv"},
          {"--add-account", "https://a/", "--user", "alice", "--password", "s3cret"},
          {"--add-account", "https://a/", "--user", "al\nice"},
          {"--accounts=yes"},
          {"--add-account"}}) {
        EXPECT_THROW(Parse(bad), TUsageError) << bad.front() << " " << bad.size();
    }
}
