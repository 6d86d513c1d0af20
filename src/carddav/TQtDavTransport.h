#pragma once

#include "IDavTransport.h"

#include <QNetworkAccessManager>
#include <QObject>

#include <atomic>
#include <chrono>
#include <memory>

namespace CardDav {

// Requests through the toolkit's network access: TLS checked against the system's certificates, Basic and Digest
// answered with the account's password where the address policy allows it, one answer at a time. Blocks the
// calling thread in a local event loop, so it belongs to a worker thread (the window) or a command-line program.
// Lives and sends in one thread.
class TQtDavTransport final : public QObject, public IDavTransport
{
public:
    // The password stays in memory only, for the life of the object.
    TQtDavTransport(QUrl account, QString user, QString password);

    TDavReply Send(const TDavRequest& request) override;

    // Limits: the whole time one request may take, and the largest answer accepted.
    void SetTimeout(std::chrono::milliseconds timeout) { m_timeout = timeout; }
    void SetMaxAnswer(qint64 bytes) { m_maxAnswer = bytes; }
    // Set from any thread, the flag aborts the request in flight within a tenth of a second; the reply then fails
    // as a network failure. The engine that owns the sync watches the same flag between requests.
    void SetCancel(std::shared_ptr<const std::atomic<bool>> cancel) { m_cancel = std::move(cancel); }

    // What was sent and received so far: requests, and bytes of answer bodies.
    int Requests() const { return m_requests; }
    qint64 BytesReceived() const { return m_bytes; }

private:
    QNetworkAccessManager m_manager;
    QUrl m_account;
    QString m_user;
    QString m_password;
    std::chrono::milliseconds m_timeout{30000};
    qint64 m_maxAnswer = 64ll * 1024 * 1024;
    std::shared_ptr<const std::atomic<bool>> m_cancel;
    int m_requests = 0;
    qint64 m_bytes = 0;
};

} // namespace CardDav
