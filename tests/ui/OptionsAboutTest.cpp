#include "BuildStamp.h"
#include "FormFixture.h"
#include "TWindowTimer.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>
#include <QUrl>
#include <QWindow>

namespace {

class OptionsPageTest : public FormFixture
{
protected:
    void SetUp() override
    {
        FormFixture::SetUp();
        WriteConfig(2);
    }

    QComboBox* RunMode() const { return Find<QComboBox>("cbRunMode"); }
    QSpinBox* Forward() const { return Find<QSpinBox>("UpDownForward"); }
    QSpinBox* AutoClose() const { return Find<QSpinBox>("UpDownAutoClose"); }
    QCheckBox* OnTop() const { return Find<QCheckBox>("cbAlwaysOnTop"); }
    void Save() const { Find<QPushButton>("btnSaveChanges")->click(); }
    TWindowTimer* AutoCloseTimer() const { return dynamic_cast<TWindowTimer*>(Find<QTimer>("TimerEventList")); }
    bool Topmost() const { return Form->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint); }
};

class AboutPageTest : public FormFixture
{
protected:
    void SetUp() override
    {
        FormFixture::SetUp();
        WriteConfig(2);
    }
    QTabWidget* Pages() const { return Find<QTabWidget>("PageControl"); }
    QString Scroll() const { return Find<QLabel>("lblAboutScroll")->text(); }
    void Ticks(int count) const
    {
        for (int i = 0; i < count; ++i)
            Form->TimerTimer();
    }
};

using LaunchTest = AboutPageTest;

const std::string ScrollText = "Please support the author by visiting his home page and/or providing feedback...";

} // namespace

// ---- Options page ----

TEST_F(OptionsPageTest, TheTabKeyGoesThroughTheControlsInTheOrderTheyStand)
{
    Start();
    // The next widget the Tab key reaches: the read-only edits and labels are passed over.
    auto next = [](QWidget* widget) {
        do
            widget = widget->nextInFocusChain();
        while (widget->isHidden() || !(widget->focusPolicy() & Qt::TabFocus));
        return widget;
    };
    EXPECT_EQ(next(RunMode()), Forward());
    EXPECT_EQ(next(Forward()), AutoClose());
    EXPECT_EQ(next(AutoClose()), OnTop()); // in the order the controls stand
    EXPECT_EQ(next(OnTop()), Find<QWidget>("edRemindAt"));
}

TEST_F(OptionsPageTest, TheEditsFollowTheirSpinArrows)
{
    Start();
    Forward()->stepBy(3);
    AutoClose()->stepDown();
    EXPECT_EQ(Find<QLineEdit>("edCheckForward")->text(), "18");
    EXPECT_EQ(Find<QLineEdit>("edAutoClose")->text(), "1");
    Forward()->stepBy(100); // no wrap-around
    EXPECT_EQ(Find<QLineEdit>("edCheckForward")->text(), "30");
}

TEST_F(OptionsPageTest, FormCreateShowsTheStoredOptions)
{
    WriteConfig(1, 7, 12, 1);
    Start();
    EXPECT_EQ(RunMode()->currentIndex(), 0);
    EXPECT_EQ(Forward()->value(), 7);
    EXPECT_EQ(AutoClose()->value(), 12);
    EXPECT_TRUE(OnTop()->isChecked());
    EXPECT_EQ(Find<QLineEdit>("edCheckForward")->text(), "7");
    EXPECT_EQ(Find<QLineEdit>("edAutoClose")->text(), "12");
}

TEST_F(OptionsPageTest, StoredValuesOutsideTheRangesShowClampedAndStayLiveUntilSaved)
{
    WriteConfig(2, 1000, 0, 0);
    TFormMain& form = Run();
    EXPECT_EQ(Forward()->value(), 30);
    EXPECT_EQ(AutoClose()->value(), 1);
    EXPECT_EQ(form.Config().CheckForwardDays, 1000);
    EXPECT_EQ(form.Config().AutoCloseMinutes, 0);
    EXPECT_EQ(form.EventList().CheckForwardDays, 1000); // the check uses the stored value

    Save();
    EXPECT_EQ(form.Config().CheckForwardDays, 30);
    EXPECT_EQ(form.Config().AutoCloseMinutes, 1);
    EXPECT_EQ(ReadConfig(), ConfigImage(2, 30, 1, 0));
}

TEST_F(OptionsPageTest, ValuesBeyondSixteenBitsAreTakenAsSixteenBitPositions)
{
    WriteConfig(2, 65536 + 5, -3, 0);
    Start();
    EXPECT_EQ(Forward()->value(), 5);
    EXPECT_EQ(AutoClose()->value(), 1);
}

