#include "FormFixture.h"
#include "ShowErrorReport.h"
#include "TWindowTimer.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTest>
#include <QTimeEdit>
#include <QTreeWidget>
#include <QWindow>

#include <stdexcept>

namespace {

class FormMainTest : public FormFixture
{
protected:
    void SetUp() override
    {
        FormFixture::SetUp();
        WriteConfig(2);
    }

    QPushButton* Button(const char* name) const { return Find<QPushButton>(name); }
    QAction* Action(const char* name) const { return Find<QAction>(name); }
    TWindowTimer* TimerNamed(const char* name) const { return dynamic_cast<TWindowTimer*>(Find<QTimer>(name)); }
    int CurrentPage() const { return Find<QTabWidget>("PageControl")->currentIndex(); }

    void ExpectShownWithAutoClose()
    {
        EXPECT_TRUE(Form->isVisible());
        EXPECT_TRUE(AutoCloseEnabled());
        EXPECT_FALSE(OptionsTabVisible());
        EXPECT_FALSE(Button("btnCheckNow")->isEnabled());
    }
    void ExpectShownWithoutAutoClose()
    {
        EXPECT_TRUE(Form->isVisible());
        EXPECT_FALSE(AutoCloseEnabled());
        EXPECT_TRUE(OptionsTabVisible());
        EXPECT_TRUE(Button("btnCheckNow")->isEnabled());
    }

    // Reaches "Shown": a quiet first check, then the window opened from the tray.
    void RunShown(const std::string& argument = "")
    {
        Run(argument);
        Form->mnuShowClick();
        ExpectShownWithoutAutoClose();
    }
};

const QString StandardQuestion = QString::fromUtf8(StandardErrorQuestion);

} // namespace

// ---- construction and start-up ----

TEST_F(FormMainTest, ConstructionWaitsOffScreenWithTheTrayReady)
{
    TFormMain& form = Create();

    EXPECT_FALSE(form.StartupDone);
    EXPECT_DOUBLE_EQ(form.windowOpacity(), 0.0);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_GE(form.x(), screen.x() + screen.width());
    EXPECT_FALSE(TimerEnabled("Timer"));
    EXPECT_FALSE(TimerEnabled("TimerCheck"));
    EXPECT_FALSE(TimerEnabled("TimerEventList"));
    EXPECT_NE(form.AddressBookBinding().WABOpenEntry, nullptr);

    EXPECT_TRUE(Tray.Shown);
    EXPECT_TRUE(Tray.IconSet);
    ASSERT_NE(Tray.Menu, nullptr);
    QStringList names;
    for (const QAction* item : Tray.Menu->actions())
        if (!item->isSeparator())
            names << item->objectName();
    EXPECT_EQ(names, (QStringList{"mnuShowAddressBook", "mnuShow", "mnuQuit"}));
}

TEST_F(FormMainTest, WithoutANotificationAreaTheWindowMinimisesWhereItWouldHide)
{
    Tray.Available = false;
    AddDueContact();
    TFormMain& form = Run();
    ExpectShownWithAutoClose();
    EXPECT_TRUE(Dialogs.Boxes.empty());

    // The auto-close and "Send to Tray" leave the window to the task switcher.
    form.TimerEventListTimer();
    EXPECT_TRUE(form.isVisible());
    EXPECT_TRUE(form.isMinimized());
    EXPECT_FALSE(AutoCloseEnabled());

    // The next day's check brings it back as from the tray.
    Clock.AdvanceDay();
    AddDueContact("Cleo");
    form.TimerCheckTimer();
    EXPECT_FALSE(form.isMinimized());
    ExpectShownWithAutoClose();

    Button("btnMinimize")->click();
    QCoreApplication::processEvents();
    EXPECT_TRUE(form.isVisible());
    EXPECT_TRUE(form.isMinimized());
    EXPECT_FALSE(AutoCloseEnabled());
    form.mnuShowClick();
    EXPECT_FALSE(form.isMinimized());
}

