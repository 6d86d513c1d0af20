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

// The first moment after `afterMs` at which the clocks in `zone` read `wall` (a wall time counted as seconds since
// the epoch), or, where they jump over it, the moment the jump lands; with two such moments (clocks put back), the
// first. -1 when the zone's data knows of none.
qint64 FirstMomentReading(qint64 wall, qint64 afterMs, const QTimeZone& zone)
{
    // Wall and universal time lie at most a day apart; the offsets in force around `wall` are the candidates.
    const QDateTime from = QDateTime::fromSecsSinceEpoch(wall - 2 * SecondsPerDay, Qt::UTC);
    const QDateTime until = QDateTime::fromSecsSinceEpoch(wall + 2 * SecondsPerDay, Qt::UTC);
    const QTimeZone::OffsetDataList transitions = zone.transitions(from, until);
    std::vector<int> offsets{zone.offsetFromUtc(from), zone.offsetFromUtc(until)};
    for (const QTimeZone::OffsetData& transition : transitions)
        offsets.push_back(transition.offsetFromUtc);

    qint64 best = std::numeric_limits<qint64>::max();
    for (const int offset : offsets) {
        const qint64 candidate = wall - offset;
        if (candidate * 1000 > afterMs && WallSeconds(zone, candidate) == wall)
            best = std::min(best, candidate);
    }
    if (best != std::numeric_limits<qint64>::max())
        return best * 1000;

    // The clocks jump over `wall`: the first moment they read a later time is where the jump lands.
    for (const QTimeZone::OffsetData& transition : transitions) {
        const qint64 at = transition.atUtc.toSecsSinceEpoch();
        if (at * 1000 > afterMs && WallSeconds(zone, at) >= wall && WallSeconds(zone, at - 1) < wall)
            return at * 1000;
    }
    return -1;
}

} // namespace

qint64 NextDayStart(qint64 nowMs, const QTimeZone& zone)
{
    const QDateTime now = QDateTime::fromMSecsSinceEpoch(nowMs, zone);
    const qint64 midnight = QDateTime(now.date().addDays(1), QTime(0, 0), Qt::UTC).toSecsSinceEpoch();
    const qint64 start = FirstMomentReading(midnight, nowMs, zone);
    return start >= 0 ? start : nowMs + RetryMs;
}

qint64 NextWatchAim(qint64 nowMs, int timeOfDay, const QTimeZone& zone)
{
    const qint64 next = NextDayStart(nowMs, zone);
    if (timeOfDay <= 0)
        return next;
    // Today's chosen time if it is still to come, else the day start (where the check waits for it anyway). On the
    // day the clocks change that is the first moment the clocks read it, or the end of the jump over it: from then
    // on the check counts as due.
    const QDate today = QDateTime::fromMSecsSinceEpoch(nowMs, zone).date();
    const qint64 wall = QDateTime(today, QTime(timeOfDay / 60, timeOfDay % 60), Qt::UTC).toSecsSinceEpoch();
    const qint64 chosen = FirstMomentReading(wall, std::numeric_limits<qint64>::min(), zone);
    return chosen > nowMs ? std::min(next, chosen) : next;
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
    const qint64 next = NextWatchAim(now, m_timeOfDay, QTimeZone::systemTimeZone());
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