TEST_F(OptionsPageTest, SaveStoresTheControlsAndAppliesAutoCloseAndTopmostAtOnce)
{
    TFormMain& form = Run();
    RunMode()->setCurrentIndex(0);
    Forward()->setValue(21);
    AutoClose()->setValue(9);
    OnTop()->setChecked(true);

    Save();

    EXPECT_TRUE(Dialogs.Boxes.empty());
    EXPECT_EQ(ReadConfig(), ConfigImage(1, 21, 9, 1));
    EXPECT_EQ(form.Config().RunMode, 1);
    EXPECT_EQ(AutoCloseTimer()->Interval(), 9 * 60000);
    EXPECT_FALSE(AutoCloseTimer()->isActive());
    EXPECT_TRUE(Topmost());
    // The mode waits for the next start.
    EXPECT_FALSE(form.QuitAfterCheck);
    EXPECT_TRUE(TimerEnabled("TimerCheck"));

    OnTop()->setChecked(false);
    RunMode()->setCurrentIndex(1);
    Save();
    EXPECT_FALSE(Topmost());
    EXPECT_EQ(ReadConfig(), ConfigImage(2, 21, 9, 0));
}

TEST_F(OptionsPageTest, SavingDailyInAStartAndQuitRunStartsNoHourlyCheck)
{
    WriteConfig(1);
    AddDueContact();
    TFormMain& form = Run();
    form.btnMinimizeClick();
    form.mnuShowClick();
    RunMode()->setCurrentIndex(1);
    Save();
    EXPECT_FALSE(TimerEnabled("TimerCheck"));
    EXPECT_EQ(ReadConfig(), ConfigImage(2, 15, 1, 0));
}

TEST_F(OptionsPageTest, SavingAfterForceDailyMakesDailyPermanent)
{
    WriteConfig(1);
    Start("-forcedaily");
    Save();
    EXPECT_EQ(ReadConfig(), ConfigImage(2, 15, 1, 0));
}

TEST_F(OptionsPageTest, SavingTwiceWritesTheSameFileQuietly)
{
    Start();
    Save();
    const QByteArray first = ReadConfig();
    Save();
    EXPECT_EQ(ReadConfig(), first);
    EXPECT_TRUE(Dialogs.Boxes.empty());
}

TEST_F(OptionsPageTest, AFailedSaveIsReportedAndTheNewValuesStayInMemory)
{
    TFormMain& form = Run();
    QFile::remove(QStringLiteral("Nelvora.cfg"));
    Forward()->setValue(4);
    AutoClose()->setValue(3);
    OnTop()->setChecked(true);
    Dialogs.Answers = {IDialogs::Answer::Yes};

    Save();

    ASSERT_EQ(BoxesOf("ask").size(), 1u);
    EXPECT_EQ(Dialogs.Boxes[0].Caption, "Nelvora Error");
    EXPECT_TRUE(Dialogs.Boxes[0].Text.startsWith("Can't save configuration!\n\nWould you like"));
    EXPECT_TRUE(Clipboard.Texts.at(0).startsWith("TConfig:Save - Error saving file: Nelvora.cfg [Cannot open file"));
    EXPECT_FALSE(QFile::exists(QStringLiteral("Nelvora.cfg")));
    EXPECT_EQ(form.Config().CheckForwardDays, 4);
    EXPECT_EQ(form.Config().AutoCloseMinutes, 3);
    EXPECT_EQ(form.Config().AlwaysOnTop, 1);
    EXPECT_EQ(AutoCloseTimer()->Interval(), 3 * 60000);
    EXPECT_TRUE(Topmost());
}

// ---- About page ----

TEST_F(AboutPageTest, ThePageHoldsItsLabelsAndLink)
{
    Run();
    EXPECT_EQ(Find<QWidget>("GroupBox2")->geometry(), QRect(8, 8, 401, 185));
    EXPECT_EQ(Find<QLabel>("Image1")->geometry(), QRect(16, 32, 32, 32));
    EXPECT_EQ(Find<QLabel>("lblAbout")->text(), "Nelvora v1.0");
    EXPECT_FALSE(Find<QLabel>("Label3")->text().isEmpty());
    EXPECT_EQ(Find<QLabel>("Label4")->text(), "This program is free to use!");
    auto* link = Find<QLabel>("llblHomePage");
    EXPECT_EQ(link->text(), "-=> Visit Home Page <=-");
    EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
}

