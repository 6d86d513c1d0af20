// The notifier against a stand-in notification server on a private peer connection (and, for a server that is
// replaced, on a private bus), so that what the server receives and when can be seen and held back.

#include "TDBusNotifier.h"

#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusMessage>
#include <QDBusServer>
#include <QDBusServiceWatcher>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QVariantMap>

#include <memory>

#include <gtest/gtest.h>

#include <sys/resource.h>

namespace {

const QString ServiceName = QStringLiteral("org.freedesktop.Notifications");
const QString ObjectPath = QStringLiteral("/org/freedesktop/Notifications");

// What a notification server needs to be for the notifier; replies can be held back to keep a call in flight.
class TFakeServer final : public QObject, protected QDBusContext
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    struct TCall
    {
        uint ReplacesId;
        QString Summary;
        QString Body;
        QStringList Actions;
        QVariantMap Hints;
        int ExpireTimeout;
    };

    QStringList Capabilities{QStringLiteral("actions"), QStringLiteral("body"), QStringLiteral("body-markup")};
    bool HoldNotify = false;       // Notify is answered by Release only
    bool HoldCapabilities = false; // GetCapabilities is answered by ReleaseCapabilities only
    bool AnswerNothing = false;    // no call is ever answered
    bool FailNotify = false;
    uint NextId = 7;
    std::vector<TCall> Calls;
    std::vector<uint> Closed;
    QDBusConnection Bus{QString()};

    // Answers the oldest Notify held back.
    void Release()
    {
        ASSERT_FALSE(m_held.empty());
        const QDBusMessage call = m_held.front();
        m_held.erase(m_held.begin());
        Bus.send(call.createReply(QVariant::fromValue(NextId++)));
    }
    std::size_t Held() const { return m_held.size(); }
    void ReleaseCapabilities()
    {
        ASSERT_FALSE(m_heldCapabilities.empty());
        const QDBusMessage call = m_heldCapabilities.front();
        m_heldCapabilities.erase(m_heldCapabilities.begin());
        Bus.send(call.createReply(Capabilities));
    }
    std::size_t HeldCapabilities() const { return m_heldCapabilities.size(); }

    void Emit(const QString& name, const QVariantList& arguments)
    {
        QDBusMessage signal = QDBusMessage::createSignal(ObjectPath, ServiceName, name);
        signal.setArguments(arguments);
        Bus.send(signal);
    }

public Q_SLOTS:
    QStringList GetCapabilities()
    {
        if (AnswerNothing)
            setDelayedReply(true);
        if (HoldCapabilities && !AnswerNothing) {
            setDelayedReply(true);
            m_heldCapabilities.push_back(message());
        }
        return Capabilities;
    }

    uint Notify(const QString& /*appName*/, uint replacesId, const QString& /*icon*/, const QString& summary,
                const QString& body, const QStringList& actions, const QVariantMap& hints, int expireTimeout)
    {
        Calls.push_back({replacesId, summary, body, actions, hints, expireTimeout});
        if (FailNotify) {
            sendErrorReply(QDBusError::Failed, QStringLiteral("out of order"));
            return 0;
        }
        if (HoldNotify || AnswerNothing) {
            setDelayedReply(true);
            m_held.push_back(message());
            return 0;
        }
        return NextId++;
    }

    void CloseNotification(uint id) { Closed.push_back(id); }

private:
    std::vector<QDBusMessage> m_held;
    std::vector<QDBusMessage> m_heldCapabilities;
};

// A peer connection to a fake server in the same process: the notifier gets the client end.
class TPeer
{
public:
    TPeer()
    {
        QObject::connect(&m_server, &QDBusServer::newConnection, &m_server, [this](const QDBusConnection& bus) {
            Server.Bus = bus;
            Server.Bus.registerObject(ObjectPath, &Server, QDBusConnection::ExportAllSlots);
        });
        Client = QDBusConnection::connectToPeer(m_server.address(), m_name);
        EXPECT_TRUE(Client.isConnected()) << Client.lastError().message().toStdString();
        EXPECT_TRUE(QTest::qWaitFor([this] { return Server.Bus.isConnected(); }, 5000));
    }
    ~TPeer()
    {
        QDBusConnection::disconnectFromPeer(m_name);
        if (Server.Bus.isConnected())
            QDBusConnection::disconnectFromPeer(Server.Bus.name());
    }

