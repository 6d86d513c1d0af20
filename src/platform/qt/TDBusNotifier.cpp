#include "TDBusNotifier.h"

#include <QCoreApplication>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QElapsedTimer>
#include <QVariantMap>

namespace {

const QString Service = QStringLiteral("org.freedesktop.Notifications");
const QString Path = QStringLiteral("/org/freedesktop/Notifications");
const QString Interface = QStringLiteral("org.freedesktop.Notifications");
const QString ShowListAction = QStringLiteral("show-list");
const QString DefaultAction = QStringLiteral("default");
// A server that does not answer within this time is taken as gone; nothing waits for it meanwhile.
constexpr int CallTimeout = 10000;

} // namespace

TDBusNotifier::TDBusNotifier(QString appName, QString appId, QDBusConnection bus)
    : m_appName(std::move(appName)), m_appId(std::move(appId)), m_bus(std::move(bus))
{
}

void TDBusNotifier::SetShowHandler(std::function<void()> handler)
{
    m_show = std::move(handler);
}

void TDBusNotifier::Notify(const TNotice& notice)
{
    // Only the newest notice matters: one still waiting for its turn is replaced, never queued behind.
    m_waiting = notice;
    if (!m_busy)
        SendNext();
}

bool TDBusNotifier::Connect()
{
    if (!m_bus.isConnected())
        return false;
    if (!m_subscribed) {
        // Subscribed on the first notice, not at start-up: a program that never reminds never talks to the server.
        m_bus.connect(Service, Path, Interface, QStringLiteral("ActionInvoked"), this,
                      SLOT(OnActionInvoked(uint, QString)));
        m_bus.connect(Service, Path, Interface, QStringLiteral("NotificationClosed"), this,
                      SLOT(OnNotificationClosed(uint, uint)));
        m_subscribed = true;
    }
    return true;
}

void TDBusNotifier::SendNext()
{
    if (!m_waiting)
        return;
    const TNotice notice = std::move(*m_waiting);
    m_waiting.reset();
    if (!Connect())
        return;
    m_busy = true;
    const QDBusMessage call =
        QDBusMessage::createMethodCall(Service, Path, Interface, QStringLiteral("GetCapabilities"));
    auto* watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call, CallTimeout), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, notice](QDBusPendingCallWatcher* finished) {
        finished->deleteLater();
        const QDBusPendingReply<QStringList> reply = *finished;
        if (reply.isError()) {
            // No server, or one that failed: the notice is dropped without a word, as a desktop without
            // notifications would.
            Done();
            return;
        }
        SendNotify(notice, reply.value());
    });
}

void TDBusNotifier::SendNotify(const TNotice& notice, const QStringList& capabilities)
{
    QStringList actions;
    if (!notice.ShowListLabel.isEmpty() && capabilities.contains(QStringLiteral("actions")))
        actions = {DefaultAction, notice.ShowListLabel, ShowListAction, notice.ShowListLabel};
    QVariantMap hints;
    hints.insert(QStringLiteral("desktop-entry"), m_appId);

    QDBusMessage call = QDBusMessage::createMethodCall(Service, Path, Interface, QStringLiteral("Notify"));
    call << m_appName << m_id << m_appId << notice.Summary
         << BodyText(notice.BodyLines, capabilities.contains(QStringLiteral("body-markup"))) << actions << hints
         << static_cast<int>(notice.Persistent ? 0 : -1);
    auto* watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call, CallTimeout), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* finished) {
        finished->deleteLater();
        const QDBusPendingReply<uint> reply = *finished;
        if (!reply.isError())
            m_id = reply.value();
        Done();
    });
}

void TDBusNotifier::Done()
{
    m_busy = false;
    SendNext();
}

void TDBusNotifier::Finish(int milliseconds)
{
    QElapsedTimer waited;
    waited.start();
    while (Busy() && waited.elapsed() < milliseconds)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
}

QString TDBusNotifier::BodyText(const QStringList& lines, bool markup)
{
    QStringList shown;
    shown.reserve(lines.size());
    for (const QString& line : lines)
        shown.push_back(markup ? line.toHtmlEscaped() : line);
    return shown.join(QLatin1Char('\n'));
}

void TDBusNotifier::OnActionInvoked(uint id, const QString& key)
{
    // Other programs' notifications raise the same signal.
    if (id == 0 || id != m_id || (key != DefaultAction && key != ShowListAction))
        return;
    if (m_show)
        m_show();
}

void TDBusNotifier::OnNotificationClosed(uint id, uint /*reason*/)
{
    if (id != 0 && id == m_id)
        m_id = 0;
}
