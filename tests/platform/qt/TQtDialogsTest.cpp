#include "TQtDialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace {

// What the box looked like when it came up.
struct TSeenBox
{
    bool Seen = false;
    QString Title;
    QString Text;
    QMessageBox::Icon Icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons Buttons;
    QMessageBox::StandardButton DefaultButton = QMessageBox::NoButton;
    bool HasOwner = true;
};

// Waits in the box's own event loop until it is up, records it and then acts on it as the user would.
void WhenBoxIsUp(TSeenBox& seen, std::function<void(QMessageBox&)> act)
{
    auto poll = std::make_shared<std::function<void()>>();
    *poll = [&seen, act, poll]() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            QTimer::singleShot(5, *poll);
            return;
        }
        seen.Seen = true;
        seen.Title = box->windowTitle();
        seen.Text = box->text();
        seen.Icon = box->icon();
        seen.Buttons = box->standardButtons();
        seen.DefaultButton = box->standardButton(box->defaultButton());
        seen.HasOwner = box->parentWidget() != nullptr;
        act(*box);
        *poll = nullptr;
    };
    QTimer::singleShot(0, *poll);
}

void Press(QMessageBox& box, QMessageBox::StandardButton which)
{
    box.button(which)->click();
}

} // namespace

TEST(TQtDialogsTest, QuestionBoxHasThreeButtonsTheErrorIconAndNoAsDefault)
{
    TQtDialogs dialogs;
    TSeenBox seen;
    WhenBoxIsUp(seen, [](QMessageBox& box) { Press(box, QMessageBox::Yes); });

    const IDialogs::Answer answer = dialogs.AskYesNoCancel("Uncaught exception", "An error occured:\n\nquestion");

    ASSERT_TRUE(seen.Seen);
    EXPECT_EQ(answer, IDialogs::Answer::Yes);
    EXPECT_EQ(seen.Title, "Uncaught exception");
    EXPECT_EQ(seen.Text, "An error occured:\n\nquestion");
    EXPECT_EQ(seen.Icon, QMessageBox::Critical);
    EXPECT_EQ(seen.Buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    EXPECT_EQ(seen.DefaultButton, QMessageBox::No);
    EXPECT_FALSE(seen.HasOwner);
}

TEST(TQtDialogsTest, EachButtonOfTheQuestionBoxGivesItsOwnAnswer)
{
    TQtDialogs dialogs;
    const std::pair<QMessageBox::StandardButton, IDialogs::Answer> cases[] = {
        {QMessageBox::No, IDialogs::Answer::No},
        {QMessageBox::Cancel, IDialogs::Answer::Cancel},
    };
    for (const auto& [button, expected] : cases) {
        TSeenBox seen;
        WhenBoxIsUp(seen, [button](QMessageBox& box) { Press(box, button); });
        EXPECT_EQ(dialogs.AskYesNoCancel("c", "t"), expected);
    }
}

TEST(TQtDialogsTest, ClosingTheQuestionBoxFromItsFrameMeansCancel)
{
    TQtDialogs dialogs;
    TSeenBox seen;
    WhenBoxIsUp(seen, [](QMessageBox& box) { box.close(); });
    EXPECT_EQ(dialogs.AskYesNoCancel("c", "t"), IDialogs::Answer::Cancel);
}

TEST(TQtDialogsTest, OkBoxesCarryTheirCaptionAndIcon)
{
    TQtDialogs dialogs;
    struct Case
    {
        std::function<void()> Show;
        QString Title;
        QMessageBox::Icon Icon;
    };
    const Case cases[] = {
        {[&] { dialogs.ShowError("Nelvora", "log"); }, "Nelvora", QMessageBox::Critical},
        {[&] { dialogs.ShowInformation("info"); }, "Information", QMessageBox::Information},
        {[&] { dialogs.ShowErrorDialog("Sorry!"); }, "Error", QMessageBox::Critical},
    };
    for (const Case& c : cases) {
        TSeenBox seen;
        WhenBoxIsUp(seen, [](QMessageBox& box) { Press(box, QMessageBox::Ok); });
        c.Show();
        ASSERT_TRUE(seen.Seen);
        EXPECT_EQ(seen.Title, c.Title);
        EXPECT_EQ(seen.Icon, c.Icon);
        EXPECT_EQ(seen.Buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    }
}