TEST_F(FormMainTest, WithoutANotificationAreaStartAndQuitModeStillEnds)
{
    Tray.Available = false;
    WriteConfig(1);
    Run();
    EXPECT_EQ(Application.TerminateCount, 1);
    EXPECT_TRUE(Dialogs.Boxes.empty());
}

TEST_F(FormMainTest, ABindingFailureLeavesTheConstructorAsTheRecord)
{
    Loader.FailLoad = true;
    try {
        Create();
        FAIL() << "constructed without the address-book library";
    } catch (const TExError& error) {
        EXPECT_STREQ(error.Log, ":Init - LoadLibrary failed for WAB.DLL! [id:0]\n");
    }
    EXPECT_FALSE(Tray.Shown);
    EXPECT_EQ(Tray.Restore, nullptr);
}

TEST_F(FormMainTest, FormCreateLoadsTheOptionsAndPreparesTheTimers)
{
    WriteConfig(2, 9, 4, 0);
    TFormMain& form = Start();

    EXPECT_EQ(form.windowTitle(), "Nelvora");
    EXPECT_EQ(form.Config().CheckForwardDays, 9);
    EXPECT_EQ(form.Config().AutoCloseMinutes, 4);
    EXPECT_TRUE(Dialogs.Boxes.empty());
    EXPECT_FALSE(form.QuitAfterCheck);
    EXPECT_TRUE(TimerEnabled("TimerCheck"));
    EXPECT_EQ(TimerNamed("TimerCheck")->Interval(), 3600000);
    EXPECT_TRUE(TimerEnabled("Timer"));
    EXPECT_EQ(TimerNamed("Timer")->Interval(), 1);
    EXPECT_FALSE(TimerEnabled("TimerEventList"));
    EXPECT_EQ(TimerNamed("TimerEventList")->Interval(), 4 * 60000);
    EXPECT_FALSE(TimerNamed("TimerEventList")->isActive());
}

TEST_F(FormMainTest, AMissingOptionsFileIsReportedAndTheDefaultsStay)
{
    QFile::remove(QStringLiteral("Nelvora.cfg"));
    Dialogs.Answers = {IDialogs::Answer::Yes};
    TFormMain& form = Start();

    ASSERT_GE(Dialogs.Boxes.size(), 2u);
    EXPECT_EQ(Dialogs.Boxes[0].Caption, "Nelvora Error");
    EXPECT_EQ(Dialogs.Boxes[0].Text, "Can't load configuration! Defaults are used!\n\n" + StandardQuestion);
    ASSERT_EQ(Clipboard.Texts.size(), 1u);
    EXPECT_TRUE(Clipboard.Texts[0].startsWith("TConfig:Load - Error loading file: Nelvora.cfg [Cannot open file"));
    EXPECT_EQ(form.Config().RunMode, 2);
    EXPECT_EQ(form.Config().CheckForwardDays, 15);
    EXPECT_EQ(form.Config().AutoCloseMinutes, 1);
    EXPECT_EQ(form.Config().AlwaysOnTop, 0);
    EXPECT_TRUE(TimerEnabled("Timer")); // start-up goes on
}

TEST_F(FormMainTest, TheFirstTickHidesMovesChecksAndSetsTheAboutTexts)
{
    TFormMain& form = Run();

    EXPECT_TRUE(form.StartupDone);
    EXPECT_FALSE(TimerEnabled("Timer"));
    EXPECT_EQ(TimerNamed("Timer")->Interval(), 140);
    EXPECT_FALSE(form.isVisible());
    // The test screen does not start at 0,0 (see main.cpp): the corner is the primary screen's own.
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    ASSERT_NE(screen.topLeft(), QPoint(0, 0));
    EXPECT_EQ(form.frameGeometry().right() + 1, screen.right() + 1 - 10);
    EXPECT_EQ(form.frameGeometry().bottom() + 1, screen.bottom() + 1 - 40);
    EXPECT_DOUBLE_EQ(form.windowOpacity(), 1.0);
    EXPECT_EQ(Find<QLabel>("lblAbout")->text(), "Nelvora v1.0");
    EXPECT_EQ(Find<QLabel>("lblAboutScroll")->text(), "");
    EXPECT_EQ(FakeWab::OpenCount, 1);
    EXPECT_EQ(form.windowTitle(), "Nelvora - 2026-06-15");
    EXPECT_EQ(form.LastCheckDay, 166u);
}

