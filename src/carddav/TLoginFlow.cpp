#include "TLoginFlow.h"

#include "UrlPolicy.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>

namespace CardDav {

namespace {

// The documented answers are a few hundred bytes; anything much larger is not one of them.
constexpr qint64 MaxAnswer = 64 * 1024;

QJsonObject ObjectOf(const QByteArray& body)
{
    const QJsonDocument document = QJsonDocument::fromJson(body);
    return document.isObject() ? document.object() : QJsonObject();
}

// An address from the server's answer, when the program may use it at all: https, or http to this computer.
QUrl UsableUrl(const QJsonValue& value)
{
    if (!value.isString())
        return {};
    const QUrl url(value.toString(), QUrl::StrictMode);
    return url.isValid() && !url.isRelative() && !RefusalOf(url) ? url : QUrl();
}

QString Tr(const char* text)
{
    return QCoreApplication::translate("CardDav", text);
}

} // namespace

TQtFormPoster::TQtFormPoster()
{
    m_manager.setCookieJar(nullptr);
    m_manager.setRedirectPolicy(QNetworkRequest::ManualRedirectPolicy);
}

void TQtFormPoster::Post(const QUrl& url, const QByteArray& form, std::function<void(const TFormAnswer&)> done)
{
    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("application/x-www-form-urlencoded"));
    // The server shows this name on the page where the user grants the access.
    request.setHeader(QNetworkRequest::UserAgentHeader, QByteArrayLiteral("Nelvora"));
    request.setRawHeader(QByteArrayLiteral("OCS-APIREQUEST"), QByteArrayLiteral("true"));
    request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
    request.setTransferTimeout(30000);
    QNetworkReply* reply = m_manager.post(request, form);
    auto body = std::make_shared<QByteArray>();
    auto tooLarge = std::make_shared<bool>(false);
    connect(reply, &QNetworkReply::readyRead, this, [reply, body, tooLarge] {
        if (*tooLarge)
            return;
        *body += reply->readAll();
        if (body->size() > MaxAnswer) {
            *tooLarge = true;
            reply->abort();
        }
    });
    connect(reply, &QNetworkReply::finished, this, [reply, body, tooLarge, done = std::move(done)] {
        reply->deleteLater();
        TFormAnswer answer;
        if (!*tooLarge)
            *body += reply->readAll();
        answer.Status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        answer.Answered = answer.Status != 0 && !*tooLarge && body->size() <= MaxAnswer;
        if (answer.Answered)
            answer.Body = *body;
        done(answer);
    });
}

TLoginFlow::TLoginFlow(IFormPoster& poster, QObject* parent) : QObject(parent), m_poster(poster)
{
    m_timer.setInterval(m_interval);
    connect(&m_timer, &QTimer::timeout, this, &TLoginFlow::Poll);
}

void TLoginFlow::SetTiming(std::chrono::milliseconds interval, std::chrono::milliseconds limit)
{
    m_interval = interval;
    m_limit = limit;
    m_timer.setInterval(m_interval);
}

void TLoginFlow::Offer(const QUrl& server, std::function<void(const QUrl&)> offered)
{
    Cancel();
    if (!server.isValid() || server.host().isEmpty() || RefusalOf(server))
        return offered({});
    m_server = server;
    QUrl start = server;
    QString path = server.path();
    while (path.endsWith(u'/'))
        path.chop(1);
    start.setPath(path + QLatin1String("/index.php/login/v2"));
    start.setQuery(QString());
    start.setFragment(QString());

    const int generation = *m_generation;
    QPointer<TLoginFlow> self(this);
    m_poster.Post(start, {}, [this, self, generation, offered = std::move(offered)](const TFormAnswer& answer) {
        if (!self || generation != *m_generation)
            return;
        const QJsonObject json = answer.Answered && answer.Status == 200 ? ObjectOf(answer.Body) : QJsonObject();
        const QJsonObject poll = json.value(QLatin1String("poll")).toObject();
        const QString token = poll.value(QLatin1String("token")).toString();
        const QUrl endpoint = UsableUrl(poll.value(QLatin1String("endpoint")));
        const QUrl page = UsableUrl(json.value(QLatin1String("login")));
        // The token goes back only to the server that was asked.
        if (token.isEmpty() || endpoint.isEmpty() || page.isEmpty() || !IsSameSite(m_server, endpoint))
            return offered({});
        m_token = token.toUtf8();
        m_endpoint = endpoint;
        offered(page);
    });
}

void TLoginFlow::Wait(std::function<void(const TAppLogin&, const QString&)> done)
{
    if (m_token.isEmpty())
        return done({}, Tr(QT_TRANSLATE_NOOP("CardDav", "the server offers no log-in in the browser")));
    m_done = std::move(done);
    m_deadline = std::chrono::steady_clock::now() + m_limit;
    m_timer.start();
}

void TLoginFlow::Cancel()
{
    m_timer.stop();
    ++*m_generation;
    m_token.fill('\0');
    m_token.clear();
    m_done = nullptr;
    m_asking = false;
}

void TLoginFlow::Poll()
{
    if (std::chrono::steady_clock::now() >= m_deadline)
        return Finish({}, Tr(QT_TRANSLATE_NOOP("CardDav", "the log-in in the browser was not finished in time")));
    if (m_asking)
        return;
    m_asking = true;
    const int generation = *m_generation;
    QPointer<TLoginFlow> self(this);
    m_poster.Post(m_endpoint, "token=" + m_token.toPercentEncoding(), [this, self, generation](const TFormAnswer& answer) {
        if (!self || generation != *m_generation)
            return;
        m_asking = false;
        // 404 until the user has granted the access; a server or connection that fails now and then is asked again.
        if (!answer.Answered || answer.Status == 404 || answer.Status >= 500)
            return;
        if (answer.Status != 200)
            return Finish({}, Tr(QT_TRANSLATE_NOOP("CardDav", "the server refused the log-in in the browser")));
        const QJsonObject json = ObjectOf(answer.Body);
        TAppLogin login;
        login.LoginName = json.value(QLatin1String("loginName")).toString();
        login.AppPassword = json.value(QLatin1String("appPassword")).toString();
        const QUrl server = UsableUrl(json.value(QLatin1String("server")));
        login.Server = !server.isEmpty() && IsSameSite(m_server, server) ? server : m_server;
        if (login.LoginName.isEmpty() || login.AppPassword.isEmpty())
            return Finish({}, Tr(QT_TRANSLATE_NOOP("CardDav", "the server's answer to the log-in in the browser "
                                                              "could not be read")));
        Finish(login, {});
    });
}

void TLoginFlow::Finish(const TAppLogin& login, const QString& failure)
{
    auto done = std::move(m_done);
    Cancel();
    if (done)
        done(login, failure);
}

} // namespace CardDav
