#include "ShowErrorReport.h"
#include "FakeServices.h"
#include "InstallTranslations.h"

#include <QObject>

#include <gtest/gtest.h>

#include <string>

namespace {

TExError ErrorWithLine()
{
    TExError error;
    error.AddEntry(0, "", "Init", "LoadLibrary failed for WAB.DLL!");
    return error;
}

class ShowErrorReportTest : public ::testing::Test
{
protected:
    void Report(const TExError& error, const std::string& question = "")
    {
        ShowErrorReport(Dialogs, Clipboard, Application, "Uncaught exception", "An error occured:", error, question);
    }

    TFakeDialogs Dialogs;
    TFakeClipboard Clipboard;
    TFakeApplication Application;
};

} // namespace

TEST_F(ShowErrorReportTest, AsksWithLeadTextEmptyLineAndStandardQuestion)
{
    Report(ErrorWithLine());

    ASSERT_EQ(Dialogs.Boxes.size(), 1u);
    EXPECT_EQ(Dialogs.Boxes[0].Kind, "ask");
    EXPECT_EQ(Dialogs.Boxes[0].Caption, "Uncaught exception");
    EXPECT_EQ(Dialogs.Boxes[0].Text,
              "An error occured:\n\nWould you like to see the detailed debug log?\n\nYES\tshow and copy the debug log "
              "to the clipboard and continue;\nNO\tdon't show log and continue the program;\nCANCEL\tend program - "
              "unsaved data will be lost!");
}

TEST_F(ShowErrorReportTest, YesCopiesTheLogAndShowsItUnderTheSameCaption)
{
    Dialogs.Answers = {IDialogs::Answer::Yes};
    Report(ErrorWithLine());

    const QString log = QStringLiteral(":Init - LoadLibrary failed for WAB.DLL! [id:0]\n");
    ASSERT_EQ(Clipboard.Texts.size(), 1u);
    EXPECT_EQ(Clipboard.Texts[0], log);
    ASSERT_EQ(Dialogs.Boxes.size(), 2u);
    EXPECT_EQ(Dialogs.Boxes[1].Kind, "error");
    EXPECT_EQ(Dialogs.Boxes[1].Caption, "Uncaught exception");
    EXPECT_EQ(Dialogs.Boxes[1].Text, log);
    EXPECT_TRUE(Application.ExitNowCalls.empty());
}

TEST_F(ShowErrorReportTest, TheLogAlsoGoesToStandardErrorWhateverTheAnswer)
{
    Dialogs.Answers = {IDialogs::Answer::No};
    ::testing::internal::CaptureStderr();
    Report(ErrorWithLine());
    EXPECT_EQ(::testing::internal::GetCapturedStderr(),
              "Nelvora: Uncaught exception: An error occured:\n:Init - LoadLibrary failed for WAB.DLL! [id:0]\n");
}

TEST_F(ShowErrorReportTest, OnAGermanDesktopTheBoxIsGermanWhileStandardErrorAndTheLogStayEnglish)
{
    QObject translations;
    ASSERT_EQ(InstallTranslations(translations, {"de-DE", "de"}, QStringLiteral(NELVORA_QM_DIR)), QStringLiteral("de"));
    Dialogs.Answers = {IDialogs::Answer::Yes};
    ::testing::internal::CaptureStderr();
    Report(ErrorWithLine());

    EXPECT_EQ(::testing::internal::GetCapturedStderr(),
              "Nelvora: Uncaught exception: An error occured:\n:Init - LoadLibrary failed for WAB.DLL! [id:0]\n");
    ASSERT_EQ(Dialogs.Boxes.size(), 2u);
    EXPECT_EQ(Dialogs.Boxes[0].Caption, "Unbehandelte Ausnahme");
    EXPECT_TRUE(Dialogs.Boxes[0].Text.startsWith("Ein Fehler ist aufgetreten:\n\nMöchten Sie"));
    EXPECT_TRUE(Dialogs.Boxes[0].Text.contains("\nABBRECHEN\t"));
    EXPECT_EQ(Dialogs.Boxes[1].Caption, "Unbehandelte Ausnahme");
    EXPECT_EQ(Dialogs.Boxes[1].Text, QStringLiteral(":Init - LoadLibrary failed for WAB.DLL! [id:0]\n"));
    EXPECT_EQ(Clipboard.Texts.at(0), Dialogs.Boxes[1].Text);
}

TEST_F(ShowErrorReportTest, NoAndOtherAnswersReturnWithoutTouchingTheClipboard)
{
    Dialogs.Answers = {IDialogs::Answer::No, IDialogs::Answer::Other};
    Report(ErrorWithLine());
    Report(ErrorWithLine());

    EXPECT_TRUE(Clipboard.Texts.empty());
    EXPECT_EQ(Dialogs.Boxes.size(), 2u);
    EXPECT_TRUE(Application.ExitNowCalls.empty());
}

TEST_F(ShowErrorReportTest, CancelEndsTheProcessWithStatusZero)
{
    Dialogs.Answers = {IDialogs::Answer::Cancel};
    Report(ErrorWithLine());

    EXPECT_EQ(Application.ExitNowCalls, std::vector<int>{0});
    EXPECT_TRUE(Clipboard.Texts.empty());
    EXPECT_EQ(Dialogs.Boxes.size(), 1u);
}

TEST_F(ShowErrorReportTest, AFullLogIsCopiedWithAllItsCharacters)
{
    TExError error;
    for (int i = 0; i < 40; ++i)
        error.AddEntry(0, "TGenList", "AddRawItem", "Can't allocate memory!");
    ASSERT_EQ(std::string(error.Log).size(), 511u);

    Dialogs.Answers = {IDialogs::Answer::Yes};
    Report(error);

    ASSERT_EQ(Clipboard.Texts.size(), 1u);
    EXPECT_EQ(Clipboard.Texts[0].size(), 511);
    EXPECT_EQ(Dialogs.Boxes[1].Text.size(), 511);
}

TEST_F(ShowErrorReportTest, AGivenQuestionReplacesTheStandardOne)
{
    Report(ErrorWithLine(), "Try again?");
    EXPECT_EQ(Dialogs.Boxes[0].Text, "An error occured:\n\nTry again?");
}

TEST(ShowStandardErrorTest, AddsAFullStopOnlyAfterCharactersSortingAfterIt)
{
    TFakeDialogs dialogs;
    ShowStandardError(dialogs, "Cannot Create System Shell Notification Icon");
    ShowStandardError(dialogs, "Done!");
    ShowStandardError(dialogs, "Done.");
    ShowStandardError(dialogs, "");
    ShowStandardError(dialogs, "Gr\xc3\xbc\xc3\x9f"); // a last byte above 0x7F sorts after '.'

    ASSERT_EQ(dialogs.Boxes.size(), 5u);
    for (const auto& box : dialogs.Boxes) {
        EXPECT_EQ(box.Kind, "error");
        EXPECT_EQ(box.Caption, "Nelvora");
    }
    EXPECT_EQ(dialogs.Boxes[0].Text, "Cannot Create System Shell Notification Icon.");
    EXPECT_EQ(dialogs.Boxes[1].Text, "Done!");
    EXPECT_EQ(dialogs.Boxes[2].Text, "Done.");
    EXPECT_EQ(dialogs.Boxes[3].Text, "");
    EXPECT_EQ(dialogs.Boxes[4].Text, QString::fromUtf8("Gr\xc3\xbc\xc3\x9f."));
}