    TFakeServer Server;
    QDBusConnection Client{QString()};

private:
    QDBusServer m_server{QStringLiteral("unix:tmpdir=") + QDir::tempPath()};
    QString m_name = QStringLiteral("notifier-test-%1").arg(reinterpret_cast<quintptr>(this));
};

// How the callers of Notify were answered, in order.
struct TAnswers
{
    std::vector<std::pair<char, bool>> Heard;
    std::function<void(bool)> For(char notice)
    {
        return [this, notice](bool posted) { Heard.emplace_back(notice, posted); };
    }
};

TNotice Notice(const QString& summary, int expireMs = -1)
{
    TNotice notice;
    notice.Summary = summary;
    notice.BodyLines = {QStringLiteral("<b>Ann</b> & Bo: bday. today")};
    notice.ExpireMs = expireMs;
    notice.ShowListLabel = QStringLiteral("Show List");
    return notice;
}

bool WaitFor(const std::function<bool()>& condition)
{
    return QTest::qWaitFor(condition, 5000);
}

// CPU time of the whole process (all threads), in milliseconds.
double CpuMs()
{
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000.0 +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1000.0;
}

} // namespace

TEST(TDBusNotifier, WhatTheServerReceivesFollowsItsCapabilities)
{
    struct TCase
    {
        const char* What;
        QStringList Capabilities;
        int ExpireMs;
        QString Body;
        QStringList Actions;
    };
    const QString plain = QStringLiteral("<b>Ann</b> & Bo: bday. today");
    const QString escaped = QStringLiteral("&lt;b&gt;Ann&lt;/b&gt; &amp; Bo: bday. today");
    const QStringList actions = {"default", "Show List", "show-list", "Show List"};
    const TCase cases[] = {
        {"markup and actions", {"actions", "body", "body-markup"}, 0, escaped, actions},
        {"a body, but not markup", {"actions", "body"}, 3600000, plain, actions},
        {"no actions", {"body", "body-markup"}, -1, escaped, {}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.What);
        TPeer peer;
        peer.Server.Capabilities = c.Capabilities;
        TDBusNotifier notifier(QStringLiteral("Nelvora"), QStringLiteral("org.example.nelvora"), peer.Client);
        notifier.Notify(Notice(QStringLiteral("1 birthday today"), c.ExpireMs));
        ASSERT_TRUE(WaitFor([&] { return !peer.Server.Calls.empty(); }));
        const TFakeServer::TCall& call = peer.Server.Calls[0];
        EXPECT_EQ(call.Summary, QStringLiteral("1 birthday today"));
        EXPECT_EQ(call.Body, c.Body);
        EXPECT_EQ(call.Actions, c.Actions);
        EXPECT_EQ(call.ExpireTimeout, c.ExpireMs);
        EXPECT_EQ(call.Hints.value(QStringLiteral("desktop-entry")).toString(), QStringLiteral("org.example.nelvora"));
    }
}

TEST(TDBusNotifier, NoticesArrivingWhileACallIsInFlightGiveWayToTheNewestAndHearItsOutcome)
{
    TPeer peer;
    peer.Server.HoldNotify = true;
    TDBusNotifier notifier(QStringLiteral("Nelvora"), QStringLiteral("nelvora"), peer.Client);
    TAnswers answers;

    notifier.Notify(Notice(QStringLiteral("A")), answers.For('A'));
    ASSERT_TRUE(WaitFor([&] { return peer.Server.Held() == 1; }));
    notifier.Notify(Notice(QStringLiteral("B")), answers.For('B'));
    notifier.Notify(Notice(QStringLiteral("C")), answers.For('C'));
    QTest::qWait(50);
    EXPECT_EQ(peer.Server.Calls.size(), 1u) << "nothing is sent while a call is in flight";
    EXPECT_TRUE(answers.Heard.empty());

    peer.Server.Release();
    ASSERT_TRUE(WaitFor([&] { return peer.Server.Held() == 1; }));
    ASSERT_EQ(peer.Server.Calls.size(), 2u);
    EXPECT_EQ(peer.Server.Calls[1].Summary, QStringLiteral("C"));
    EXPECT_EQ(peer.Server.Calls[1].ReplacesId, 7u) << "replaces the one the server just showed";
    peer.Server.Release();
    ASSERT_TRUE(WaitFor([&] { return answers.Heard.size() == 3; }));
    const std::vector<std::pair<char, bool>> expected{{'A', true}, {'B', true}, {'C', true}};
    EXPECT_EQ(answers.Heard, expected);
    EXPECT_FALSE(notifier.Busy());
}

