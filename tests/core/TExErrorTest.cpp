#include "TExError.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

TEST(TExError, NewRecordIsEmptyWithIdMinusOne)
{
    const TExError error;
    EXPECT_EQ(error.Id, -1);
    for (const char* field : {error.Log, error.ClassName, error.MethodName, error.Message})
        EXPECT_STREQ(field, "");
    // Every byte zero, not only the first.
    const char zeros[TExError::LogSize] = {};
    EXPECT_EQ(std::memcmp(error.Log, zeros, sizeof zeros), 0);
}

TEST(TExError, OneEntryGivesOneLineEndingInLineFeed)
{
    TExError error;
    error.AddEntry(0, "TGenList", "ctor", "Can't allocate memory!");
    EXPECT_STREQ(error.Log, "TGenList:ctor - Can't allocate memory! [id:0]\n");
    EXPECT_EQ(error.Id, 0);
    EXPECT_STREQ(error.ClassName, "TGenList");
    EXPECT_STREQ(error.MethodName, "ctor");
    EXPECT_STREQ(error.Message, "Can't allocate memory!");
}

TEST(TExError, NullTextsBecomeQuestionMarksButEmptyTextsStayEmpty)
{
    TExError error;
    error.AddEntry(0, nullptr, nullptr, nullptr);
    EXPECT_STREQ(error.Log, "????:???? - ???? [id:0]\n");

    TExError empty;
    empty.AddEntry(0, "", "", "Invalid config file signature");
    EXPECT_STREQ(empty.Log, ": - Invalid config file signature [id:0]\n");
}

TEST(TExError, FormatsValuesButKeepsPercentInsideThem)
{
    TExError error;
    error.AddEntry(0, "TConfig", "Load", "Error loading file: %s [%s]", "100%s.cfg", static_cast<const char*>(nullptr));
    EXPECT_STREQ(error.Message, "Error loading file: 100%s.cfg [(null)]");
    EXPECT_STREQ(error.Log, "TConfig:Load - Error loading file: 100%s.cfg [(null)] [id:0]\n");
}

TEST(TExError, LongTextsAreCutTo127Characters)
{
    const std::string name130(130, 'c');
    const std::string value200(200, 'm');
    TExError error;
    error.AddEntry(7, name130.c_str(), name130.c_str(), "%s", value200.c_str());
    EXPECT_EQ(std::string(error.ClassName), std::string(127, 'c'));
    EXPECT_EQ(std::string(error.MethodName), std::string(127, 'c'));
    EXPECT_EQ(std::string(error.Message), std::string(127, 'm'));
    EXPECT_EQ(std::string(error.Log),
              std::string(127, 'c') + ":" + std::string(127, 'c') + " - " + std::string(127, 'm') + " [id:7]\n");
}

TEST(TExError, LogStopsAt511CharactersAndCutLineLosesItsLineFeed)
{
    TExError error;
    const std::string message(100, 'x');
    // Each line: "A:B - " + 100 + " [id:0]\n" = 6 + 100 + 8 = 114 characters.
    for (int i = 0; i < 4; ++i)
        error.AddEntry(0, "A", "B", "%s", message.c_str());
    ASSERT_EQ(std::strlen(error.Log), 456u);

    error.AddEntry(0, "A", "B", "%s", message.c_str());
    const std::string log = error.Log;
    ASSERT_EQ(log.size(), 511u);
    EXPECT_NE(log.back(), '\n');
    EXPECT_EQ(log.substr(456), ("A:B - " + message).substr(0, 55));

    error.AddEntry(3, "Later", "Entry", "dropped");
    EXPECT_EQ(std::string(error.Log), log);
    EXPECT_EQ(error.Id, 3);
    EXPECT_STREQ(error.ClassName, "Later");
    EXPECT_STREQ(error.Message, "dropped");
}

TEST(TExError, CopyThrownAndCaughtHoldsTheSameFields)
{
    TExError original;
    original.AddEntry(0, "", "", "Invalid config file signature");
    original.AddEntry(0, "TConfig", "Load", "Error loading file: %s", "Nelvora.cfg");
    try {
        throw original;
    } catch (const TExError& caught) {
        EXPECT_EQ(std::memcmp(&caught, &original, sizeof original), 0);
        EXPECT_STREQ(caught.Log, ": - Invalid config file signature [id:0]\n"
                                 "TConfig:Load - Error loading file: Nelvora.cfg [id:0]\n");
    }
}
