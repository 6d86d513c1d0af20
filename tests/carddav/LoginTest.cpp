// Logging in by e-mail address and in the browser: the order in which the servers of a domain are tried, the
// browser log-in's requests, polling, time limit and Cancel, and the Add dialog driving both.
#include "ILauncher.h"
#include "TAddAccountDialog.h"
#include "TLoginFlow.h"
#include "TServiceDiscovery.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

using namespace CardDav;
using namespace std::chrono_literals;

namespace {

QUrl Url(const char* text)
{
    return QUrl(QString::fromLatin1(text));
}

class TFakeResolver final : public IDnsResolver
{
public:
    void LookupSrv(const QString& name, std::function<void(std::vector<TSrvTarget>)> done) override
    {
        Asked.push_back(QStringLiteral("SRV ") + name);
        done(Services);
    }
    void LookupTxt(const QString& name, std::function<void(std::vector<QByteArray>)> done) override
    {
        Asked.push_back(QStringLiteral("TXT ") + name);
        done(Texts);
    }
    std::vector<TSrvTarget> Services;
    std::vector<QByteArray> Texts;
    QStringList Asked;
};

// A Nextcloud as its documentation describes it: the flow's start, then 404 until `Granted`, then the login once.
class TFakeNextcloud final : public IFormPoster
{
public:
    void Post(const QUrl& url, const QByteArray& form, std::function<void(const TFormAnswer&)> done) override
    {
        Posts.push_back({url, form});
        if (url.path().endsWith(QLatin1String("/index.php/login/v2")))
            return done({true, 200, Start});
        if (Status != 0)
            return done({true, Status, {}});
        if (!Granted || form != "token=t%2Bk%2Fn")
            return done({true, 404, {}});
        Granted = false;
        done({true, 200, R"({"server":"https://cloud.example.org","loginName":"alice","appPassword":"app-pw"})"});
    }
    QByteArray Start = R"({"poll":{"token":"t+k/n","endpoint":"https://cloud.example.org/login/v2/poll"},
                           "login":"https://cloud.example.org/login/v2/flow/abc"})";
    bool Granted = false;
    int Status = 0; // answers every poll with this status instead
    std::vector<std::pair<QUrl, QByteArray>> Posts;
};

void RunUntil(const std::function<bool()>& condition, int milliseconds = 2000)
{
    QElapsedTimer timer;
    timer.start();
    while (!condition() && timer.elapsed() < milliseconds)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

} // namespace

TEST(ServiceDiscovery, TheDomainsSrvTargetsComeFirstByPriorityThenItsOwnWellKnownAddress)
{
    const std::vector<TSrvTarget> services{{QStringLiteral("b.example.org."), 8443, 10, 5},
                                           {QStringLiteral("a.example.org."), 443, 10, 60},
                                           {QStringLiteral("first.example.org."), 8843, 0, 0},
                                           {QStringLiteral("bad host.example.org."), 443, 5, 0},
                                           {QStringLiteral("noport.example.org."), 0, 5, 0}};
    EXPECT_EQ(ServerCandidates(QStringLiteral("Example.org"), services, {"x=y", "path=/dav/alice/"}),
              (std::vector<QUrl>{Url("https://first.example.org:8843/dav/alice/"),
                                 Url("https://a.example.org/dav/alice/"), Url("https://b.example.org:8443/dav/alice/"),
                                 Url("https://example.org/")}));
    // Without a usable path the login test looks at each target's /.well-known/carddav.
    EXPECT_EQ(ServerCandidates(QStringLiteral("example.org"), {services[1]}, {"path=relative"}),
              (std::vector<QUrl>{Url("https://a.example.org/"), Url("https://example.org/")}));
    // "." says there is no such service.
    EXPECT_EQ(ServerCandidates(QStringLiteral("example.org"), {{QStringLiteral("."), 443, 0, 0}}, {}),
              (std::vector<QUrl>{Url("https://example.org/")}));

    TFakeResolver resolver;
    std::vector<QUrl> found;
    FindServers(resolver, QStringLiteral(" alice@example.org"), [&](std::vector<QUrl> urls) { found = urls; });
    EXPECT_EQ(resolver.Asked, QStringList{QStringLiteral("SRV _carddavs._tcp.example.org")});
    EXPECT_EQ(found, std::vector<QUrl>{Url("https://example.org/")});
    resolver.Services = {services[2]};
    resolver.Texts = {"path=/dav/"};
    FindServers(resolver, QStringLiteral("alice@example.org"), [&](std::vector<QUrl> urls) { found = urls; });
    EXPECT_EQ(resolver.Asked.last(), QStringLiteral("TXT _carddavs._tcp.example.org"));
    EXPECT_EQ(found.front(), Url("https://first.example.org:8843/dav/"));

    for (const char* text : {"https://dav.example.org", "dav.example.org", "@example.org", "a@b@example.org",
                             "alice@localhost", "alice@example.org/x", "al ice@example.org"})
        EXPECT_FALSE(IsEmailAddress(QString::fromLatin1(text))) << text;
}

TEST(LoginFlow, PollsWithTheTokenUntilTheAccessIsGrantedAndSendsItNowhereElse)
{
    TFakeNextcloud server;
    TLoginFlow flow(server);
    flow.SetTiming(5ms, 5s);
    QUrl page;
    flow.Offer(Url("https://cloud.example.org/nc/"), [&](const QUrl& offered) { page = offered; });
    EXPECT_EQ(server.Posts.at(0).first, Url("https://cloud.example.org/nc/index.php/login/v2"));
    EXPECT_EQ(page, Url("https://cloud.example.org/login/v2/flow/abc"));

    bool finished = false;
    TAppLogin login;
    flow.Wait([&](const TAppLogin& got, const QString& failure) {
        EXPECT_TRUE(failure.isEmpty()) << failure.toStdString();
        login = got;
        finished = true;
    });
    RunUntil([&] { return server.Posts.size() >= 4; });
    EXPECT_FALSE(finished);
    server.Granted = true;
    RunUntil([&] { return finished; });
    ASSERT_TRUE(finished);
    EXPECT_EQ(login.LoginName, QStringLiteral("alice"));
    EXPECT_EQ(login.AppPassword, QStringLiteral("app-pw"));
    EXPECT_EQ(login.Server, Url("https://cloud.example.org"));
    const std::size_t posts = server.Posts.size();
    RunUntil([] { return false; }, 50);
    EXPECT_EQ(server.Posts.size(), posts); // done means done
    for (std::size_t i = 1; i < posts; ++i)
        EXPECT_EQ(server.Posts[i].first, Url("https://cloud.example.org/login/v2/poll"));

    // An endpoint elsewhere, or a page over plain http, is no offer: the token would leave the server.
    server.Start.replace("https://cloud.example.org/login/v2/poll", "https://collector.example.net/poll");
    flow.Offer(Url("https://cloud.example.org/"), [&](const QUrl& offered) { page = offered; });
    EXPECT_TRUE(page.isEmpty());
    server.Start = R"({"poll":{"token":"t","endpoint":"https://cloud.example.org/p"},"login":"http://cloud.example.org/"})";
    flow.Offer(Url("https://cloud.example.org/"), [&](const QUrl& offered) { page = offered; });
    EXPECT_TRUE(page.isEmpty());
    server.Start = "<html>not a Nextcloud</html>";
    flow.Offer(Url("https://cloud.example.org/"), [&](const QUrl& offered) { page = offered; });
    EXPECT_TRUE(page.isEmpty());
}

TEST(LoginFlow, EndsAfterItsTimeAfterARefusalAndNotAtAllAfterCancel)
{
    TFakeNextcloud server;
    TLoginFlow flow(server);
    flow.SetTiming(5ms, 60ms);
    QString failure;
    const auto wait = [&] {
        failure.clear();
        flow.Offer(Url("https://cloud.example.org/"), [](const QUrl&) {});
        flow.Wait([&](const TAppLogin&, const QString& why) { failure = why; });
    };
    wait();
    RunUntil([&] { return !failure.isEmpty(); });
    EXPECT_EQ(failure, QStringLiteral("the log-in in the browser was not finished in time"));

    server.Status = 403;
    wait();
    RunUntil([&] { return !failure.isEmpty(); });
    EXPECT_EQ(failure, QStringLiteral("the server refused the log-in in the browser"));

    server.Status = 0;
    wait();
    flow.Cancel();
    const std::size_t posts = server.Posts.size();
    server.Granted = true;
    RunUntil([] { return false; }, 100);
    EXPECT_EQ(server.Posts.size(), posts);
    EXPECT_TRUE(failure.isEmpty());
}

namespace {

class TRecordingLauncher final : public ILauncher
{
public:
    void OpenUrl(const QString& url, std::function<void()>) override { Opened << url; }
    bool StartProgram(const QString&, const QStringList&) override { return false; }
    QString FindProgram(const QString&) const override { return {}; }
    QString ProgramFilePath() const override { return {}; }
    QStringList Opened;
};

class TFakeService final : public IAccountService
{
public:
    std::vector<TAccount> Accounts() const override { return {}; }
    void Add(const QUrl&, const QString&, const QString&, std::function<void(const QString&)> done) override
    {
        Done = std::move(done);
    }
    void AddByEmail(const QString& email, const QString& user, const QString&,
                    std::function<void(const QString&)> done) override
    {
        Email = email + u' ' + user;
        Done = std::move(done);
    }
    void OfferBrowserLogin(const QUrl& server, std::function<void(const QUrl&)> offered) override
    {
        offered(server.host() == QLatin1String("cloud.example.org") ? Url("https://cloud.example.org/flow")
                                                                       : QUrl());
    }
    void CompleteBrowserLogin(std::function<void(const QString&)> done) override { Done = std::move(done); }
    void Cancel() override { ++Cancels; }
    void Remove(const TAccount&, std::function<void(const QString&)>) override {}