TEST(TDBusNotifier, WithdrawClosesWhatIsShownOrWhatTheCallInFlightReturnsAndDropsWhatWaits)
{
    TPeer peer;
    TDBusNotifier notifier(QStringLiteral("Nelvora"), QStringLiteral("nelvora"), peer.Client);
    TAnswers answers;

    // Nothing posted yet: nothing to close.
    notifier.Withdraw();
    QTest::qWait(50);
    EXPECT_TRUE(peer.Server.Closed.empty());

    notifier.Notify(Notice(QStringLiteral("A")), answers.For('A'));
    ASSERT_TRUE(WaitFor([&] { return !notifier.Busy(); }));
    notifier.Withdraw();
    ASSERT_TRUE(WaitFor([&] { return peer.Server.Closed.size() == 1; }));
    EXPECT_EQ(peer.Server.Closed[0], 7u);

    // While B is on its way and C waits: C never goes out, and what B returns is closed.
    peer.Server.HoldNotify = true;
    notifier.Notify(Notice(QStringLiteral("B")), answers.For('B'));
    ASSERT_TRUE(WaitFor([&] { return peer.Server.Held() == 1; }));
    EXPECT_EQ(peer.Server.Calls.back().ReplacesId, 0u) << "the withdrawn id is forgotten";
    notifier.Notify(Notice(QStringLiteral("C")), answers.For('C'));
    notifier.Withdraw();
    peer.Server.Release();
    ASSERT_TRUE(WaitFor([&] { return peer.Server.Closed.size() == 2 && !notifier.Busy(); }));
    EXPECT_EQ(peer.Server.Closed[1], 8u);
    EXPECT_EQ(peer.Server.Calls.size(), 2u);
    ASSERT_TRUE(WaitFor([&] { return answers.Heard.size() == 3; }));
    const std::vector<std::pair<char, bool>> expected{{'A', true}, {'C', false}, {'B', true}};
    EXPECT_EQ(answers.Heard, expected);

    // The next notice starts afresh.
    peer.Server.HoldNotify = false;
    notifier.Notify(Notice(QStringLiteral("D")));
    ASSERT_TRUE(WaitFor([&] { return peer.Server.Calls.size() == 3; }));
    EXPECT_EQ(peer.Server.Calls.back().ReplacesId, 0u);
}

TEST(TDBusNotifier, AWithdrawalWhileTheServerIsAskedForItsCapabilitiesSendsNothing)
{
    TPeer peer;
    peer.Server.HoldCapabilities = true;
    TDBusNotifier notifier(QStringLiteral("Nelvora"), QStringLiteral("nelvora"), peer.Client);
    TAnswers answers;
    notifier.Notify(Notice(QStringLiteral("A")), answers.For('A'));
    ASSERT_TRUE(WaitFor([&] { return peer.Server.HeldCapabilities() == 1; }));
    notifier.Withdraw();
    peer.Server.ReleaseCapabilities();
    ASSERT_TRUE(WaitFor([&] { return !answers.Heard.empty(); }));
    QTest::qWait(50);
    EXPECT_TRUE(peer.Server.Calls.empty()) << "a withdrawn notice never reaches the screen";
    const std::vector<std::pair<char, bool>> expected{{'A', false}};
    EXPECT_EQ(answers.Heard, expected);
}

TEST(TDBusNotifier, AfterARefusedNoticeTheNextStillReplacesTheOneOnTheScreen)
{
    TPeer peer;
    TDBusNotifier notifier(QStringLiteral("Nelvora"), QStringLiteral("nelvora"), peer.Client);
    notifier.Notify(Notice(QStringLiteral("A")));
    ASSERT_TRUE(WaitFor([&] { return peer.Server.Calls.size() == 1 && !notifier.Busy(); }));
    peer.Server.FailNotify = true;
    notifier.Notify(Notice(QStringLiteral("B")));
    ASSERT_TRUE(WaitFor([&] { return peer.Server.Calls.size() == 2 && !notifier.Busy(); }));
    peer.Server.FailNotify = false;
    notifier.Notify(Notice(QStringLiteral("C")));
    ASSERT_TRUE(WaitFor([&] { return peer.Server.Calls.size() == 3; }));
    EXPECT_EQ(peer.Server.Calls[2].ReplacesId, 7u) << "A is still on the screen";
}

