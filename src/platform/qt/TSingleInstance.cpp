#include "TSingleInstance.h"

#include <QDir>
#include <QLocalSocket>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <memory>
#include <utility>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr const char* BaseName = "nelvora";
constexpr int ConnectTimeoutMs = 500;
constexpr unsigned long RetryDelayMs = 50;
constexpr qint64 MaxRequestBytes = 512;

} // namespace

QString TSingleInstance::DefaultDirectory()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QDir::isAbsolutePath(runtime) && QDir(runtime).exists())
        return runtime;
    // No runtime folder (a session without a login manager): one of our own, which nobody else may own.
    const QString own = QDir::tempPath() + QStringLiteral("/nelvora-%1").arg(::getuid());
    const QByteArray path = QFile::encodeName(own);
    ::mkdir(path.constData(), 0700);
    struct stat info
    {
    };
    if (::lstat(path.constData(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != ::getuid() ||
        (info.st_mode & 0077) != 0)
        return QString();
    return own;
}

TSingleInstance::TSingleInstance(QString directory)
{
    if (directory.isEmpty())
        directory = DefaultDirectory();
    if (directory.isEmpty())
        return;
    m_lockPath = directory + QLatin1Char('/') + QLatin1String(BaseName) + QStringLiteral(".lock");
    m_socketPath = directory + QLatin1Char('/') + QLatin1String(BaseName) + QStringLiteral(".socket");
    QObject::connect(&m_server, &QLocalServer::newConnection, &m_server, [this] {
        while (QLocalSocket* peer = m_server.nextPendingConnection()) {
            // A connection asks for the window; the peer does not wait for an answer. Its one line may carry the
            // activation token the desktop gave the later start; the line ends with the connection, or is not
            // waited for longer than a connect.
            auto done = std::make_shared<bool>(false);
            auto finish = [this, peer, done] {
                if (std::exchange(*done, true))
                    return;
                const QByteArray line = peer->read(MaxRequestBytes).split('\n').value(0);
                peer->deleteLater();
                const QByteArray token = line.startsWith("show ") ? line.mid(5) : QByteArray();
                ShowRequested(IsActivationToken(token) ? token : QByteArray());
            };
            QObject::connect(peer, &QLocalSocket::readyRead, peer, [peer, finish] {
                if (peer->canReadLine() || peer->bytesAvailable() >= MaxRequestBytes)
                    finish();
            });
            QObject::connect(peer, &QLocalSocket::disconnected, peer, finish);
            QTimer::singleShot(ConnectTimeoutMs, peer, finish);
        }
    });
}

TSingleInstance::~TSingleInstance()
{
    if (m_lockFd < 0)
        return;
    // The socket file goes while the lock is still held, so that it never outlives the lock of a live instance.
    m_server.close();
    ::close(m_lockFd);
}

TSingleInstance::Role TSingleInstance::Claim(std::chrono::milliseconds wait)
{
    if (m_lockPath.isEmpty())
        return Role::First; // nowhere private to meet: every start runs on its own
    const auto deadline = std::chrono::steady_clock::now() + wait;
    for (;;) {
        if (TryLock()) {
            Listen();
            return Role::First;
        }
        if (AskFirstToShow())
            return Role::Forwarded;
        // The holder has not started listening yet, or has just ended: try both again.
        if (std::chrono::steady_clock::now() >= deadline) {
            std::fprintf(stderr, "Nelvora: the running instance does not answer; starting another one\n");
            return Role::First;
        }
        QThread::msleep(RetryDelayMs);
    }
}

bool TSingleInstance::TryLock()
{
    const QByteArray path = QFile::encodeName(m_lockPath);
    const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0)
        return false;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return false;
    }
    m_lockFd = fd;
    return true;
}

void TSingleInstance::Listen()
{
    // Whatever socket file is there belongs to an instance that has ended: the lock says nobody else runs.
    QLocalServer::removeServer(m_socketPath);
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server.listen(m_socketPath))
        std::fprintf(stderr, "Nelvora: later starts cannot reach this one: %s\n", qPrintable(m_server.errorString()));
}

bool TSingleInstance::AskFirstToShow()
{
    QLocalSocket socket;
    socket.connectToServer(m_socketPath);
    if (!socket.waitForConnected(ConnectTimeoutMs))
        return false;
    // A start from the desktop's launcher carries a token that lets the window take the focus on Wayland.
    const QByteArray token = qgetenv("XDG_ACTIVATION_TOKEN");
    socket.write(IsActivationToken(token) ? "show " + token + '\n' : QByteArray("show\n"));
    socket.waitForBytesWritten(ConnectTimeoutMs);
    socket.disconnectFromServer();
    return true;
}

void TSingleInstance::SetShowHandler(std::function<void()> handler)
{
    m_showHandler = std::move(handler);
    if (!m_showHandler)
        return;
    for (; m_pendingShows > 0; --m_pendingShows)
        m_showHandler();
}

void TSingleInstance::ShowRequested(const QByteArray& token)
{
    if (!m_showHandler) {
        ++m_pendingShows; // the window's first show is still to come, and no token is needed for it
        return;
    }
    // The toolkit's Wayland platform takes the token from the environment when the window asks for the focus,
    // which the handler does; left there, it would pass on to the programs the window starts.
    if (!token.isEmpty())
        qputenv("XDG_ACTIVATION_TOKEN", token);
    m_showHandler();
    if (!token.isEmpty())
        qunsetenv("XDG_ACTIVATION_TOKEN");
}

bool TSingleInstance::IsActivationToken(const QByteArray& token)
{
    // Compositors hand out short printable words; anything else did not come from one.
    if (token.isEmpty() || token.size() > MaxTokenBytes)
        return false;
    return std::all_of(token.begin(), token.end(), [](char c) { return c > ' ' && c < 0x7f; });
}
