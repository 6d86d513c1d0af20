#include "TDayWatch.h"

#include <algorithm>
#include <cstdlib>
#include <optional>

#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QTest>
#include <QTimeZone>

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <ctime>

namespace {

qint64 Utc(const char* iso)
{
    return QDateTime::fromString(QString::fromLatin1(iso), Qt::ISODate).toMSecsSinceEpoch();
}

} // namespace

TEST(NextDayStart, IsTheFirstMomentOfTheNewLocalDayAcrossDaylightSavingChanges)
{
    struct TCase
    {
        const char* Zone;
        const char* Now;      // UTC
        const char* Expected; // UTC
        const char* Why;
    };
    const TCase cases[] = {
        {"Europe/Berlin", "2024-03-30T11:00:00Z", "2024-03-30T23:00:00Z", "the night before spring forward"},
        {"Europe/Berlin", "2024-03-31T00:30:00Z", "2024-03-31T22:00:00Z", "a day of 23 hours"},
        {"Europe/Berlin", "2024-10-26T23:30:00Z", "2024-10-27T23:00:00Z", "a day of 25 hours"},
        {"Europe/Berlin", "2024-05-31T22:00:00Z", "2024-06-01T22:00:00Z", "at midnight itself: the next one"},
        // The clocks jump from 24:00 to 01:00: the day begins where the jump lands.
        {"America/Santiago", "2024-09-07T16:00:00Z", "2024-09-08T04:00:00Z", "midnight does not exist"},
        // The clocks go back from 24:00 to 23:00: the new day begins when they next read midnight.
        {"America/Santiago", "2024-04-06T15:00:00Z", "2024-04-07T04:00:00Z", "midnight comes after the hour again"},
        {"America/Santiago", "2024-04-07T03:30:00Z", "2024-04-07T04:00:00Z", "within the repeated hour"},
        // Half-hour changes at 02:00.
        {"Australia/Lord_Howe", "2024-10-05T14:30:00Z", "2024-10-06T13:00:00Z", "half an hour forward"},
        {"Australia/Lord_Howe", "2024-04-06T14:45:00Z", "2024-04-07T13:30:00Z", "half an hour back"},
        // The clocks go back from 01:00 to 00:00: midnight comes twice, and the day begins at the first.
        {"America/Havana", "2024-11-02T16:00:00Z", "2024-11-03T04:00:00Z", "the first of two midnights"},
        {"America/Havana", "2024-11-03T04:30:00Z", "2024-11-04T05:00:00Z", "between the two midnights"},
        {"America/Havana", "2024-11-03T05:00:00Z", "2024-11-04T05:00:00Z", "at the second midnight"},
    };
    for (const TCase& c : cases) {
        const QTimeZone zone(c.Zone);
        ASSERT_TRUE(zone.isValid()) << c.Zone << " (tzdata)";
        EXPECT_EQ(QDateTime::fromMSecsSinceEpoch(NextDayStart(Utc(c.Now), zone), Qt::UTC),
                  QDateTime::fromMSecsSinceEpoch(Utc(c.Expected), Qt::UTC))
            << c.Zone << ": " << c.Why;
    }
}

// "Remind at 02:30" in Berlin: on the night the clocks skip 02:00-03:00 the check is due from 03:00, and on the night
// they read 02:00-03:00 twice, from the first 02:30; the watch aims there, not an hour later.
TEST(NextWatchAim, IsTheFirstMomentTheClocksReadTheChosenTimeOnTheDaysTheyChange)
{
    struct TCase
    {
        const char* Now;      // UTC
        int TimeOfDay;        // minutes after midnight
        const char* Expected; // UTC
        const char* Why;
    };
    const TCase cases[] = {
        {"2025-03-29T23:30:00Z", 150, "2025-03-30T01:00:00Z", "02:30 does not exist: 03:00 +02:00"},
        {"2025-03-30T00:59:00Z", 150, "2025-03-30T01:00:00Z", "a minute before the jump"},
        {"2025-03-30T01:00:00Z", 150, "2025-03-30T22:00:00Z", "at the jump: due now, next the day start"},
        {"2025-10-25T23:00:00Z", 150, "2025-10-26T00:30:00Z", "the first of two 02:30s: 02:30 +02:00"},
        {"2025-10-26T01:00:00Z", 150, "2025-10-26T23:00:00Z", "between the two: due already, next the day start"},
        {"2025-06-01T06:00:00Z", 9 * 60, "2025-06-01T07:00:00Z", "an ordinary morning"},
        {"2025-06-01T08:00:00Z", 9 * 60, "2025-06-01T22:00:00Z", "the chosen time has passed"},
        {"2025-06-01T06:00:00Z", 0, "2025-06-01T22:00:00Z", "none chosen: the day start"},
    };
    const QTimeZone zone("Europe/Berlin");
    ASSERT_TRUE(zone.isValid()) << "tzdata";
    for (const TCase& c : cases)
        EXPECT_EQ(QDateTime::fromMSecsSinceEpoch(NextWatchAim(Utc(c.Now), c.TimeOfDay, zone), Qt::UTC),
                  QDateTime::fromMSecsSinceEpoch(Utc(c.Expected), Qt::UTC))
            << c.Why;
}