TEST_F(AboutPageTest, TheScrollerTypesTheTextAndStartsAgainAfterItStoodForOneTick)
{
    Run();
    EXPECT_EQ(std::string(TFormMain::AboutScrollText), ScrollText);
    EXPECT_EQ(ScrollText.size(), 80u);

    Ticks(1);
    EXPECT_EQ(Scroll(), "P");
    Ticks(79);
    EXPECT_EQ(Scroll().toStdString(), ScrollText);
    EXPECT_EQ(Form->AboutScrollPos, 80);
    Ticks(1);
    EXPECT_EQ(Scroll(), "P"); // never empty
    EXPECT_EQ(Form->AboutScrollPos, 1);
}

TEST_F(AboutPageTest, TheScrollerRunsExactlyWhileTheUserShowsTheAboutPage)
{
    Run();
    Form->mnuShowClick();
    auto* timer = dynamic_cast<TWindowTimer*>(Find<QTimer>("Timer"));
    EXPECT_FALSE(timer->Enabled());

    Pages()->setCurrentIndex(3); // About
    EXPECT_TRUE(timer->Enabled());
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 140);
    Ticks(5);

    Pages()->setCurrentIndex(1);
    EXPECT_FALSE(timer->Enabled());
    EXPECT_EQ(Scroll(), "Pleas");

    Pages()->setCurrentIndex(3); // About
    Ticks(1);
    EXPECT_EQ(Scroll(), "Please"); // resumed where it stopped
}

TEST_F(AboutPageTest, SendToTrayStopsTheScrollerAndRestoringOnTheAboutPageResumesIt)
{
    Run();
    Form->mnuShowClick();
    Pages()->setCurrentIndex(3); // About
    Ticks(3);
    Form->btnMinimizeClick();
    EXPECT_FALSE(TimerEnabled("Timer"));
    EXPECT_EQ(Scroll(), "Ple");

    Tray.Click();
    EXPECT_TRUE(TimerEnabled("Timer"));
    Ticks(1);
    EXPECT_EQ(Scroll(), "Plea");
}

TEST_F(AboutPageTest, TheScrollerTicksThroughTheEventLoop)
{
    Run();
    Form->mnuShowClick();
    Pages()->setCurrentIndex(3); // About
    // Two ticks, however slowly a busy machine delivers them.
    EXPECT_TRUE(QTest::qWaitFor([this] { return Scroll().size() >= 2; }, 5000)) << Scroll().toStdString();
}

TEST_F(AboutPageTest, ClickingTheIconShowsTheVersionBox)
{
    Run();
    Form->mnuShowClick();
    Pages()->setCurrentIndex(3); // About
    QTest::mouseClick(Find<QLabel>("Image1"), Qt::LeftButton);

    const auto info = BoxesOf("information");
    ASSERT_EQ(info.size(), 1u);
    EXPECT_EQ(info[0].Caption, "Information");
    const QRegularExpression form(R"(^Nelvora v1\.0 Built on:[A-Z][a-z]{2} \d{2} \d{4} \d{2}:\d{2}:\d{2}$)");
    EXPECT_TRUE(form.match(info[0].Text).hasMatch()) << info[0].Text.toStdString();
}

TEST(BuildStampTest, HasTheFixedFormWithTheDayPaddedByZero)
{
    EXPECT_EQ(BuildDateTime("Jan  7 2007", "12:00:20"), "Jan 07 2007 12:00:20");
    EXPECT_EQ(BuildDateTime("Jan 17 2007", "12:00:20"), "Jan 17 2007 12:00:20");
    const QRegularExpression form(R"(^Built on:[A-Z][a-z]{2} \d{2} \d{4} \d{2}:\d{2}:\d{2}$)");
    EXPECT_TRUE(form.match(QString::fromStdString(BuildStamp())).hasMatch()) << BuildStamp();
}

// ---- launches ----

TEST_F(LaunchTest, TheHomePageOpensOrNamesItsAddressWhenItCannot)
{
    Run();
    Form->llblHomePageClick();
    ASSERT_EQ(Launcher.OpenedUrls.size(), 1);
    const QUrl url(Launcher.OpenedUrls[0]);
    EXPECT_EQ(url.scheme(), "https");
    EXPECT_EQ(url.path(), "/nelvora_open.html");
    EXPECT_TRUE(Dialogs.Boxes.empty());

    Launcher.OpenResult = false;
    Form->llblHomePageClick();
    const auto errors = BoxesOf("errorDialog");
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].Caption, "Error");
    EXPECT_EQ(errors[0].Text, "Sorry!\nCouldn't find any web application to visit home page!\nPlease visit " +
                                  Launcher.OpenedUrls[0] + " by your own.");
}