TEST_F(FormMainTest, TheEventLoopDeliversTheFirstTick)
{
    TFormMain& form = Start();
    QElapsedTimer waited;
    waited.start();
    while (!form.StartupDone && waited.elapsed() < 5000)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    EXPECT_TRUE(form.StartupDone);
    EXPECT_EQ(FakeWab::OpenCount, 1);
}

TEST_F(FormMainTest, TheReportListCarriesCaptionsSubItemsAndDataValues)
{
    FakeWab::Contacts.push_back({"Carl", std::nullopt, std::nullopt});
    AddDueContact("Ben");
    Run();

    auto* list = Find<QTreeWidget>("lvEventList");
    ASSERT_EQ(list->topLevelItemCount(), 4);
    const QTreeWidgetItem* heading = list->topLevelItem(0);
    EXPECT_EQ(heading->text(0), "");
    EXPECT_EQ(heading->text(1), "-=- Events for today -=- ");
    EXPECT_EQ(heading->data(0, Qt::UserRole).toLongLong(), -1);
    const QTreeWidgetItem* row = list->topLevelItem(1);
    EXPECT_EQ(row->text(0), "Ben");
    EXPECT_EQ(row->text(1), "bday. 56 ");
    EXPECT_EQ(row->text(2), "1970-06-15");
    EXPECT_EQ(row->data(0, Qt::UserRole).toLongLong(), 1);
    EXPECT_EQ(list->topLevelItem(3)->text(1), "-=- Events within 15 days -=-");
}

// ---- the state table, from Starting ----

TEST_F(FormMainTest, StartingWithSomethingDueFadesInWithAutoClose)
{
    AddDueContact();
    TFormMain& form = Run();

    ExpectShownWithAutoClose();
    EXPECT_EQ(RowCount(), 4);
    EXPECT_DOUBLE_EQ(form.windowOpacity(), 1.0);
    EXPECT_EQ(CurrentPage(), 0);
    EXPECT_TRUE(TimerNamed("TimerEventList")->isActive());
    EXPECT_EQ(TimerNamed("TimerEventList")->interval(), 60000);
    EXPECT_EQ(Application.TerminateCount, 0);
    EXPECT_EQ(form.LastCheckDay, 166u);
}

TEST_F(FormMainTest, StartingWithNothingDueInStartAndQuitModeTerminates)
{
    WriteConfig(1);
    TFormMain& form = Run();

    EXPECT_TRUE(form.QuitAfterCheck);
    EXPECT_EQ(Application.TerminateCount, 1);
    EXPECT_FALSE(form.isVisible());
    EXPECT_FALSE(TimerEnabled("TimerCheck"));
}

TEST_F(FormMainTest, StartingWithNothingDueInDailyModeStaysHiddenWithTheHeadings)
{
    TFormMain& form = Run();

    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(RowCount(), 3);
    EXPECT_EQ(Application.TerminateCount, 0);
    EXPECT_FALSE(AutoCloseEnabled());
}

TEST_F(FormMainTest, AFailedFirstCheckIsReportedAndLeavesTheDayUnrecorded)
{
    WriteConfig(1);
    FakeWab::OpenResult = MAPI_E_CALL_FAILED;
    Dialogs.Answers = {IDialogs::Answer::Yes};
    TFormMain& form = Run();

    ASSERT_EQ(BoxesOf("ask").size(), 1u);
    EXPECT_EQ(Dialogs.Boxes[0].Caption, "Nelvora");
    EXPECT_EQ(Dialogs.Boxes[0].Text, "An error while checking address book!\n\n" + StandardQuestion);
    EXPECT_EQ(Clipboard.Texts.at(0), ":Load - Can't open address book! [id:0]\n");
    EXPECT_EQ(form.LastCheckDay, 0u);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(Application.TerminateCount, 0); // start-and-quit mode stays in the tray
}

