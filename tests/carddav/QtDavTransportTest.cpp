#include "AccountSync.h"
#include "TQtDavTransport.h"
#include "TSyncScheduler.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdlib>
#include <thread>

using namespace CardDav;

namespace {

// A server on loopback that reads one request per connection and answers with `answer` as it is, then closes;
// with an empty `answer` it never says a word. Stops when destroyed.
class TRawServer final
{
public:
    explicit TRawServer(QByteArray answer) : m_answer(std::move(answer))
    {
        m_listen = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        if (::bind(m_listen, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
            ::listen(m_listen, 8) != 0 || ::getsockname(m_listen, reinterpret_cast<sockaddr*>(&address), &length) != 0)
            ADD_FAILURE() << "no loopback socket";
        m_port = ntohs(address.sin_port);
        m_thread = std::thread([this] { Serve(); });
    }
    ~TRawServer()
    {
        ::shutdown(m_listen, SHUT_RDWR);
        m_thread.join();
        ::close(m_listen);
        for (const int client : m_clients)
            ::close(client);
    }
    QUrl Url() const { return QUrl(QStringLiteral("http://127.0.0.1:%1/u/book/").arg(m_port)); }

private:
    void Serve()
    {
        for (;;) {
            const int client = ::accept4(m_listen, nullptr, nullptr, SOCK_CLOEXEC);
            if (client < 0)
                return;
            char buffer[4096];
            QByteArray request;
            while (!request.contains("\r\n\r\n")) {
                const ssize_t got = ::read(client, buffer, sizeof buffer);
                if (got <= 0)
                    break;
                request.append(buffer, got);
            }
            if (m_answer.isEmpty()) {
                m_clients.push_back(client); // hung: the connection stays open and silent
                continue;
            }
            (void)!::write(client, m_answer.constData(), static_cast<std::size_t>(m_answer.size()));
            ::close(client);
        }
    }

    QByteArray m_answer;
    int m_listen = -1;
    quint16 m_port = 0;
    std::thread m_thread;
    std::vector<int> m_clients;
};

class TFakeSecrets final : public ISecretStore
{
public:
    void Read(const QString&, std::function<void(const QString&, const QString&)> done) override
    {
        done(QStringLiteral("secret"), {});
    }
    void Write(const QString&, const QString&, std::function<void(const QString&)> done) override { done({}); }
    void Remove(const QString&, std::function<void(const QString&)> done) override { done({}); }
};

} // namespace

TEST(QtDavTransport, ACardCutOffInTransferIsAFailureNotAnAnswer)
{
    TRawServer server("HTTP/1.1 200 OK\r\nContent-Type: text/vcard\r\nContent-Length: 1000\r\nETag: \"1\"\r\n\r\n"
                      "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Cut Off\r\nBDAY:1980-");
    TQtDavTransport transport(server.Url(), QStringLiteral("alice"), QStringLiteral("secret"));
    const TDavReply reply = transport.Send({"GET", server.Url().resolved(QUrl(QStringLiteral("a.vcf"))), {}, {}});
    EXPECT_EQ(reply.Failure, TTransportFailure::Network);
}

TEST(QtDavTransport, QuittingWithAHungServerEndsWithinThreeSeconds)
{
    TRawServer server({});
    std::string pattern = (std::filesystem::temp_directory_path() / "nelvora-quit-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    ::setenv("XDG_CACHE_HOME", (pattern + "/cache").c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", (pattern + "/config").c_str(), 1);
    std::filesystem::create_directories(pattern + "/config/nelvora");
    const TAccount account{server.Url().toString().toStdString(), "alice"};
    ASSERT_EQ(SaveAccounts(AccountsFile(), {account}), "");

    TFakeSecrets secrets;
    QElapsedTimer took;
    {
        TSyncScheduler scheduler(secrets, [account] { return std::vector<TAccount>{account}; });
        scheduler.SyncNow();
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < 700)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        ASSERT_TRUE(scheduler.IsRunning()); // the request hangs
        took.start();
    }
    EXPECT_LT(took.elapsed(), 3000);
    ::unsetenv("XDG_CACHE_HOME");
    ::unsetenv("XDG_CONFIG_HOME");
    std::filesystem::remove_all(pattern);
}
