#include "FormFixture.h"

#include "InstallTranslations.h"
#include "TEventList.h"
#include "TReminder.h"

#include <QComboBox>
#include <QDir>
#include <QRegularExpression>

#include <algorithm>

namespace {

// A notification line: the name isolated from the text around it, then the event.
QString Line(const QString& name, const char* event)
{
    return QChar(0x2068) + name + QChar(0x2069) + QLatin1String(event);
}

class ReminderTest : public FormFixture
{
protected:
    void SetUp() override
    {
        FormFixture::SetUp();
        // English as the program runs it: the singulars come from the English plural file.
        InstallTranslations(m_translations, {QStringLiteral("en")}, QStringLiteral(NELVORA_QM_DIR));
    }

    // Daily or start-and-quit mode, with a look-ahead of `forward` days and "Remind me with" stored at offset 24.
    void WriteOptions(std::int32_t runMode, std::int32_t remindWith, std::int32_t forward = 15)
    {
        QByteArray image = ConfigImage(runMode, forward, 1, 0);
        for (int i = 0; i < 4; ++i)
            image[24 + i] = static_cast<char>((static_cast<std::uint32_t>(remindWith) >> (8 * i)) & 0xFF);
        QFile file(QStringLiteral("Nelvora.cfg"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(image);
    }

    // A contact whose birthday (or anniversary) comes `days` from today, in the year `year`.
    void AddContact(const std::string& name, int days, int year, bool anniversary = false)
    {
        const Calendar::CivilDate date = Calendar::CivilFromDay(Calendar::WholeDay(Clock.Day) + days);
        const FakeWab::TDay day{year, static_cast<int>(date.Month), static_cast<int>(date.Day)};
        if (anniversary)
            FakeWab::Contacts.push_back({name, std::nullopt, day});
        else
            FakeWab::Contacts.push_back({name, day, std::nullopt});
    }

private:
    QObject m_translations;
};

} // namespace

TEST_F(ReminderTest, ANotificationCountsTodayTomorrowAndWhatEntersTheWindowAndShowsNamesAsText)
{
    WriteOptions(2, 0);
    AddContact("Ben", 0, 1970);
    AddContact("<b>&</b>\tAmp\nersand", 1, 2000, true);
    AddContact("Carl", 15, 1990);
    AddContact("Dora", 5, 1980); // in the window since earlier days: listed, not notified
    AddContact(std::string(100, 'x'), 0, 2000);
    Clock.Minute = 22 * 60 + 30; // a start late in the evening
    Run();

    ASSERT_EQ(Notifier.Notices.size(), 1u);
    const TNotice& notice = Notifier.Notices[0];
    EXPECT_EQ(notice.Summary, QStringLiteral("2 birthdays today")) << "the nearest day; the body has the rest";
    EXPECT_EQ(notice.BodyLines, QStringList({Line("Ben", ": bday. 56 today"),
                                             Line(QString(79, QLatin1Char('x')) + QChar(0x2026), ": bday. 26 today"),
                                             Line("<b>&</b> Amp ersand", ": anniv. 26 tomorrow"),
                                             Line("Carl", ": bday. 36 in 15 days")}));
    EXPECT_EQ(notice.ExpireMs, -1) << "up as long as it is true: the program takes it down";
    EXPECT_EQ(notice.ShowListLabel, QStringLiteral("Show List"));
    EXPECT_TRUE(Form->isVisible());

    // "Check Now" the same day: the days still count, the window date is not announced again.
    Form->btnMinimizeClick();
    Form->btnCheckNowClick();
    ASSERT_EQ(Notifier.Notices.size(), 2u);
    EXPECT_EQ(Notifier.Notices[1].Summary, QStringLiteral("2 birthdays today"));

    // Two days on: only what is due tomorrow.
    Clock.AdvanceDay(2);
    AddContact("Eve", 1, 1999);
    Form->btnCheckNowClick();
    ASSERT_EQ(Notifier.Notices.size(), 3u);
    EXPECT_EQ(Notifier.Notices[2].Summary, QStringLiteral("1 birthday tomorrow"));
}

TEST_F(ReminderTest, TheNoticeStaysAsLongAsItsDayAndGoesWithTheRunningProgram)
{
    // Daily mode with the new day's check at 08:00; the first check a moment before midnight.
    WriteOptions(2, 0);
    {
        QFile file(QStringLiteral("Nelvora.cfg"));
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        QByteArray image = file.readAll();
        image[28] = static_cast<char>(480 & 0xFF);
        image[29] = static_cast<char>(480 >> 8);
        file.seek(0);
        file.write(image);
    }
    AddContact("Ben", 0, 1970);
    Clock.Minute = 23 * 60 + 59;
    Run();
    ASSERT_EQ(Notifier.Notices.size(), 1u);
    EXPECT_EQ(Notifier.Notices[0].ExpireMs, -1);
    Form->TimerCheckTimer(); // a tick the same day
    EXPECT_EQ(Notifier.Withdrawals, 0);

    // Midnight: "today" is false now, though the new day's check waits for 08:00.
    Clock.AdvanceDay();
    Clock.Minute = 0;
    Form->TimerCheckTimer();
    EXPECT_EQ(Notifier.Withdrawals, 1);
    EXPECT_EQ(FakeWab::OpenCount, 1) << "no check before the chosen time";
    Form->TimerCheckTimer();
    EXPECT_EQ(Notifier.Withdrawals, 1) << "taken down once";

    // The new day's notice, then Quit: its actions would answer nobody.
    AddContact("Cleo", 0, 1980);
    Clock.Minute = 8 * 60;
    Form->TimerCheckTimer();
    ASSERT_EQ(Notifier.Notices.size(), 2u);
    Form->mnuQuitClick();
    EXPECT_EQ(Notifier.Withdrawals, 2);
}

TEST_F(ReminderTest, AStartAndQuitRunLeavesItsNoticeUpWithoutActions)
{
    WriteOptions(1, 2); // start and quit, reminded by the notification only
    AddContact("Ben", 0, 1970);
    Run();
    ASSERT_EQ(Notifier.Notices.size(), 1u);
    EXPECT_TRUE(Notifier.Notices[0].ShowListLabel.isEmpty());
    EXPECT_TRUE(Notifier.Notices[0].Actions.empty());
    Notifier.Answer(true); // the server took it: the run ends
    EXPECT_EQ(Application.TerminateCount, 1);
    EXPECT_EQ(Notifier.Withdrawals, 0) << "the notice is the reminder";
}

TEST_F(ReminderTest, AfterEightLinesTheBodyEndsWithHowManyMore)
{
    WriteOptions(2, 0);
    for (int i = 0; i < 11; ++i)
        AddContact("Person " + std::to_string(i), 0, 1980);
    Run();

    ASSERT_EQ(Notifier.Notices.size(), 1u);
    EXPECT_EQ(Notifier.Notices[0].Summary, QStringLiteral("11 birthdays today"));
    ASSERT_EQ(Notifier.Notices[0].BodyLines.size(), 9);
    EXPECT_EQ(Notifier.Notices[0].BodyLines.back(), QStringLiteral("and 3 more"));
}

TEST_F(ReminderTest, YesterdaysTodayNoticeIsWithdrawnWhenTheNewDayHasNothingToSay)
{
    WriteOptions(2, 0);
    AddContact("Ben", 0, 1970);
    Run();
    ASSERT_EQ(Notifier.Notices.size(), 1u);
    Form->btnCheckNowClick(); // the same day: today's notice stays true, renewed in place
    EXPECT_EQ(Notifier.Withdrawals, 0);
    const std::size_t posted = Notifier.Notices.size();

    Clock.AdvanceDay();
    Form->TimerCheckTimer();
    EXPECT_EQ(Notifier.Notices.size(), posted);
    EXPECT_EQ(Notifier.Withdrawals, 1);
}

TEST_F(ReminderTest, RemindWithDecidesBetweenWindowAndNotification)
{
    struct TCase
    {
        std::int32_t RunMode;
        std::int32_t RemindWith;
        bool Window;
        bool Notified;
        bool Actions;
        int Terminated;
    };
    for (const TCase& c : {TCase{2, 0, true, true, true, 0},
                           {2, 1, true, false, false, 0},
                           {2, 2, false, true, true, 0},
                           {1, 2, false, true, false, 1},
                           {1, 0, true, true, false, 0},
                           {2, 9, true, true, true, 0}}) {
        SCOPED_TRACE(testing::Message() << "run mode " << c.RunMode << ", remind with " << c.RemindWith);
        FormFixture::TearDown();
        Notifier.Notices.clear();
        Application.TerminateCount = 0;
        FormFixture::SetUp();
        WriteOptions(c.RunMode, c.RemindWith);
        AddDueContact();
        Run();
        Notifier.Answer(true); // a server took the notice

        EXPECT_EQ(Form->isVisible(), c.Window);
        ASSERT_EQ(Notifier.Notices.size(), c.Notified ? 1u : 0u);
        if (c.Notified) {
            EXPECT_EQ(Notifier.Notices[0].ShowListLabel.isEmpty(), !c.Actions);
        }
        EXPECT_EQ(Application.TerminateCount, c.Terminated);
        EXPECT_EQ(Find<QComboBox>("cbRemindWith")->currentIndex(), c.RemindWith == 9 ? 0 : c.RemindWith);
    }
    // "Notification only" without a server that takes the notice: the window stands in, in both run modes.
    for (const std::int32_t runMode : {1, 2}) {
        FormFixture::TearDown();
        Application.TerminateCount = 0;
        FormFixture::SetUp();
        WriteOptions(runMode, 2);
        AddDueContact();
        Run();
        EXPECT_FALSE(Form->isVisible());
        EXPECT_EQ(Application.TerminateCount, 0) << "a start-and-quit run waits for the answer";
        Notifier.Answer(false);
        EXPECT_TRUE(Form->isVisible()) << "run mode " << runMode;
        EXPECT_EQ(Application.TerminateCount, 0);
    }
    // The last run left hidden by "notification only" is shown by the notification's action.
    FormFixture::TearDown();
    FormFixture::SetUp();
    WriteOptions(2, 2);
    AddDueContact();
    Run();
    ASSERT_TRUE(Notifier.Show);
    Notifier.Show();
    EXPECT_TRUE(Form->isVisible());
}

TEST_F(ReminderTest, SavingStoresRemindWithAtOffset24AndKeepsTheRest)
{
    WriteOptions(2, 2);
    Run();
    Find<QComboBox>("cbRemindWith")->setCurrentIndex(1);
    Form->btnSaveChangesClick();

    const QByteArray saved = ReadConfig();
    ASSERT_EQ(saved.size(), 32);
    EXPECT_EQ(saved.left(24), ConfigImage(2, 15, 1, 0).left(24));
    EXPECT_EQ(saved.mid(24), QByteArray::fromHex("0100000000000000"));
}

TEST_F(ReminderTest, TheDayWatchAsksForTheDayChangeCheckInDailyModeOnly)
{
    WriteOptions(2, 0);
    Start();
    ASSERT_TRUE(DayWatch.MaybeNewDay);
    DayWatch.MaybeNewDay(); // before the first check: that check comes with the first tick
    EXPECT_EQ(FakeWab::OpenCount, 0);

    Form->TimerTimer();
    EXPECT_EQ(FakeWab::OpenCount, 1);
    DayWatch.MaybeNewDay(); // same day
    EXPECT_EQ(FakeWab::OpenCount, 1);
    Clock.AdvanceDay();
    AddDueContact();
    DayWatch.MaybeNewDay();
    EXPECT_EQ(FakeWab::OpenCount, 2);
    EXPECT_TRUE(Form->isVisible());

    Form.reset();
    EXPECT_FALSE(DayWatch.MaybeNewDay);
    EXPECT_FALSE(Notifier.Show);

    FormFixture::TearDown();
    FormFixture::SetUp();
    WriteOptions(1, 0);
    Run();
    EXPECT_FALSE(DayWatch.MaybeNewDay);
}

TEST_F(ReminderTest, CountsOfTheComingDaysTakeAPluralFormForEachNumber)
{
    struct TCase
    {
        int Birthdays;
        int Anniversaries;
        const char* Summary;
    };
    for (const TCase& c : {TCase{2, 0, "2 birthdays in 5 days"},
                           {1, 0, "1 birthday in 5 days"},
                           {1, 2, "1 birthday and 2 anniversaries in 5 days"},
                           {0, 1, "1 anniversary in 5 days"}}) {
        SCOPED_TRACE(c.Summary);
        FormFixture::TearDown();
        Notifier.Notices.clear();
        FormFixture::SetUp();
        WriteOptions(2, 0, 5);
        for (int i = 0; i < c.Birthdays; ++i)
            AddContact(std::string("B").append(std::to_string(i)), 5, 1990);
        for (int i = 0; i < c.Anniversaries; ++i)
            AddContact(std::string("A").append(std::to_string(i)), 5, 2010, true);
        Run();
        ASSERT_EQ(Notifier.Notices.size(), 1u);
        EXPECT_EQ(Notifier.Notices[0].Summary, QString::fromUtf8(c.Summary));
    }
}

TEST_F(ReminderTest, ADateIsAnnouncedAgainWhenItComesRoundInALaterYear)
{
    WriteOptions(2, 0);
    AddContact("Carl", 15, 1990);
    Run();
    ASSERT_EQ(Notifier.Notices.size(), 1u);
    EXPECT_EQ(Notifier.Notices[0].BodyLines, QStringList({Line("Carl", ": bday. 36 in 15 days")}));

    Form->btnCheckNowClick();
    EXPECT_EQ(Notifier.Notices.size(), 1u);
    EXPECT_EQ(Notifier.Withdrawals, 0) << "the same day: the announcement stays on the screen";

    // The same day a year on: the same birthday, a year older, enters the window again.
    Clock.AdvanceDay(365);
    Form->btnCheckNowClick();
    ASSERT_EQ(Notifier.Notices.size(), 2u);
    EXPECT_EQ(Notifier.Notices[1].Summary, QStringLiteral("1 birthday in 15 days"));
    EXPECT_EQ(Notifier.Notices[1].BodyLines, QStringList({Line("Carl", ": bday. 37 in 15 days")}));
}

TEST(Reminder, ADailyRunRemembersOnlyTheComingDatesItAnnounced)
{
    TFakeNotifier notifier;
    TReminder reminder(notifier, [] {});
    TAddressBook book;
    book.AddItem("Ann", static_cast<TDate>(Calendar::DayFromCivil({1990, 7, 1})), 0);
    book.AddItem("Bo", static_cast<TDate>(Calendar::DayFromCivil({1985, 2, 28})), 0);
    TEventList events;
    events.CheckForwardDays = 10;

    // Three years of daily checks: each date is announced once a year, and is forgotten once its day has gone.
    TDate day = static_cast<TDate>(Calendar::DayFromCivil({2026, 1, 1}));
    std::size_t most = 0;
    for (int i = 0; i < 3 * 365; ++i, ++day) {
        events.Build(book, day);
        if (reminder.Prepare(events, ReportRows(events, day), day, true))
            reminder.Post({});
        most = std::max(most, reminder.AnnouncedCount());
    }
    int announced = 0;
    for (const TNotice& notice : notifier.Notices)
        announced += notice.Summary.endsWith(QLatin1String("in 10 days")) ? 1 : 0;
    EXPECT_EQ(announced, 6);
    EXPECT_EQ(most, 1u);
    EXPECT_EQ(reminder.AnnouncedCount(), 0u); // 30 December 2028: both dates long past
}

TEST(Reminder, ABusyDaysSummaryFitsABannerInEveryLanguage)
{
    TAddressBook book;
    const TDate today = static_cast<TDate>(Calendar::DayFromCivil({2026, 6, 1}));
    const auto add = [&](const char* name, int days, bool anniversary) {
        const auto date = Calendar::CivilFromDay(Calendar::WholeDay(today) + days);
        const TDate when = static_cast<TDate>(Calendar::DayFromCivil({1980, date.Month, date.Day}));
        book.AddItem(name, anniversary ? 0 : when, anniversary ? when : 0);
    };
    // Three birthdays and an anniversary today, more tomorrow and one entering the window.
    for (const char* name : {"Ada", "Ben", "Cy"})
        add(name, 0, false);
    add("Dee", 0, true);
    add("Eli", 1, false);
    add("Flo", 1, true);
    add("Gus", 15, true);
    TEventList events;
    events.CheckForwardDays = 15;
    events.Build(book, today);

    const QStringList languages =
        QDir(QStringLiteral(NELVORA_QM_DIR))
            .entryList({QStringLiteral("nelvora_*.qm")}, QDir::Files, QDir::Name)
            .replaceInStrings(QRegularExpression(QStringLiteral("^nelvora_|\\.qm$")), QString());
    ASSERT_GE(languages.size(), 15) << languages.join(QLatin1Char(' ')).toStdString();
    for (const QString& language : languages) {
        SCOPED_TRACE(language.toStdString());
        QObject translations;
        InstallTranslations(translations, {language}, QStringLiteral(NELVORA_QM_DIR));
        TFakeNotifier notifier;
        TReminder reminder(notifier, [] {});
        ASSERT_TRUE(reminder.Prepare(events, ReportRows(events, today), today, true));
        reminder.Post({});
        const QString summary = notifier.Notices.at(0).Summary;
        EXPECT_LE(summary.toUcs4().size(), 40) << summary.toStdString();
        EXPECT_TRUE(summary.contains(QLatin1Char('3')) && summary.contains(QLatin1Char('1'))) << summary.toStdString();
        if (language == QLatin1String("en")) {
            EXPECT_EQ(summary, QStringLiteral("3 birthdays and 1 anniversary today"));
        }
    }
}

TEST(Reminder, ShownNamesAreOneLineWithoutDirectionControlsAndCutBetweenCharacters)
{
    const QString emoji = QString::fromUtf8("\U0001F600");
    const QString ellipsis(QChar(0x2026));
    const QString x78(78, QLatin1Char('x'));
    const struct
    {
        const char* What;
        QString Name;
        QString Shown;
    } cases[] = {
        {"an override left open", QString::fromUtf8("Ann\u202Eabc"), "Annabc"},
        {"an isolate closed early", QString::fromUtf8("\u2067Dana\u2069 Lee\u202C"), "Dana Lee"},
        {"a line break", "Eve\nTwo", "Eve Two"},
        {"an emoji across the cut", x78 + emoji + "tail", x78 + ellipsis},
        {"an emoji just before the cut", QString(77, QLatin1Char('x')) + emoji + "tail",
         QString(77, QLatin1Char('x')) + emoji + ellipsis},
        {"an accent just after the cut", x78 + QString::fromUtf8("e\u0301zzzz"), x78 + ellipsis},
        {"one letter with a hundred accents", "x" + QString(100, QChar(0x0301)),
         "x" + QString(78, QChar(0x0301)) + ellipsis},
        // A mark outside the BMP, two code units, straddles the cut inside one long character: never half of it.
        {"a mark outside the BMP across the cut",
         "x" + QString(77, QChar(0x0301)) + QString::fromUcs4(U"\U0001D167") + "zzz",
         "x" + QString(77, QChar(0x0301)) + ellipsis},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.What);
        EXPECT_EQ(TReminder::ShownName(c.Name.toStdString()), c.Shown);
    }
}
