#include "TDayWatch.h"

#include <QDBusConnection>
#include <QDateTime>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QSocketNotifier>
#include <QTimeZone>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <ctime>
#include <limits>
#include <sys/timerfd.h>
#include <unistd.h>

namespace {

constexpr qint64 SecondsPerDay = 86400;
// Where no new day can be found (a zone without data), the watch looks again after this long; the window's hourly
// tick covers the day meanwhile.
constexpr qint64 RetryMs = 3600000;

// What the clocks on the wall read at `seconds` since the epoch, counted as seconds since the epoch.
qint64 WallSeconds(const QTimeZone& zone, qint64 seconds)
{
    return seconds + zone.offsetFromUtc(QDateTime::fromSecsSinceEpoch(seconds, Qt::UTC));
}

} // namespace

qint64 NextDayStart(qint64 nowMs, const QTimeZone& zone)
{
    const QDateTime now = QDateTime::fromMSecsSinceEpoch(nowMs, zone);
    const qint64 midnight = QDateTime(now.date().addDays(1), QTime(0, 0), Qt::UTC).toSecsSinceEpoch();

    // Midnight falls at most a day and a bit ahead; the offsets in force until then are the candidates.
    const QDateTime until = now.addSecs(2 * SecondsPerDay);
    const QTimeZone::OffsetDataList transitions = zone.transitions(now, until);
    std::vector<int> offsets{zone.offsetFromUtc(now), zone.offsetFromUtc(until)};
    for (const QTimeZone::OffsetData& transition : transitions)
        offsets.push_back(transition.offsetFromUtc);

    // The earliest moment the clocks read midnight: with two of them (clocks put back over midnight), the first.
    qint64 best = std::numeric_limits<qint64>::max();
    for (const int offset : offsets) {
        const qint64 candidate = midnight - offset;
        if (candidate * 1000 > nowMs && WallSeconds(zone, candidate) == midnight)
            best = std::min(best, candidate);
    }
    if (best != std::numeric_limits<qint64>::max())
        return best * 1000;

    // Midnight does not exist: the clocks jump over it, and the new day begins where the jump lands.
    for (const QTimeZone::OffsetData& transition : transitions) {
        const qint64 at = transition.atUtc.toSecsSinceEpoch();
        if (at * 1000 > nowMs && WallSeconds(zone, at) >= midnight && WallSeconds(zone, at - 1) < midnight)
            return at * 1000;
    }
    return nowMs + RetryMs;
}

TDayWatch::TDayWatch()
{
    // A coarse timer may be off by a twentieth of its interval, over an hour for a day; this one must not be.
    m_midnight.setTimerType(Qt::PreciseTimer);
    m_midnight.setSingleShot(true);
    connect(&m_midnight, &QTimer::timeout, this, [this] { Trigger(); });
}

TDayWatch::~TDayWatch()
{
    Stop();
}

void TDayWatch::Start(std::function<void()> maybeNewDay)
{
    m_maybeNewDay = std::move(maybeNewDay);
    AimAtMidnight();
    WatchClockChange();
    WatchTimeZone();
    if (!m_sleepSubscribed) {
        // Without a system bus or logind this connects nothing, which is what a machine without them needs.
        QDBusConnection system = QDBusConnection::systemBus();
        m_sleepSubscribed =
            system.isConnected() &&
            system.connect(QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
                           QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("PrepareForSleep"), this,
                           SLOT(OnPrepareForSleep(bool)));
    }
}

void TDayWatch::Stop()
{
    m_maybeNewDay = nullptr;
    m_midnight.stop();
    delete m_clockNotifier;
    m_clockNotifier = nullptr;
    if (m_clockFd >= 0) {
        ::close(m_clockFd);
        m_clockFd = -1;
    }
    delete m_zoneWatcher;
    m_zoneWatcher = nullptr;
    if (m_sleepSubscribed) {
        QDBusConnection::systemBus().disconnect(QStringLiteral("org.freedesktop.login1"),
                                                QStringLiteral("/org/freedesktop/login1"),
                                                QStringLiteral("org.freedesktop.login1.Manager"),
                                                QStringLiteral("PrepareForSleep"), this, SLOT(OnPrepareForSleep(bool)));
        m_sleepSubscribed = false;
    }
}

void TDayWatch::Trigger()
{
    // Aimed again first: the timer slept through a suspend, or the clock moved, so its old aim is stale.
    AimAtMidnight();
    if (m_maybeNewDay)
        m_maybeNewDay();
}

void TDayWatch::AimAtMidnight()
{
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    const QTimeZone zone = QTimeZone::systemTimeZone();
    qint64 next = NextDayStart(now, zone);
    if (m_timeOfDay > 0) {
        // Today's chosen time if it is still to come, else the day start (where the check waits for it anyway).
        const QTime time(m_timeOfDay / 60, m_timeOfDay % 60);
        const qint64 today =
            QDateTime(QDateTime::fromMSecsSinceEpoch(now, zone).date(), time, zone).toMSecsSinceEpoch();
        if (today > now)
            next = std::min(next, today);
    }
    m_midnight.start(static_cast<int>(std::clamp<qint64>(next - now, 0, RetryMs * 26)));
}

void TDayWatch::SetTimeOfDay(int minutes)
{
    m_timeOfDay = minutes;
    if (m_midnight.isActive())
        AimAtMidnight();
}

void TDayWatch::OnPrepareForSleep(bool start)
{
    if (!start)
        Trigger();
}

void TDayWatch::ArmClockChange()
{
    // A real-time timer set far ahead never fires; the kernel cancels it when the clock is set, which is the point.
    // The largest time there is: any nearer aim (the largest 32-bit one expires in 2038) is in the past once the
    // clock passes it, and a timer that expires at once would wake the watch in an endless loop.
    itimerspec far{};
    far.it_value.tv_sec = std::numeric_limits<time_t>::max();
    timerfd_settime(m_clockFd, TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET, &far, nullptr);
}

void TDayWatch::WatchClockChange()
{
    if (m_clockFd >= 0)
        return;
    m_clockFd = timerfd_create(CLOCK_REALTIME, TFD_NONBLOCK | TFD_CLOEXEC);
    if (m_clockFd < 0)
        return;
    ArmClockChange();
    m_clockNotifier = new QSocketNotifier(m_clockFd, QSocketNotifier::Read, this);
    connect(m_clockNotifier, &QSocketNotifier::activated, this, [this] {
        std::uint64_t expirations = 0;
        // Only ECANCELED says the clock was set; an expiry (should the aim ever be reached) is no news about the day.
        // Reading clears either state; the timer is then armed again.
        const bool clockSet = ::read(m_clockFd, &expirations, sizeof expirations) < 0 && errno == ECANCELED;
        ArmClockChange();
        if (clockSet)
            Trigger();
    });
}

void TDayWatch::WatchTimeZone()
{
    if (m_zoneWatcher != nullptr)
        return;
    // Setting the zone replaces the /etc/localtime link, which only its folder sees.
    const QString folder = QFileInfo(QStringLiteral("/etc/localtime")).absolutePath();
    m_zoneWatcher = new QFileSystemWatcher(this);
    if (!m_zoneWatcher->addPath(folder))
        return;
    connect(m_zoneWatcher, &QFileSystemWatcher::directoryChanged, this, [this] { Trigger(); });
}
