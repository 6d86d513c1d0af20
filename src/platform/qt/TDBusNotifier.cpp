#include "TDBusNotifier.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusServiceWatcher>
#include <QEventLoop>
#include <QTimer>
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

TDBusNotifier::TDBusNotifier(QString appName, QString appId, QDBusConnection bus, TNoticeRecord record)
    : m_appName(std::move(appName)), m_appId(std::move(appId)), m_bus(std::move(bus)), m_record(std::move(record)),
      m_left(m_record.Read())
{
}

void TDBusNotifier::SetShowHandler(std::function<void()> handler)
{
    m_show = std::move(handler);
}

void TDBusNotifier::SetActionHandler(std::function<void(const QString& key)> handler)
{
    m_action = std::move(handler);
}

void TDBusNotifier::Notify(const TNotice& notice, std::function<void(bool posted)> posted)
{
    // Only the newest notice matters: one still waiting for its turn is replaced, never queued behind, and whoever
    // waited for it hears how its replacement fared.
    TAnswers answers = m_waiting ? std::move(m_waiting->Answers) : TAnswers();
    if (posted)
        answers.push_back(std::move(posted));
    m_waiting = TWaiting{notice, std::move(answers)};
    if (!m_flight)
        SendNext();
}

void TDBusNotifier::Withdraw()
{
    if (m_waiting) {
        Answer(std::move(m_waiting->Answers), false);
        m_waiting.reset();
    }
    if (m_flight) {
        // Which id is on the screen is known only when the call returns; the landing closes it.
        m_flight->Withdrawn = true;
        return;
    }
    if (m_id != 0) {
        Close(m_id);
        Forget();
    } else if (m_left && Connect()) {
        // A notice left by an earlier run: whether it is this server's is known once the server has answered.
        m_flight = TFlight{{}, true, {}};
        AskCapabilities({});
        return;
    }
    CheckDrained();
}

bool TDBusNotifier::Connect()
{
    if (!m_bus.isConnected())
        return false;
    // Subscribed on the first notice, not at start-up: a program that never reminds never talks to the server. A
    // subscription that failed is tried again with the next notice rather than leaving the actions dead for good.
    if (!m_actionsSubscribed)
        m_actionsSubscribed = m_bus.connect(Service, Path, Interface, QStringLiteral("ActionInvoked"), this,
                                            SLOT(OnActionInvoked(uint, QString)));
    if (!m_closedSubscribed)
        m_closedSubscribed = m_bus.connect(Service, Path, Interface, QStringLiteral("NotificationClosed"), this,
                                           SLOT(OnNotificationClosed(uint, uint)));
    if (m_serverWatcher == nullptr) {
        m_serverWatcher = new QDBusServiceWatcher(Service, m_bus, QDBusServiceWatcher::WatchForOwnerChange, this);
        connect(m_serverWatcher, &QDBusServiceWatcher::serviceOwnerChanged, this, &TDBusNotifier::OnServerReplaced);
    }
    return true;
}

void TDBusNotifier::SendNext()
{
    if (!m_waiting) {
        CheckDrained();
        return;
    }
    TWaiting next = std::move(*m_waiting);
    m_waiting.reset();
    if (!Connect()) {
        Answer(std::move(next.Answers), false);
        CheckDrained();
        return;
    }
    m_flight = TFlight{std::move(next.Answers), false, {}};
    AskCapabilities(std::move(next.Notice));
}

void TDBusNotifier::AskCapabilities(TNotice notice)
{
    const QDBusMessage call =
        QDBusMessage::createMethodCall(Service, Path, Interface, QStringLiteral("GetCapabilities"));
    auto* watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call, CallTimeout), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, notice = std::move(notice)](QDBusPendingCallWatcher* finished) {
                finished->deleteLater();
                const QDBusPendingReply<QStringList> reply = *finished;
                if (!reply.isError()) {
                    m_flight->Server = reply.reply().service();
                    // The notice an earlier run left is taken over only from the server that showed it: another
                    // one counts its ids afresh.
                    if (m_left && m_id == 0 && m_left->Server == m_flight->Server)
                        m_id = m_left->Id;
                    else if (m_left)
                        m_record.Remove(); // that server is gone, and its notices with it
                    m_left.reset();
                }
                // No server, or one that failed: the caller hears it and may show the notice another way.
                if (reply.isError() || m_flight->Withdrawn)
                    Land(false);
                else
                    SendNotify(notice, reply.value());
            });
}