    QString Email;
    std::function<void(const QString&)> Done;
    int Cancels = 0;
};

} // namespace

TEST(AddAccountDialog, AnEmailAddressIsTheUserNameAndTheBrowserLogInNeedsNoPassword)
{
    TFakeService service;
    TRecordingLauncher launcher;
    TAddAccountDialog dialog(service, nullptr, &launcher);
    int added = 0;
    dialog.OnAdded = [&added] { ++added; };
    dialog.show();
    auto* server = dialog.findChild<QLineEdit*>(QStringLiteral("edServer"));
    auto* user = dialog.findChild<QLineEdit*>(QStringLiteral("edUser"));
    auto* busy = dialog.findChild<QProgressBar*>(QStringLiteral("barBusy"));
    auto* browser = dialog.findChild<QPushButton*>(QStringLiteral("btnBrowserLogin"));

    server->setFocus();
    server->textEdited(QStringLiteral("alice@example.org"));
    EXPECT_EQ(user->text(), QStringLiteral("alice@example.org"));
    user->setText(QStringLiteral("alice"));
    server->textEdited(QStringLiteral("alice@example.com"));
    EXPECT_EQ(user->text(), QStringLiteral("alice")); // what the user typed stays
    server->setText(QStringLiteral("alice@example.com"));
    dialog.findChild<QLineEdit*>(QStringLiteral("edPassword"))->setText(QStringLiteral("pw"));
    dialog.findChild<QPushButton*>(QStringLiteral("btnAdd"))->click();
    EXPECT_EQ(service.Email, QStringLiteral("alice@example.com alice"));
    EXPECT_TRUE(busy->isVisible());
    EXPECT_FALSE(server->isEnabled());
    // Cancel stops the test and leaves the dialog open for another try.
    dialog.findChild<QPushButton*>(QStringLiteral("btnCancel"))->click();
    EXPECT_EQ(service.Cancels, 1);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_FALSE(busy->isVisible());
    EXPECT_TRUE(server->isEnabled());

    server->setText(QStringLiteral("cloud.example.org"));
    server->textEdited(server->text());
    server->editingFinished();
    ASSERT_TRUE(browser->isVisible());
    browser->click();
    EXPECT_EQ(launcher.Opened, QStringList{QStringLiteral("https://cloud.example.org/flow")});
    EXPECT_TRUE(busy->isVisible());
    service.Done({});
    EXPECT_EQ(added, 1);
    EXPECT_FALSE(dialog.isVisible());
}