TEST(TDBusNotifier, ANewRunTakesOverTheNoticeAnEndedRunLeftAndNoOtherFile)
{
    TPeer peer;
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("nelvora/notice-id"));
    const auto run = [&](const QString& session = QStringLiteral("bus-1")) {
        return std::make_unique<TDBusNotifier>(QStringLiteral("Nelvora"), QStringLiteral("nelvora"), peer.Client,
                                               TNoticeRecord(path, session));
    };
    // A run posts and is killed: nothing withdraws its notice.
    {
        auto killed = run();
        killed->Notify(Notice(QStringLiteral("A")));
        ASSERT_TRUE(WaitFor([&] { return !killed->Busy() && QFile::exists(path); }));
    }
    // The next run's notice takes the place of the one left.
    {
        auto next = run();
        next->Notify(Notice(QStringLiteral("B")));
        ASSERT_TRUE(WaitFor([&] { return peer.Server.Calls.size() == 2 && !next->Busy(); }));
        EXPECT_EQ(peer.Server.Calls[1].ReplacesId, 7u);
    }
    // A run with nothing to say takes the left one down; the record goes with it.
    {
        auto quiet = run();
        quiet->Withdraw();
        ASSERT_TRUE(WaitFor([&] { return peer.Server.Closed.size() == 1 && !quiet->Busy(); }));
        EXPECT_EQ(peer.Server.Closed[0], 8u);
        EXPECT_FALSE(QFile::exists(path));
        quiet->Withdraw();
        QTest::qWait(50);
        EXPECT_EQ(peer.Server.Closed.size(), 1u);
    }
    // Records that are not this session's notice: another bus, another server, garbage, too large, a link.
    const auto write = [&](const QByteArray& content) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
    };
    const QByteArray other[] = {
        "nelvora-notice 1\nbus-2\n\n8\n",      "nelvora-notice 1\nbus-1\n:1.99\n8\n",
        "nelvora-notice 1\nbus-1\n\n0\n",      "nelvora-notice 1\nbus-1\n\n99999999999\n",
        "nelvora-notice 1\nbus-1\n\n",         QByteArray(5000, '\n'),
        QByteArray("\xff\xfe\x00garbage", 10),
    };
    for (const QByteArray& content : other) {
        SCOPED_TRACE(content.left(40).toStdString());
        write(content);
        auto next = run();
        const std::size_t before = peer.Server.Calls.size();
        next->Notify(Notice(QStringLiteral("C")));
        ASSERT_TRUE(WaitFor([&] { return peer.Server.Calls.size() == before + 1 && !next->Busy(); }));
        EXPECT_EQ(peer.Server.Calls.back().ReplacesId, 0u);
        next->Withdraw();
        ASSERT_TRUE(WaitFor([&] { return !next->Busy(); }));
    }
    write("nelvora-notice 1\nbus-1\n\n8\n");
    ASSERT_TRUE(QFile::rename(path, path + QStringLiteral(".real")));
    ASSERT_TRUE(QFile::link(path + QStringLiteral(".real"), path));
    auto linked = run();
    linked->Notify(Notice(QStringLiteral("D")));
    ASSERT_TRUE(WaitFor([&] { return !linked->Busy() && peer.Server.Calls.back().Summary == QLatin1String("D"); }));
    EXPECT_EQ(peer.Server.Calls.back().ReplacesId, 0u);
}