void TDBusNotifier::SendNotify(const TNotice& notice, const QStringList& capabilities)
{
    QStringList actions;
    m_actionKeys.clear();
    if (!notice.ShowListLabel.isEmpty() && capabilities.contains(QStringLiteral("actions"))) {
        actions = {DefaultAction, notice.ShowListLabel, ShowListAction, notice.ShowListLabel};
        for (const auto& [key, label] : notice.Actions) {
            actions << key << label;
            m_actionKeys << key;
        }
    }
    QVariantMap hints;
    hints.insert(QStringLiteral("desktop-entry"), m_appId);

    QDBusMessage call = QDBusMessage::createMethodCall(Service, Path, Interface, QStringLiteral("Notify"));
    call << m_appName << m_id << m_appId << notice.Summary
         << BodyText(notice.BodyLines, capabilities.contains(QStringLiteral("body-markup"))) << actions << hints
         << static_cast<qint32>(notice.ExpireMs);
    auto* watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call, CallTimeout), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* finished) {
        finished->deleteLater();
        const QDBusPendingReply<uint> reply = *finished;
        if (reply.isError())
            Land(false);
        else
            Land(true, reply.value());
    });
}

void TDBusNotifier::Land(bool posted, uint id)
{
    TFlight flight = std::move(*m_flight);
    m_flight.reset();
    // A failed call leaves whatever the server showed before on the screen, so the old id stays the one to replace.
    if (posted && id != 0) {
        m_id = id;
        m_record.Write({flight.Server, id});
    }
    if (flight.Withdrawn && m_id != 0) {
        Close(m_id);
        Forget();
    }
    Answer(std::move(flight.Answers), posted);
    SendNext();
}

void TDBusNotifier::Close(uint id)
{
    ++m_closing;
    const QDBusMessage call =
        QDBusMessage::createMethodCall(Service, Path, Interface, QStringLiteral("CloseNotification")) << id;
    auto* watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call, CallTimeout), this);
    // The answer does not matter (the notice may be gone already); only that the call is no longer on its way.
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* finished) {
        finished->deleteLater();
        --m_closing;
        CheckDrained();
    });
}

void TDBusNotifier::Forget()
{
    m_id = 0;
    m_record.Remove();
}

void TDBusNotifier::Answer(TAnswers answers, bool posted)
{
    if (answers.empty())
        return;
    // Always from the event loop: a caller may post again from its answer, and the notifier's state must be whole
    // by then.
    QMetaObject::invokeMethod(
        this,
        [this, answers = std::move(answers), posted] {
            if (m_finishing)
                return;
            for (const auto& answer : answers)
                answer(posted);
        },
        Qt::QueuedConnection);
}

void TDBusNotifier::CheckDrained()
{
    if (!Busy())
        Q_EMIT Drained();
}

void TDBusNotifier::Finish(int milliseconds)
{
    m_finishing = true;
    if (!Busy())
        return;
    // A loop that sleeps until a reply or the deadline; input waits, so no click reaches a window that is gone.
    QEventLoop loop;
    connect(this, &TDBusNotifier::Drained, &loop, &QEventLoop::quit);
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
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
    if (m_finishing || id == 0 || id != m_id)
        return;
    if (key == DefaultAction || key == ShowListAction) {
        if (m_show)
            m_show();
    } else if (m_actionKeys.contains(key) && m_action) {
        m_action(key);
    }
}

void TDBusNotifier::OnNotificationClosed(uint id, uint /*reason*/)
{
    if (id != 0 && id == m_id)
        Forget();
}

void TDBusNotifier::OnServerReplaced()
{
    // A new server counts its ids afresh; the old id may now name another program's notification.
    if (m_id != 0)
        Forget();
}
