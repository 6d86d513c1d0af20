#pragma once

#include "INotifier.h"

#include <QDBusConnection>
#include <QObject>

#include <optional>

// Notifications through org.freedesktop.Notifications on the session bus, every call asynchronous. Each notice asks
// the server for its capabilities first, since the server may have been replaced since the last one (and a body
// is markup only for servers that say so).
class TDBusNotifier final : public QObject, public INotifier
{
    Q_OBJECT

public:
    // `appId` is the desktop entry's id, which is also the icon's name.
    TDBusNotifier(QString appName, QString appId, QDBusConnection bus = QDBusConnection::sessionBus());

    void Notify(const TNotice& notice) override;
    void SetShowHandler(std::function<void()> handler) override;

    // For a program about to end: lets the notice on its way reach the server, for at most `milliseconds`.
    void Finish(int milliseconds);
    // Whether a notice is still on its way.
    bool Busy() const { return m_busy || m_waiting.has_value(); }

    // The body as the server shows it: markup-escaped where the server reads markup.
    static QString BodyText(const QStringList& lines, bool markup);

private Q_SLOTS:
    void OnActionInvoked(uint id, const QString& key);
    void OnNotificationClosed(uint id, uint reason);

private:
    bool Connect();
    void SendNext();
    void SendNotify(const TNotice& notice, const QStringList& capabilities);
    void Done();

    QString m_appName;
    QString m_appId;
    QDBusConnection m_bus;
    bool m_subscribed = false;
    bool m_busy = false;
    std::optional<TNotice> m_waiting;
    uint m_id = 0;
    std::function<void()> m_show;
};