TEST(TDBusNotifier, WithoutAServerOrWhenItFailsTheCallerHearsFalseAndNeverDuringNotify)
{
    struct TCase
    {
        const char* What;
        bool Connected;
        bool ServerThere;
        bool FailNotify;
    };
    const TCase cases[] = {
        {"no bus", false, false, false},
        {"nothing serves notifications", true, false, false},
        {"the server refuses the notice", true, true, true},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.What);
        TPeer peer;
        peer.Server.FailNotify = c.FailNotify;
        if (!c.ServerThere)
            peer.Server.Bus.unregisterObject(ObjectPath);
        TDBusNotifier notifier(QStringLiteral("Nelvora"), QStringLiteral("nelvora"),
                               c.Connected ? peer.Client : QDBusConnection(QStringLiteral("nelvora-no-such-bus")));
        TAnswers answers;
        notifier.Notify(Notice(QStringLiteral("A")), answers.For('A'));
        EXPECT_TRUE(answers.Heard.empty());
        ASSERT_TRUE(WaitFor([&] { return !answers.Heard.empty(); }));
        QTest::qWait(20);
        const std::vector<std::pair<char, bool>> expected{{'A', false}};
        EXPECT_EQ(answers.Heard, expected);
    }
}

TEST(TDBusNotifier, FinishReturnsOnceDrainedAndOtherwiseSleeps)
{
    TPeer peer;
    TDBusNotifier notifier(QStringLiteral("Nelvora"), QStringLiteral("nelvora"), peer.Client);
    TAnswers answers;

    // Idle: at once. A notice on its way: as soon as the server has it.
    QElapsedTimer wall;
    wall.start();
    notifier.Finish(10000);
    EXPECT_LT(wall.elapsed(), 2000);
    notifier.Notify(Notice(QStringLiteral("A")), answers.For('A'));
    wall.restart();
    notifier.Finish(10000);
    EXPECT_LT(wall.elapsed(), 2000);
    EXPECT_EQ(peer.Server.Calls.size(), 1u);

    // A server that never answers: the whole time is waited, asleep.
    peer.Server.AnswerNothing = true;
    notifier.Notify(Notice(QStringLiteral("B")), answers.For('B'));
    const double cpuBefore = CpuMs();
    wall.restart();
    notifier.Finish(300);
    const qint64 waited = wall.elapsed();
    const double cpu = CpuMs() - cpuBefore;
    EXPECT_GE(waited, 290);
    EXPECT_LT(waited, 3000);
    EXPECT_LT(cpu, waited / 4.0) << "CPU ms " << cpu << " over " << waited << " ms";
    QTest::qWait(50);
    EXPECT_TRUE(answers.Heard.empty()) << "an ending program hears no answers, not even A's";
}

namespace {

// A bus daemon of the test's own, standing in for the session bus where the sender of a signal and the owner of a
// name matter (a peer connection has neither).
class TPrivateBus
{
public:
    TPrivateBus()
    {
        QFile config(m_folder.filePath(QStringLiteral("bus.conf")));
        if (!m_folder.isValid() || !config.open(QIODevice::WriteOnly))
            return;
        config.write(QStringLiteral("<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN\""
                                    " \"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
                                    "<busconfig><type>session</type><listen>unix:dir=%1</listen>"
                                    "<policy context=\"default\"><allow send_destination=\"*\"/>"
                                    "<allow receive_sender=\"*\"/><allow own=\"*\"/></policy></busconfig>\n")
                         .arg(m_folder.path())
                         .toUtf8());
        config.close();
        m_daemon.start(QStringLiteral("dbus-daemon"), {QStringLiteral("--config-file=") + config.fileName(),
                                                       QStringLiteral("--nofork"), QStringLiteral("--print-address")});
        if (m_daemon.waitForStarted(5000) && WaitFor([this] { return m_daemon.canReadLine(); }))
            m_address = QString::fromUtf8(m_daemon.readLine()).trimmed();
    }
    ~TPrivateBus()
    {
        for (const QString& name : m_names)
            QDBusConnection::disconnectFromBus(name);
        m_daemon.terminate();
        m_daemon.waitForFinished(5000);
    }
    bool Running() const { return !m_address.isEmpty(); }

    QDBusConnection Connect(const QString& name)
    {
        m_names.push_back(name);
        return QDBusConnection::connectToBus(m_address, name);
    }

    // `server` takes the notification service's name, as a desktop's notification daemon does.
    void Serve(TFakeServer& server, const QString& name)
    {
        server.Bus = Connect(name);
        EXPECT_TRUE(server.Bus.registerObject(ObjectPath, &server, QDBusConnection::ExportAllSlots));
        EXPECT_TRUE(server.Bus.registerService(ServiceName)) << server.Bus.lastError().message().toStdString();
    }

private:
    QTemporaryDir m_folder;
    QProcess m_daemon;
    QString m_address;
    std::vector<QString> m_names;
};

} // namespace

