#pragma once

#include "IDayWatch.h"

#include <QObject>
#include <QTimer>
#include <QtGlobal>

class QFileSystemWatcher;
class QSocketNotifier;
class QTimeZone;

// The first moment after `nowMs` (milliseconds since the epoch) at which the local date in `zone` is a later one
// than at `nowMs`: normally the next midnight; where the clocks jump over midnight, the end of that jump; where they
// read midnight twice (put back from 01:00 to 00:00), the first time, and a moment after it already belongs to the
// new day, whose own end is the next midnight.
qint64 NextDayStart(qint64 nowMs, const QTimeZone& zone);

// Where the day watch aims after `nowMs`: today's chosen time of day (`timeOfDay` minutes after midnight, 0 for none)
// while it is still to come, else the next day start. Where the clocks change, the chosen time is the first moment
// the clocks read it (of two, the first; within a jump over it, where the jump lands).
qint64 NextWatchAim(qint64 nowMs, int timeOfDay, const QTimeZone& zone);

// The day watch of a desktop session: a timer aimed at the next local midnight (the event loop's timers do not count
// time asleep, so it is aimed again after every trigger), logind's PrepareForSleep(false) on the system bus, a
// timerfd that the kernel cancels when the wall clock is set, and the folder of /etc/localtime for time zone
// changes. Each part that is missing (no system bus, no logind) is left out without a word.
class TDayWatch final : public QObject, public IDayWatch
{
    Q_OBJECT

public:
    TDayWatch();
    ~TDayWatch() override;

    void Start(std::function<void()> maybeNewDay) override;
    void Stop() override;
    void SetTimeOfDay(int minutes) override;

    // Milliseconds until the midnight timer fires; -1 when it is not running.
    int MidnightRemaining() const { return m_midnight.isActive() ? m_midnight.remainingTime() : -1; }

private Q_SLOTS:
    void OnPrepareForSleep(bool start);

private:
    void Trigger();
    void AimAtMidnight();
    void ArmClockChange();
    void WatchClockChange();
    void WatchTimeZone();

    std::function<void()> m_maybeNewDay;
    QTimer m_midnight;
    int m_timeOfDay = 0;
    int m_clockFd = -1;
    QSocketNotifier* m_clockNotifier = nullptr;
    QFileSystemWatcher* m_zoneWatcher = nullptr;
    bool m_sleepSubscribed = false;
};
