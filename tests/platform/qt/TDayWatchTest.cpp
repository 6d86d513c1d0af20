#include "TDayWatch.h"

#include <QDateTime>
#include <QTimeZone>

#include <gtest/gtest.h>

#include <cstdlib>

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
    };
    for (const TCase& c : cases) {
        const QTimeZone zone(c.Zone);
        ASSERT_TRUE(zone.isValid()) << c.Zone << " (tzdata)";
        EXPECT_EQ(QDateTime::fromMSecsSinceEpoch(NextDayStart(Utc(c.Now), zone), Qt::UTC),
                  QDateTime::fromMSecsSinceEpoch(Utc(c.Expected), Qt::UTC))
            << c.Zone << ": " << c.Why;
    }
}

TEST(DayWatch, RunsItsMidnightTimerWithoutASystemBus)
{
    // A system bus that is not there: logind's part is left out without a word.
    ::setenv("DBUS_SYSTEM_BUS_ADDRESS", "unix:path=/nonexistent/nelvora-test-bus", 1);
    TDayWatch watch;
    watch.Start([] {});
    const int remaining = watch.MidnightRemaining();
    EXPECT_GT(remaining, 0);
    EXPECT_LE(remaining, 25 * 3600 * 1000);
    watch.Stop();
    EXPECT_EQ(watch.MidnightRemaining(), -1);
}