TEST_F(LaunchTest, HelpOpensThePageInTheDataFolderBesideTheProgramOrSaysSorry)
{
    Run();
    QTemporaryDir install;
    const QString prefix = install.path() + QStringLiteral("/my tools");
    const QString bin = prefix + QStringLiteral("/bin");
    ASSERT_TRUE(QDir().mkpath(bin));
    ASSERT_TRUE(QDir().mkpath(prefix + QStringLiteral("/share/nelvora")));
    QFile page(prefix + QStringLiteral("/share/nelvora/nelvora.html"));
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.close();
    Launcher.ProgramFile = bin + QStringLiteral("/nelvora");

    Find<QPushButton>("btnHelp")->click();
    ASSERT_EQ(Launcher.OpenedUrls.size(), 1);
    EXPECT_EQ(QUrl(Launcher.OpenedUrls[0]).toLocalFile(), page.fileName());
    EXPECT_TRUE(Dialogs.Boxes.empty());

    // The opener fails.
    Launcher.OpenResult = false;
    Form->btnHelpClick();
    ASSERT_EQ(BoxesOf("errorDialog").size(), 1u);
    EXPECT_EQ(BoxesOf("errorDialog")[0].Text, "Sorry!\nCouldn't open help file!\n");

    // The page is missing: nothing is opened at all.
    Launcher.OpenResult = true;
    ASSERT_TRUE(page.remove());
    Form->btnHelpClick();
    EXPECT_EQ(Launcher.OpenedUrls.size(), 2);
    ASSERT_EQ(BoxesOf("errorDialog").size(), 2u);
    EXPECT_EQ(BoxesOf("errorDialog")[1].Text, "Sorry!\nCouldn't open help file!\n");
}

TEST_F(LaunchTest, ShowAddressBookStartsTheFirstInstalledContactManager)
{
    Run();
    Launcher.Installed = {{"evolution", "/usr/bin/evolution"}, {"thunderbird", "/usr/bin/thunderbird"}};
    Find<QAction>("mnuShowAddressBook")->trigger();
    ASSERT_EQ(Launcher.Started.size(), 1u);
    EXPECT_EQ(Launcher.Started[0].first, "/usr/bin/evolution");
    EXPECT_EQ(Launcher.Started[0].second, QStringList{"--component=contacts"});

    Launcher.Installed.insert("gnome-contacts", "/usr/bin/gnome-contacts");
    Form->mnuShowAddressBookClick();
    EXPECT_EQ(Launcher.Started.back().first, "/usr/bin/gnome-contacts");
    EXPECT_TRUE(Dialogs.Boxes.empty());
    EXPECT_FALSE(Form->isVisible()); // no state changes
}

TEST_F(LaunchTest, WithoutAContactManagerTheContactsFolderIsOpened)
{
    Run();
    QTemporaryDir dataHome;
    ASSERT_TRUE(QDir(dataHome.path()).mkpath(QStringLiteral("contacts")));
    const QByteArray oldDataHome = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", dataHome.path().toUtf8());

    Form->mnuShowAddressBookClick();

    ASSERT_EQ(Launcher.OpenedUrls.size(), 1);
    EXPECT_EQ(QUrl(Launcher.OpenedUrls[0]).toLocalFile(), dataHome.path() + "/contacts");
    EXPECT_TRUE(Dialogs.Boxes.empty());

    Launcher.OpenResult = false;
    Form->mnuShowAddressBookClick();
    qputenv("XDG_DATA_HOME", oldDataHome);
    const auto errors = BoxesOf("errorDialog");
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].Text, "Can't run address book program!");
}

TEST_F(LaunchTest, AFailedStartFallsBackAndNothingStartedIsReported)
{
    Run();
    const QByteArray oldDataHome = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", "/nonexistent-nelvora-test");
    Launcher.Installed = {{"kaddressbook", "/usr/bin/kaddressbook"}};
    Launcher.StartResult = false;

    Form->mnuShowAddressBookClick();

    qputenv("XDG_DATA_HOME", oldDataHome);
    EXPECT_EQ(Launcher.Started.size(), 1u);
    EXPECT_TRUE(Launcher.OpenedUrls.isEmpty());
    const auto errors = BoxesOf("errorDialog");
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].Text, "Can't run address book program!");
}

TEST_F(LaunchTest, ADoubleClickAnywhereInTheListStartsTheContactManager)
{
    AddDueContact();
    Run();
    Launcher.Installed = {{"kaddressbook", "/usr/bin/kaddressbook"}};
    auto* list = Find<QTreeWidget>("lvEventList");
    const QRect heading = list->visualItemRect(list->topLevelItem(0));
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, heading.center());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, QPoint(20, list->viewport()->height() - 5));
    EXPECT_EQ(Launcher.Started.size(), 2u);
}
