#pragma once

#include <QByteArray>
#include <QNetworkAccessManager>
#include <QObject>
#include <QString>
#include <QTimer>
#include <QUrl>

#include <chrono>
#include <functional>
#include <memory>

// The log-in in the browser that Nextcloud offers (its Login Flow v2): a POST to <server>/index.php/login/v2 answers
// with a page for the browser and a token; the page asks the user to log in (with their second factor, if any)
// and to grant access; meanwhile the program posts the token to the poll endpoint, which answers 404 until then and
// once with the login name and a new app password. The token and the app password are never written anywhere.
namespace CardDav {

struct TFormAnswer
{
    bool Answered = false; // false: no HTTP answer (no connection, certificate, timeout, too large)
    int Status = 0;
    QByteArray Body;
};

// Posts a form (application/x-www-form-urlencoded) and answers once, from the event loop, without blocking.
class IFormPoster
{
public:
    virtual ~IFormPoster() = default;
    virtual void Post(const QUrl& url, const QByteArray& form, std::function<void(const TFormAnswer&)> done) = 0;
};

// The toolkit's network access, on the thread it lives in; no cookies, no redirects followed, answers cut at 64 KiB.
class TQtFormPoster final : public QObject, public IFormPoster
{
public:
    TQtFormPoster();
    void Post(const QUrl& url, const QByteArray& form, std::function<void(const TFormAnswer&)> done) override;

private:
    QNetworkAccessManager m_manager;
};

struct TAppLogin
{
    QUrl Server;
    QString LoginName;
    QString AppPassword;
};

class TLoginFlow final : public QObject
{
public:
    // `poster` must outlive the flow.
    explicit TLoginFlow(IFormPoster& poster, QObject* parent = nullptr);

    // How often the endpoint is asked and for how long in all: every 2 s for 20 minutes unless a test says otherwise.
    void SetTiming(std::chrono::milliseconds interval, std::chrono::milliseconds limit);

    // Asks `server` for a log-in. `offered` answers once: the page to open in the browser, or an empty address when
    // the server offers none (not a Nextcloud, not reachable, an answer not as documented, or an address that
    // would leave https). Forgets any flow started before.
    void Offer(const QUrl& server, std::function<void(const QUrl& page)> offered);

    // Polls the offered flow until the server hands out the app password, the time is up, or Cancel(). `done`
    // answers once: the login, or why not in the user's language.
    void Wait(std::function<void(const TAppLogin& login, const QString& failure)> done);

    // Stops asking; nothing answers any more.
    void Cancel();

private:
    void Poll();
    void Finish(const TAppLogin& login, const QString& failure);

    IFormPoster& m_poster;
    QTimer m_timer;
    std::chrono::milliseconds m_interval{2000};
    std::chrono::milliseconds m_limit{20 * 60 * 1000};
    std::chrono::steady_clock::time_point m_deadline;
    QUrl m_server;
    QUrl m_endpoint;
    QByteArray m_token;
    std::function<void(const TAppLogin&, const QString&)> m_done;
    // Answers to requests of an earlier flow, or of one cancelled, are dropped.
    std::shared_ptr<int> m_generation = std::make_shared<int>(0);
    bool m_asking = false;
};

} // namespace CardDav
