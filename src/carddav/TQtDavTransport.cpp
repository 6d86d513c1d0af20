#include "TQtDavTransport.h"

#include "UrlPolicy.h"

#include <QAuthenticator>
#include <QEventLoop>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

namespace CardDav {

namespace {

// Set on a reply once it has been given the password: a second challenge for the same reply means the password
// was refused, and answering it again would loop.
constexpr const char* AnsweredProperty = "nelvoraAnswered";

TTransportFailure FailureOf(QNetworkReply::NetworkError error)
{
    switch (error) {
    case QNetworkReply::SslHandshakeFailedError:
        return TTransportFailure::Certificate;
    case QNetworkReply::TimeoutError:
        return TTransportFailure::Timeout;
    default:
        return TTransportFailure::Network;
    }
}

// Failures of the connection itself (Qt's codes below 100: closed, reset, aborted, TLS) and of the HTTP framing.
bool IsCutOff(QNetworkReply::NetworkError error)
{
    return (error > QNetworkReply::NoError && error < QNetworkReply::ProxyConnectionRefusedError) ||
           error == QNetworkReply::ProtocolFailure;
}

// The body is shorter than the length the server announced. Not for a compressed answer, whose header counts the
// bytes on the wire.
bool IsShort(const QNetworkReply& reply, const QByteArray& body)
{
    if (!reply.hasRawHeader(QByteArrayLiteral("Content-Length")) ||
        !reply.rawHeader(QByteArrayLiteral("Content-Encoding")).isEmpty())
        return false;
    bool ok = false;
    const qint64 announced = reply.rawHeader(QByteArrayLiteral("Content-Length")).trimmed().toLongLong(&ok);
    return ok && body.size() < announced;
}

} // namespace

TQtDavTransport::TQtDavTransport(QUrl account, QString user, QString password)
    : m_account(std::move(account)), m_user(std::move(user)), m_password(std::move(password))
{
    // No cookies: every request stands on the password alone, and nothing of a session lingers in memory.
    m_manager.setCookieJar(nullptr);
    m_manager.setRedirectPolicy(QNetworkRequest::ManualRedirectPolicy);
    connect(&m_manager, &QNetworkAccessManager::authenticationRequired, this,
            [this](QNetworkReply* reply, QAuthenticator* authenticator) {
                if (reply->property(AnsweredProperty).toBool() || m_password.isEmpty() ||
                    !MayVisit(m_account, reply->url()))
                    return; // left unanswered: the reply ends with 401
                reply->setProperty(AnsweredProperty, true);
                authenticator->setUser(m_user);
                authenticator->setPassword(m_password);
            });
}

TDavReply TQtDavTransport::Send(const TDavRequest& request)
{
    TDavReply result;
    QNetworkRequest http(request.Url);
    http.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    http.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    http.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
    http.setHeader(QNetworkRequest::UserAgentHeader, QByteArrayLiteral("Nelvora"));
    if (!request.Body.isEmpty())
        http.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("application/xml; charset=utf-8"));
    if (!request.Depth.isEmpty())
        http.setRawHeader(QByteArrayLiteral("Depth"), request.Depth);

    if (request.Authenticate && !m_password.isEmpty() && MayVisit(m_account, request.Url)) {
        // Basic, as a challenge would have asked; the server never sends one. Marked answered, so that a refusal
        // ends as 401 instead of being answered again.
        http.setRawHeader(QByteArrayLiteral("Authorization"),
                          "Basic " + (m_user + u':' + m_password).toUtf8().toBase64());
    }

    ++m_requests;
    QNetworkReply* reply = m_manager.sendCustomRequest(http, request.Method, request.Body);
    if (request.Authenticate)
        reply->setProperty(AnsweredProperty, true);
    QEventLoop loop;
    QTimer deadline;
    deadline.setSingleShot(true);
    bool timedOut = false;
    bool tooLarge = false;
    QObject::connect(&deadline, &QTimer::timeout, &loop, [&] {
        timedOut = true;
        reply->abort();
    });
    QObject::connect(reply, &QNetworkReply::readyRead, &loop, [&] {
        if (tooLarge)
            return;
        const QByteArray part = reply->readAll();
        result.Received += part.size();
        if (result.Body.size() + part.size() > m_maxAnswer) {
            // An endless or oversized answer is cut off here, before it fills the memory.
            tooLarge = true;
            reply->abort();
            return;
        }
        result.Body += part;
    });
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    // The flag is set by another thread: looked at while waiting rather than signalled into this one.
    QTimer watch;
    bool cancelled = false;
    if (m_cancel) {
        QObject::connect(&watch, &QTimer::timeout, &loop, [&] {
            if (!cancelled && m_cancel->load()) {
                cancelled = true;
                reply->abort();
            }
        });
        watch.start(std::chrono::milliseconds(50));
    }
    deadline.start(m_timeout);
    if (!reply->isFinished())
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    deadline.stop();
    watch.stop();

    if (!tooLarge && !timedOut) {
        const QByteArray rest = reply->readAll();
        result.Received += rest.size();
        if (result.Body.size() + rest.size() > m_maxAnswer)
            tooLarge = true;
        else
            result.Body += rest;
    }
    m_bytes += result.Body.size();
    result.Status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    result.Location = QUrl(QString::fromUtf8(reply->rawHeader(QByteArrayLiteral("Location"))));
    if (tooLarge) {
        result.Failure = TTransportFailure::TooLarge;
        result.Body.clear();
    } else if (timedOut) {
        result.Failure = TTransportFailure::Timeout;
    } else if (const QNetworkReply::NetworkError error = reply->error();
               error != QNetworkReply::NoError && (result.Status == 0 || IsCutOff(error))) {
        // An HTTP error status (404, 500) is an answer. A connection that broke once the status had come is not:
        // the body is cut off, and a card cut off must not be cached as complete.
        result.Failure = FailureOf(error);
        result.Detail = reply->errorString();
    } else if (IsShort(*reply, result.Body)) {
        result.Failure = TTransportFailure::Network;
        result.Detail = QStringLiteral("answer shorter than its Content-Length");
    }
    delete reply;
    return result;
}

} // namespace CardDav
