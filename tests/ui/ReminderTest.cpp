#include "FormFixture.h"

#include <QComboBox>

namespace {

class ReminderTest : public FormFixture
{
protected:
    // Daily or start-and-quit mode, with the look-ahead of 15 days and "Remind me with" stored at offset 24.
    void WriteOptions(std::int32_t runMode, std::int32_t remindWith)
    {
        QByteArray image = ConfigImage(runMode, 15, 1, 0);
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
    Run();

    ASSERT_EQ(Notifier.Notices.size(), 1u);
    const TNotice& notice = Notifier.Notices[0];
    EXPECT_EQ(notice.Summary, QStringLiteral("2 birthdays today, 1 anniversary tomorrow, 1 birthday in 15 days"));
    EXPECT_EQ(notice.BodyLines, QStringList({QStringLiteral("Ben: bday. 56 today"),
                                             QString(79, QLatin1Char('x')) + QChar(0x2026) + ": bday. 26 today",
                                             QStringLiteral("<b>&</b> Amp ersand: anniv. 26 tomorrow"),
                                             QStringLiteral("Carl: bday. 36 in 15 days")}));
    EXPECT_EQ(notice.ExpireMs, 0);
    EXPECT_EQ(notice.ShowListLabel, QStringLiteral("Show List"));
    EXPECT_TRUE(Form->isVisible());

    // "Check Now" the same day: the days still count, the window date is not announced again.
    Form->btnMinimizeClick();
    Form->btnCheckNowClick();
    ASSERT_EQ(Notifier.Notices.size(), 2u);
    EXPECT_EQ(Notifier.Notices[1].Summary, QStringLiteral("2 birthdays today, 1 anniversary tomorrow"));

    // Two days on: only what is due tomorrow; nothing due today, so the notification may expire.
    Clock.AdvanceDay(2);
    AddContact("Eve", 1, 1999);
    Form->btnCheckNowClick();
    ASSERT_EQ(Notifier.Notices.size(), 3u);
    EXPECT_EQ(Notifier.Notices[2].Summary, QStringLiteral("1 birthday tomorrow"));
    EXPECT_EQ(Notifier.Notices[2].ExpireMs, -1);
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

        EXPECT_EQ(Form->isVisible(), c.Window);
        ASSERT_EQ(Notifier.Notices.size(), c.Notified ? 1u : 0u);
        if (c.Notified) {
            EXPECT_EQ(Notifier.Notices[0].ShowListLabel.isEmpty(), !c.Actions);
        }
        EXPECT_EQ(Application.TerminateCount, c.Terminated);
        EXPECT_EQ(Find<QComboBox>("cbRemindWith")->currentIndex(), c.RemindWith == 9 ? 0 : c.RemindWith);
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