TEST_F(FormMainTest, CancelInTheCheckReportEndsTheProcess)
{
    FakeWab::OpenResult = MAPI_E_CALL_FAILED;
    Dialogs.Answers = {IDialogs::Answer::Cancel};
    Run();
    EXPECT_EQ(Application.ExitNowCalls, std::vector<int>{0});
}

TEST_F(FormMainTest, AFailedCheckKeepsTheRowsOfTheCheckBefore)
{
    AddDueContact();
    TFormMain& form = Run();
    const std::uint32_t day = form.LastCheckDay;
    Clock.AdvanceDay();
    FakeWab::OpenResult = MAPI_E_CALL_FAILED;

    Form->btnCheckNowClick();

    EXPECT_EQ(RowCount(), 4);
    EXPECT_EQ(form.LastCheckDay, day);
    ExpectShownWithAutoClose();
}

TEST_F(FormMainTest, AFailureOfAnotherKindIsShownInTheStandardBoxAndTheProgramGoesOn)
{
    DateFormat.Throw = true;
    TFormMain& form = Run();

    const auto errors = BoxesOf("error");
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].Caption, "Nelvora");
    EXPECT_EQ(errors[0].Text, "date conversion failed.");
    EXPECT_TRUE(form.StartupDone);
    EXPECT_EQ(form.LastCheckDay, 0u);

    DateFormat.Throw = false;
    form.TimerCheckTimer(); // the hourly tick retries
    EXPECT_EQ(form.LastCheckDay, 166u);
}

// ---- from Hidden ----

TEST_F(FormMainTest, HiddenDayChangeWithSomethingDueShowsWithAutoClose)
{
    TFormMain& form = Run();
    ASSERT_FALSE(form.isVisible());
    Clock.AdvanceDay();
    AddDueContact();

    form.TimerCheckTimer();

    ExpectShownWithAutoClose();
    EXPECT_EQ(form.LastCheckDay, 167u);
}

