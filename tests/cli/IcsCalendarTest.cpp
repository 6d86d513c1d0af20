#include "IcsCalendar.h"
#include "Calendar.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

TDate Day(int year, unsigned month, unsigned day)
{
    return static_cast<TDate>(Calendar::DayFromCivil({year, month, day}));
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t end = text.find("\r\n", at);
        lines.push_back(text.substr(at, end - at));
        at = end + 2;
    }
    return lines;
}

} // namespace

TEST(IcsCalendar, TextIsEscapedAndMadeValidUtf8)
{
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"a;b,c\\d", "a\\;b\\,c\\\\d"},
        {"Smith, Ann", "Smith\\, Ann"}, // a comma alone still needs its escape
        {"one\r\ntwo\nthree\rfour", "one\\ntwo\\nthree\\nfour"},
        {"bell\x01tab\t", "bell tab "},
        {"bad \xff byte", "bad \xEF\xBF\xBD byte"},
    };
    for (const auto& [text, escaped] : cases)
        EXPECT_EQ(IcsText(text), escaped) << text;

    TAddressBook contacts;
    contacts.AddItem("Smith, Ann", Day(1990, 5, 1), 0);
    EXPECT_NE(IcsCalendar(contacts, {}).find("\r\nSUMMARY:Smith\\, Ann \u2013 birthday (1990)\r\n"), std::string::npos);
}

TEST(IcsCalendar, LongLinesFoldBetweenCharactersAndUnfoldToThemselves)
{
    std::string line = "SUMMARY:";
    for (int i = 0; i < 100; ++i)
        line += "\u20ac";
    std::string out;
    AppendIcsLine(out, line);

    std::string unfolded;
    for (const std::string& piece : Lines(out)) {
        EXPECT_LE(piece.size(), 75u);
        const std::string text = unfolded.empty() ? piece : piece.substr(1);
        ASSERT_FALSE(text.empty());
        EXPECT_NE(static_cast<unsigned char>(text[0]) & 0xC0, 0x80) << "a character cut in two";
        unfolded += text;
    }
    EXPECT_EQ(unfolded, line);
}

TEST(IcsCalendar, FoldingMovesOnThroughBytesThatAreNotUtf8)
{
    // No character starts anywhere in reach of a fold: the folder must still cut, not stand still.
    const std::string line = "X-TEST:" + std::string(300, '\x80');
    std::string out;
    AppendIcsLine(out, line);

    std::string unfolded;
    for (const std::string& piece : Lines(out)) {
        EXPECT_LE(piece.size(), 75u);
        unfolded += unfolded.empty() ? piece : piece.substr(1);
    }
    EXPECT_EQ(unfolded, line);
}

TEST(IcsCalendar, EventsAreKnownByTheirContentWhateverTheOrderOfTheContacts)
{
    TAddressBook first;
    first.AddItem("Ann", Day(1990, 5, 1), 0);
    first.AddItem("Ann", Day(1990, 5, 1), 0); // the same person twice, without UIDs
    first.AddItem("Bea", Day(1604, 2, 29), 0, "bea@example.org");
    TAddressBook second;
    second.AddItem("Bea", Day(1604, 2, 29), 0, "bea@example.org");
    second.AddItem("Ann", Day(1990, 5, 1), 0);

    const std::string calendar = IcsCalendar(first, {});
    EXPECT_EQ(calendar, IcsCalendar(second, {}));
    const auto lines = Lines(calendar);
    const auto count = [&](const std::string& text) { return std::count(lines.begin(), lines.end(), text); };
    // Ann once, and Bea's birthday without a year in a leap year.
    EXPECT_EQ(count("BEGIN:VEVENT"), 2);
    EXPECT_EQ(count("UID:bea@example.org-birthday"), 1);
    EXPECT_EQ(count("DTSTART;VALUE=DATE:19720229"), 1);
    EXPECT_EQ(count("SUMMARY:Bea \u2013 birthday"), 1);
    EXPECT_EQ(count("SUMMARY:Ann \u2013 birthday (1990)"), 1);
}