namespace {

// An environment variable set for one test and put back after it.
class TScopedEnv
{
public:
    TScopedEnv(const char* name, const QByteArray& value)
        : m_name(name), m_old(qgetenv(name)), m_had(qEnvironmentVariableIsSet(name))
    {
        qputenv(name, value);
    }
    TScopedEnv(const TScopedEnv&) = delete;
    TScopedEnv& operator=(const TScopedEnv&) = delete;
    ~TScopedEnv()
    {
        if (m_had)
            qputenv(m_name, m_old);
        else
            qunsetenv(m_name);
    }

private:
    const char* m_name;
    QByteArray m_old;
    bool m_had;
};

// A system bus that is not there: logind's part is left out without a word.
TScopedEnv NoSystemBus()
{
    return TScopedEnv("DBUS_SYSTEM_BUS_ADDRESS", "unix:path=/nonexistent/nelvora-test-bus");
}

// Under libfaketime (the test entry that runs these with the clock moved), the wall clock reads `at`, given as
// "@YYYY-MM-DD hh:mm:ss" in UTC; false when the tests run on the real clock.
bool SetFakeClock(const char* at)
{
    const QString file = qEnvironmentVariable("NELVORA_FAKETIME_FILE");
    if (file.isEmpty())
        return false;
    QFile timestamp(file);
    if (!timestamp.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    timestamp.write(QByteArray(at) + '\n');
    return true;
}

double CpuMs()
{
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000.0 +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1000.0;
}

} // namespace

TEST(DayWatch, RunsItsMidnightTimerWithoutASystemBus)
{
    const TScopedEnv bus = NoSystemBus();
    TDayWatch watch;
    watch.Start([] {});
    const int remaining = watch.MidnightRemaining();
    EXPECT_GT(remaining, 0);
    EXPECT_LE(remaining, 25 * 3600 * 1000);
    watch.Stop();
    EXPECT_EQ(watch.MidnightRemaining(), -1);
}

// Nothing asks for a new day unless something happened: also with the clock past 2038, where a clock-change timer
// aimed at the largest 32-bit time has long expired.
TEST(DayWatch, StaysQuietAfterStartEvenWithTheClockPast2038)
{
    if (SetFakeClock("@2040-01-02 00:00:00")) {
        ASSERT_GE(QDateTime::currentDateTimeUtc().date().year(), 2040) << "libfaketime did not move the clock";
    }
    const TScopedEnv bus = NoSystemBus();
    TDayWatch watch;
    int asked = 0;
    const double cpuBefore = CpuMs();
    QElapsedTimer wall;
    wall.start();
    watch.Start([&] { ++asked; });
    QTest::qWait(300);
    const double cpu = CpuMs() - cpuBefore;
    EXPECT_EQ(asked, 0);
    EXPECT_LT(cpu, wall.elapsed() / 4.0) << "CPU ms " << cpu << " over " << wall.elapsed() << " ms";
    EXPECT_GT(watch.MidnightRemaining(), 0);
}

TEST(DayWatch, AWakeUpAsksOnceAndAimsTheMidnightTimerAfresh)
{
    const TScopedEnv bus = NoSystemBus();
    // Aimed a minute before midnight; the clock then reads noon, as after a night asleep.
    const bool faked = SetFakeClock("@2024-06-01 23:59:00");
    TDayWatch watch;
    int asked = 0;
    watch.Start([&] { ++asked; });
    if (faked) {
        EXPECT_LE(watch.MidnightRemaining(), 61 * 1000);
    }

    QMetaObject::invokeMethod(&watch, "OnPrepareForSleep", Q_ARG(bool, true));
    EXPECT_EQ(asked, 0) << "going to sleep is no new day";
    if (faked)
        SetFakeClock("@2024-06-02 12:00:00");
    QMetaObject::invokeMethod(&watch, "OnPrepareForSleep", Q_ARG(bool, false));
    EXPECT_EQ(asked, 1);
    if (faked) {
        EXPECT_GT(watch.MidnightRemaining(), 11 * 3600 * 1000);
        EXPECT_LE(watch.MidnightRemaining(), 12 * 3600 * 1000 + 1000);
    }
}

// At noon the user sets Remind at to a minute past noon and saves: the reminder comes within that minute, not at the
// next midnight or hourly tick.
TEST(DayWatch, ATimeOfDaySavedForLaterTodayIsAimedAtAtOnce)
{
    const TScopedEnv bus = NoSystemBus();
    SetFakeClock("@2024-06-01 12:00:00");
    TDayWatch watch;
    watch.Start([] {});
    const QTime now = QTime::currentTime();
    // On the real clock a minute before midnight has no later minute today; midnight is as near then.
    watch.SetTimeOfDay(std::min(now.hour() * 60 + now.minute() + 1, 23 * 60 + 59));
    EXPECT_GT(watch.MidnightRemaining(), 0);
    EXPECT_LE(watch.MidnightRemaining(), 61 * 1000);
}

// The same on the user's own clock: in Berlin at 01:30 on the night the clocks skip an hour, Remind at 02:30 rings
// at 03:00 local time, half an hour on, not at 03:30.
TEST(DayWatch, RemindAtInTheHourTheClocksSkipRingsWhenTheyLand)
{
    const TScopedEnv bus = NoSystemBus();
    // The zone for this test only: the C library reads TZ again only when told to.
    struct TBerlin
    {
        std::optional<TScopedEnv> Zone{std::in_place, "TZ", "Europe/Berlin"};
        TBerlin() { ::tzset(); }
        ~TBerlin()
        {
            Zone.reset();
            ::tzset();
        }
    } berlin;
    // The moved clock reads local time.
    if (!SetFakeClock("@2025-03-30 01:30:00"))
        GTEST_SKIP() << "needs the moved clock";
    ASSERT_LT(std::abs(QDateTime::currentMSecsSinceEpoch() - Utc("2025-03-30T00:30:00Z")), 5000);
    TDayWatch watch;
    watch.Start([] {});
    watch.SetTimeOfDay(150);
    const int remaining = watch.MidnightRemaining();
    watch.Stop();
    EXPECT_GT(remaining, 29 * 60 * 1000);
    EXPECT_LE(remaining, 30 * 60 * 1000);
}
