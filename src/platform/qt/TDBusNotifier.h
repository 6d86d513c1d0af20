#pragma once

#include "INotifier.h"
#include "TNoticeRecord.h"

#include <QDBusConnection>
#include <QObject>

#include <optional>
#include <vector>

class QDBusServiceWatcher;

// Notifications through org.freedesktop.Notifications on the session bus, every call asynchronous. Each notice asks
// the server for its capabilities first, since the server may have been replaced since the last one (and a body
// is markup only for servers that say so).
class TDBusNotifier final : public QObject, public INotifier
{
    Q_OBJECT

public:
    // `appId` is the desktop entry's id, which is also the icon's name. With `record`, the notice on the screen is
    // remembered there, and the first notice (or withdrawal) of a new run takes over the one a run before it left
    // with the same server.
    TDBusNotifier(QString appName, QString appId, QDBusConnection bus = QDBusConnection::sessionBus(),
                  TNoticeRecord record = TNoticeRecord(QString(), QString()));

    void Notify(const TNotice& notice, std::function<void(bool posted)> posted = {}) override;
    void Withdraw() override;
    void SetShowHandler(std::function<void()> handler) override;
    void SetActionHandler(std::function<void(const QString& key)> handler) override;

    // For a program about to end: lets the calls on their way reach the server, for at most `milliseconds`. Only
    // the notifier's own calls are waited for: from here on nothing is shown and no `posted` is answered, and user
    // input waits, since the window the program had is gone.
    void Finish(int milliseconds);
    // Whether a call is still on its way (or a notice waits for its turn).
    bool Busy() const { return m_flight.has_value() || m_waiting.has_value() || m_closing > 0; }

    // The body as the server shows it: markup-escaped where the server reads markup.
    static QString BodyText(const QStringList& lines, bool markup);

Q_SIGNALS:
    // Nothing is on its way any more.
    void Drained();

private Q_SLOTS:
    void OnActionInvoked(uint id, const QString& key);
    void OnNotificationClosed(uint id, uint reason);
    void OnServerReplaced();

private:
    using TAnswers = std::vector<std::function<void(bool)>>;
    struct TWaiting
    {
        TNotice Notice;
        TAnswers Answers;
    };
    // The notice whose calls are on their way.
    struct TFlight
    {
        TAnswers Answers;
        bool Withdrawn = false;
        QString Server; // the unique name of the server that answered
    };

    bool Connect();
    void SendNext();
    void AskCapabilities(TNotice notice);
    void SendNotify(const TNotice& notice, const QStringList& capabilities);
    void Land(bool posted, uint id = 0);
    void Close(uint id);
    void Forget();
    void Answer(TAnswers answers, bool posted);
    void CheckDrained();

    QString m_appName;
    QString m_appId;
    QDBusConnection m_bus;
    bool m_actionsSubscribed = false;
    bool m_closedSubscribed = false;
    QDBusServiceWatcher* m_serverWatcher = nullptr;
    std::optional<TWaiting> m_waiting;
    std::optional<TFlight> m_flight;
    int m_closing = 0;
    bool m_finishing = false;
    uint m_id = 0;
    TNoticeRecord m_record;
    // What a run before this one left on the screen, until the first answer of a server shows whether it is ours.
    std::optional<TNoticeRecord::TShown> m_left;
    std::function<void()> m_show;
    std::function<void(const QString&)> m_action;
    QStringList m_actionKeys; // of the notice posted last
};