TEST(TDBusNotifier, ItsIdIsForgottenWhenItsNotificationClosesAndOnlyItsActionsShowTheList)
{
    TPrivateBus bus;
    if (!bus.Running())
        GTEST_SKIP() << "no dbus-daemon";
    TFakeServer server;
    bus.Serve(server, QStringLiteral("server"));
    TDBusNotifier notifier(QStringLiteral("Nelvora"), QStringLiteral("nelvora"), bus.Connect(QStringLiteral("client")));
    int shown = 0;
    notifier.SetShowHandler([&] { ++shown; });
    const auto post = [&] {
        const std::size_t before = server.Calls.size();
        notifier.Notify(Notice(QStringLiteral("due")));
        EXPECT_TRUE(WaitFor([&] { return server.Calls.size() == before + 1 && !notifier.Busy(); }));
        return server.Calls.back().ReplacesId;
    };
    EXPECT_EQ(post(), 0u);
    EXPECT_EQ(post(), 7u);
    const uint ours = 8;

    // Another program's notification, an action of ours that is not the list's, then the list's two.
    server.Emit(QStringLiteral("ActionInvoked"), {5u, QStringLiteral("default")});
    server.Emit(QStringLiteral("ActionInvoked"), {ours, QStringLiteral("snooze")});
    server.Emit(QStringLiteral("ActionInvoked"), {ours, QStringLiteral("show-list")});
    server.Emit(QStringLiteral("ActionInvoked"), {ours, QStringLiteral("default")});
    ASSERT_TRUE(WaitFor([&] { return shown == 2; }));

    server.Emit(QStringLiteral("NotificationClosed"), {5u, 2u});
    QTest::qWait(50);
    EXPECT_EQ(post(), ours) << "another program's notification closed";
    server.Emit(QStringLiteral("NotificationClosed"), {ours + 1, 2u});
    QTest::qWait(50);
    EXPECT_EQ(post(), 0u) << "ours was closed: a new notification, not a replacement";

    // A click while the program flushes on its way out reaches no window.
    server.AnswerNothing = true;
    notifier.Notify(Notice(QStringLiteral("last")));
    QTimer::singleShot(50, [&] {
        server.Emit(QStringLiteral("ActionInvoked"), {ours + 2, QStringLiteral("default")});
    });
    notifier.Finish(300);
    QTest::qWait(50);
    EXPECT_EQ(shown, 2);
}

// A server that is replaced counts its ids afresh: the next notice must not replace the old server's id, which may
// now be another program's notification.
TEST(TDBusNotifier, ANewServerOnTheBusGetsANewNotificationNotAReplacement)
{
    TPrivateBus bus;
    if (!bus.Running())
        GTEST_SKIP() << "no dbus-daemon";
    const QDBusConnection client = bus.Connect(QStringLiteral("client"));
    TDBusNotifier notifier(QStringLiteral("Nelvora"), QStringLiteral("nelvora"), client);

    TFakeServer first;
    bus.Serve(first, QStringLiteral("first-server"));
    notifier.Notify(Notice(QStringLiteral("A")));
    notifier.Notify(Notice(QStringLiteral("B")));
    ASSERT_TRUE(WaitFor([&] { return first.Calls.size() == 2 && !notifier.Busy(); }));
    EXPECT_EQ(first.Calls[1].ReplacesId, 7u);

    // The first server leaves the name without a word about its notifications; a second one takes it.
    bool gone = false;
    bool replaced = false;
    QDBusServiceWatcher seen(ServiceName, client);
    QObject::connect(&seen, &QDBusServiceWatcher::serviceUnregistered, [&] { gone = true; });
    QObject::connect(&seen, &QDBusServiceWatcher::serviceRegistered, [&] { replaced = true; });
    first.Bus.unregisterService(ServiceName);
    ASSERT_TRUE(WaitFor([&] { return gone; }));
    TFakeServer second;
    bus.Serve(second, QStringLiteral("second-server"));
    ASSERT_TRUE(WaitFor([&] { return replaced; }));
    notifier.Notify(Notice(QStringLiteral("C")));
    ASSERT_TRUE(WaitFor([&] { return second.Calls.size() == 1; }));
    EXPECT_EQ(second.Calls[0].ReplacesId, 0u);
}
#include "TDBusNotifierTest.moc"