TEST_F(FormMainTest, WithATimeOfDaySetTheNewDaysCheckWaitsForItAndSaveChangesKeepsIt)
{
    QByteArray image = ConfigImage(2, 15, 1, 0);
    image[28] = 0x1c; // 540 minutes: 09:00
    image[29] = 0x02;
    QFile file(QStringLiteral("Nelvora.cfg"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(image);
    file.close();
    TFormMain& form = Run(); // the first check of a start does not wait
    EXPECT_EQ(FakeWab::OpenCount, 1);
    EXPECT_EQ(DayWatch.TimeOfDay, 540);

    Clock.AdvanceDay();
    AddDueContact();
    for (const int minute : {0, 60, 539}) {
        Clock.Minute = minute;
        form.TimerCheckTimer(); // midnight, a wake-up, the hourly tick: all the same call
        EXPECT_EQ(FakeWab::OpenCount, 1) << "checked at minute " << minute;
        EXPECT_FALSE(form.isVisible());
    }
    Clock.Minute = 540;
    form.TimerCheckTimer();
    EXPECT_EQ(FakeWab::OpenCount, 2);
    ExpectShownWithAutoClose();

    Find<QTimeEdit>("edRemindAt")->setTime(QTime(23, 59));
    Find<QPushButton>("btnSaveChanges")->click();
    const QByteArray saved = ReadConfig();
    ASSERT_GE(saved.size(), 32);
    EXPECT_EQ(static_cast<unsigned char>(saved[28]) | static_cast<unsigned char>(saved[29]) << 8, 1439);
    // The running program rings at the new time tonight, not only after a restart.
    EXPECT_EQ(DayWatch.TimeOfDay, 1439);
}

TEST_F(FormMainTest, HiddenDayChangeWithNothingDueRefillsAndStaysHidden)
{
    FakeWab::Contacts.push_back({"Dora", FakeWab::TDay{1990, 6, 20}, std::nullopt});
    TFormMain& form = Run();
    ASSERT_EQ(RowCount(), 4); // due within the window: shown
    ASSERT_TRUE(form.isVisible());
    form.btnMinimizeClick();
    FakeWab::Contacts.clear();
    Clock.AdvanceDay();

    form.TimerCheckTimer();

    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(RowCount(), 3);
    EXPECT_EQ(FakeWab::OpenCount, 2);
}

TEST_F(FormMainTest, TheHourlyTickChecksOnlyWhenTheDayHasChanged)
{
    TFormMain& form = Run();
    form.TimerCheckTimer();
    form.TimerCheckTimer();
    EXPECT_EQ(FakeWab::OpenCount, 1);
    Clock.AdvanceDay();
    form.TimerCheckTimer();
    EXPECT_EQ(FakeWab::OpenCount, 2);
}

TEST_F(FormMainTest, TheDayChangeAcrossNewYearCounts)
{
    for (const int year : {2026, 2024}) { // day 365, and day 366 of a leap year
        FakeWab::Reset();
        Clock.Set(year, 12, 31);
        TFormMain& form = Run();
        EXPECT_EQ(form.LastCheckDay, year == 2024 ? 366u : 365u);
        Clock.AdvanceDay();
        form.TimerCheckTimer();
        EXPECT_EQ(FakeWab::OpenCount, 2) << year;
        EXPECT_EQ(form.LastCheckDay, 1u);
        Form.reset();
    }
}

TEST_F(FormMainTest, HiddenTrayClickOrShowMainWindowShowsWithoutAutoClose)
{
    TFormMain& form = Run();
    Tray.Click();
    ExpectShownWithoutAutoClose();

    form.btnMinimizeClick();
    ASSERT_FALSE(form.isVisible());
    Action("mnuShow")->trigger();
    ExpectShownWithoutAutoClose();
}

TEST_F(FormMainTest, HiddenQuitApplicationTerminates)
{
    Run();
    Action("mnuQuit")->trigger();
    EXPECT_EQ(Application.TerminateCount, 1);
}

// ---- from Shown with the auto-close running ----

TEST_F(FormMainTest, AutoCloseInStartAndQuitModeTerminates)
{
    WriteConfig(1);
    AddDueContact();
    TFormMain& form = Run();
    ExpectShownWithAutoClose();

    form.TimerEventListTimer();

    EXPECT_EQ(Application.TerminateCount, 1);
}

TEST_F(FormMainTest, AutoCloseInDailyModeSendsToTheTray)
{
    AddDueContact();
    TFormMain& form = Run();

    form.TimerEventListTimer();

    EXPECT_FALSE(form.isVisible());
    EXPECT_FALSE(AutoCloseEnabled());
    EXPECT_TRUE(OptionsTabVisible());
    EXPECT_TRUE(Button("btnCheckNow")->isEnabled());
    EXPECT_EQ(Application.TerminateCount, 0);
}

TEST_F(FormMainTest, SendToTrayStopsTheAutoCloseAndKeepsAStartAndQuitRunResident)
{
    WriteConfig(1);
    AddDueContact();
    TFormMain& form = Run();
    ASSERT_TRUE(form.QuitAfterCheck);

    Button("btnMinimize")->click();

    EXPECT_FALSE(form.isVisible());
    EXPECT_FALSE(form.QuitAfterCheck);
    EXPECT_FALSE(AutoCloseEnabled());
    EXPECT_FALSE(TimerNamed("TimerEventList")->isActive());
    EXPECT_TRUE(OptionsTabVisible());

    // Resident now: a check that finds nothing no longer ends the program.
    FakeWab::Contacts.clear();
    form.mnuShowClick();
    Button("btnCheckNow")->click();
    EXPECT_EQ(Application.TerminateCount, 0);
}

TEST_F(FormMainTest, ADayChangeWhileTheAutoCloseRunsRefreshesTheListAndLetsItRun)
{
    AddDueContact();
    TFormMain& form = Run();
    AddDueContact("Anna");
    Clock.AdvanceDay();
    FakeWab::Contacts[0].Birthday->Day += 1;
    FakeWab::Contacts[1].Birthday->Day += 1;
    const int remaining = TimerNamed("TimerEventList")->remainingTime();

    form.TimerCheckTimer();

    EXPECT_EQ(RowCount(), 5);
    ExpectShownWithAutoClose();
    EXPECT_TRUE(TimerNamed("TimerEventList")->isActive());
    EXPECT_LE(TimerNamed("TimerEventList")->remainingTime(), remaining); // not restarted
}

// ---- from Shown ----

namespace {

// Counts the paint events of the object it filters.
struct TPaintCounter : QObject
{
    int& Count;
    explicit TPaintCounter(int& count) : Count(count) {}
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++Count;
        return false;
    }
};

} // namespace

TEST_F(FormMainTest, CheckNowWhileShownRefreshesAndSelectsTheEventListWithoutFadeOrAutoClose)
{
    RunShown();
    auto* pages = Find<QTabWidget>("PageControl");
    pages->setCurrentIndex(3); // About
    AddDueContact();
    int paints = 0;
    TPaintCounter counter(paints);
    Form->installEventFilter(&counter);

    Button("btnCheckNow")->click();

    Form->removeEventFilter(&counter);
    EXPECT_EQ(RowCount(), 4);
    EXPECT_EQ(CurrentPage(), 0);
    ExpectShownWithoutAutoClose();
    EXPECT_LT(paints, 10);
    // The program's own page change raises no notification: the about scroller keeps ticking.
    EXPECT_TRUE(TimerEnabled("Timer"));
}

TEST_F(FormMainTest, CheckNowWithNothingDueAfterAFailedStartAndQuitCheckTerminates)
{
    WriteConfig(1);
    FakeWab::OpenResult = MAPI_E_CALL_FAILED;
    Run();
    Tray.Click();
    ExpectShownWithoutAutoClose();
    ASSERT_TRUE(Form->QuitAfterCheck);
    FakeWab::OpenResult = S_OK;

    Button("btnCheckNow")->click();

    EXPECT_EQ(Application.TerminateCount, 1);
}

TEST_F(FormMainTest, SendToTrayFromShownHides)
{
    RunShown();
    Button("btnMinimize")->click();
    EXPECT_FALSE(Form->isVisible());
    EXPECT_FALSE(TimerEnabled("Timer"));
}

TEST_F(FormMainTest, QuitProgramAndQuitApplicationTerminateWithoutSaving)
{
    RunShown();
    const QByteArray before = ReadConfig();
    Button("btnQuit")->click();
    Action("mnuQuit")->trigger();
    EXPECT_EQ(Application.TerminateCount, 2);
    EXPECT_EQ(ReadConfig(), before);
}

TEST_F(FormMainTest, TheWindowManagersCloseSendsToTheTray)
{
    WriteConfig(1);
    AddDueContact();
    Run();
    ExpectShownWithAutoClose();
    EXPECT_FALSE(Form->close());
    EXPECT_FALSE(Form->isVisible());
    EXPECT_FALSE(AutoCloseEnabled());
    EXPECT_FALSE(Form->QuitAfterCheck); // as "Send to Tray": the program stays
    EXPECT_EQ(Application.TerminateCount, 0);
    Tray.Click();
    ExpectShownWithoutAutoClose();
}

TEST_F(FormMainTest, TheWindowManagersMinimiseSendsToTheTrayAndATrayClickRestores)
{
    AddDueContact();
    Run();
    ExpectShownWithAutoClose();
    Form->setWindowState(Qt::WindowMinimized);
    QCoreApplication::processEvents();
    EXPECT_FALSE(Form->isVisible());
    EXPECT_FALSE(AutoCloseEnabled());

    Tray.Click();
    EXPECT_TRUE(Form->isVisible());
    EXPECT_FALSE(Form->isMinimized());
}

TEST_F(FormMainTest, AMinimisedWindowComesBackFromTheMenuAndFromADueCheck)
{
    // Minimised but not yet put away (the window manager's state arrives first): still out of sight.
    RunShown();
    Form->setWindowState(Qt::WindowMinimized);
    Action("mnuShow")->trigger();
    EXPECT_TRUE(Form->isVisible());
    EXPECT_FALSE(Form->isMinimized());
    QCoreApplication::processEvents();
    EXPECT_TRUE(Form->isVisible());

    Form->setWindowState(Qt::WindowMinimized);
    Clock.AdvanceDay();
    AddDueContact();
    Form->TimerCheckTimer();
    EXPECT_FALSE(Form->isMinimized());
    ExpectShownWithAutoClose();
    QCoreApplication::processEvents();
    EXPECT_TRUE(Form->isVisible());
}

TEST_F(FormMainTest, EnterPressesSendToTrayOnTheEventListAndSaveChangesOnTheOptions)
{
    RunShown();
    auto* list = Find<QTreeWidget>("lvEventList");
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_FALSE(Form->isVisible());

    Form->mnuShowClick();
    Find<QTabWidget>("PageControl")->setCurrentIndex(1);
    Find<QCheckBox>("cbAlwaysOnTop")->setChecked(true);
    QTest::keyClick(Find<QComboBox>("cbRunMode"), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_TRUE(Form->isVisible());
    EXPECT_EQ(ReadConfig(), ConfigImage(2, 15, 1, 1));

    // A focused button takes Enter itself, as in a dialog.
    Find<QTabWidget>("PageControl")->setCurrentIndex(0);
    const int opened = FakeWab::OpenCount;
    QTest::keyClick(Button("btnCheckNow"), Qt::Key_Return);
    EXPECT_EQ(FakeWab::OpenCount, opened + 1);
    EXPECT_TRUE(Form->isVisible());
}

TEST_F(FormMainTest, AnotherStartShowsTheWindowAlsoWhenItCameBeforeTheFirstTick)
{
    Start();
    Form->ShowForAnotherStart(); // while the program still waits for its first tick
    Form->TimerTimer();
    ExpectShownWithoutAutoClose();

    Form->btnMinimizeClick();
    Form->ShowForAnotherStart();
    ExpectShownWithoutAutoClose();
    Form.reset();

    // A start-and-quit run that found nothing is ending anyway.
    WriteConfig(1);
    Start();
    Form->ShowForAnotherStart();
    Form->TimerTimer();
    EXPECT_EQ(Application.TerminateCount, 1);
    EXPECT_FALSE(Form->isVisible());
}

TEST_F(FormMainTest, AFailingCheckOpensNoSecondBoxWhileItsBoxIsOpen)
{
    Run();
    Clock.AdvanceDay();
    FakeWab::OpenResult = MAPI_E_CALL_FAILED;
    int ticksWhileOpen = 0;
    Dialogs.WhileAsking = [&] {
        // Hours pass with the box open.
        if (++ticksWhileOpen <= 3)
            Form->TimerCheckTimer();
    };
    Form->TimerCheckTimer();
    EXPECT_EQ(BoxesOf("ask").size(), 1u);

    Dialogs.WhileAsking = nullptr;
    Form->TimerCheckTimer(); // box closed: the next tick retries
    EXPECT_EQ(BoxesOf("ask").size(), 2u);
}

TEST_F(FormMainTest, ATrayClickWhileShownChangesNothing)
{
    AddDueContact();
    Run();
    Tray.Click();
    ExpectShownWithAutoClose();
    EXPECT_EQ(FakeWab::OpenCount, 1);
}

// ---- options that shape the cycle ----

TEST_F(FormMainTest, AStoredModeOtherThanOneActsAsDaily)
{
    for (const int mode : {0, 3, -1}) {
        WriteConfig(mode);
        TFormMain& form = Start();
        EXPECT_FALSE(form.QuitAfterCheck) << mode;
        EXPECT_TRUE(TimerEnabled("TimerCheck")) << mode;
        EXPECT_EQ(Find<QComboBox>("cbRunMode")->currentIndex(), 1) << mode;
        Form.reset();
    }
}

TEST_F(FormMainTest, AutoCloseMinutesThatCannotFireKeepTheStateUntilSendToTray)
{
    for (const int minutes : {0, -5, 40000, INT32_MAX}) {
        FakeWab::Reset();
        WriteConfig(2, 15, minutes);
        AddDueContact();
        Run();
        ExpectShownWithAutoClose();
        EXPECT_FALSE(TimerNamed("TimerEventList")->isActive()) << minutes;
        Button("btnMinimize")->click();
        EXPECT_FALSE(AutoCloseEnabled());
        EXPECT_TRUE(OptionsTabVisible());
        Form.reset();
    }
}

TEST_F(FormMainTest, TheAutoCloseTimerFiresThroughTheEventLoop)
{
    AddDueContact();
    TFormMain& form = Run();
    auto* timer = TimerNamed("TimerEventList");
    timer->setInterval(1); // a minute is too long to wait for; the handler is the one wired to the timer
    QElapsedTimer waited;
    waited.start();
    while (form.isVisible() && waited.elapsed() < 5000)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_FALSE(form.isVisible());
    EXPECT_FALSE(AutoCloseEnabled());
}

// ---- the first argument ----

TEST_F(FormMainTest, ForceDailyRunsDailyForThisRunAndSaysSo)
{
    WriteConfig(1);
    const QByteArray stored = ReadConfig();
    TFormMain& form = Start("-forcedaily");

    const auto info = BoxesOf("information");
    ASSERT_EQ(info.size(), 1u);
    EXPECT_EQ(info[0].Text,
              "Check mode is set back to 'Check Daily'.\nThis option can be changed from the 'Options' tab.");
    EXPECT_EQ(form.Config().RunMode, 2);
    EXPECT_FALSE(form.QuitAfterCheck);
    EXPECT_TRUE(TimerEnabled("TimerCheck"));
    EXPECT_EQ(Find<QComboBox>("cbRunMode")->currentIndex(), 1);
    EXPECT_EQ(ReadConfig(), stored);
}

TEST_F(FormMainTest, TheArgumentsAreCaseSensitive)
{
    WriteConfig(1);
    for (const char* argument : {"-ForceDaily", "-FORCEDAILY", "-NoBlend", "forcedaily", "-forcedaily "}) {
        Dialogs.Boxes.clear();
        TFormMain& form = Run(argument);
        EXPECT_TRUE(form.QuitAfterCheck) << argument;
        EXPECT_TRUE(BoxesOf("information").empty()) << argument;
        Form.reset();
    }
}

TEST_F(FormMainTest, NoBlendKeepsTheWindowOpaqueAndSkipsTheFade)
{
    AddDueContact();
    TFormMain& form = Start("-noblend");
    EXPECT_DOUBLE_EQ(form.windowOpacity(), 1.0);
    EXPECT_FALSE(form.QuitAfterCheck);
    form.TimerTimer();
    ExpectShownWithAutoClose();
    EXPECT_DOUBLE_EQ(form.windowOpacity(), 1.0);
}

TEST_F(FormMainTest, AlwaysOnTopFromTheFilePutsTheWindowInTheTopmostBand)
{
    WriteConfig(2, 15, 1, 7);
    TFormMain& form = Start();
    ASSERT_NE(form.windowHandle(), nullptr);
    EXPECT_TRUE(form.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(Find<QCheckBox>("cbAlwaysOnTop")->isChecked());
}

TEST_F(FormMainTest, DestroyingTheWindowLeavesTheTrayNothingToCallBack)
{
    Run();
    Form.reset();
    EXPECT_EQ(Tray.Menu, nullptr);
    EXPECT_EQ(Tray.Restore, nullptr);
    EXPECT_FALSE(Tray.Shown);
}
