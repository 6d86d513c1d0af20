#pragma once

#include <QLocalServer>
#include <QString>

#include <chrono>
#include <functional>

// One program per user session. The first start holds a lock file and listens on a local socket beside it, both
// below $XDG_RUNTIME_DIR; a later start connects to that socket, which asks the first to show its window, and
// ends. The lock goes with the process that holds it, so what a crashed instance leaves behind never blocks a
// start, and of two starts at the same moment exactly one takes it.
class TSingleInstance final
{
public:
    enum class Role {
        First,     // this process is the instance; later starts reach it
        Forwarded, // another instance runs and has been asked to show itself
    };

    // `directory` empty: the user's runtime directory.
    explicit TSingleInstance(QString directory = QString());
    ~TSingleInstance();

    TSingleInstance(const TSingleInstance&) = delete;
    TSingleInstance& operator=(const TSingleInstance&) = delete;

    // Takes the lock, or hands the start over to the instance that has it. A holder that does not listen within
    // `wait` (hung) leaves this process to run as the first, without the lock.
    Role Claim(std::chrono::milliseconds wait = std::chrono::seconds(10));

    // Called from the event loop for every later start; a start that came before the handler was set is
    // delivered when it is set. While it runs, XDG_ACTIVATION_TOKEN holds the token the later start was given, if
    // any, so that the window it shows may take the focus.
    void SetShowHandler(std::function<void()> handler);

    // A token as compositors hand them out (printable, no spaces, at most MaxTokenBytes).
    static bool IsActivationToken(const QByteArray& token);
    static constexpr qsizetype MaxTokenBytes = 256;

    const QString& SocketPath() const { return m_socketPath; }

    // The folder for the lock and the socket: $XDG_RUNTIME_DIR, else a private folder in the temporary folder.
    static QString DefaultDirectory();

private:
    bool TryLock();
    void Listen();
    bool AskFirstToShow();
    void ShowRequested(const QByteArray& token);

    QString m_lockPath;
    QString m_socketPath;
    int m_lockFd = -1;
    QLocalServer m_server;
    std::function<void()> m_showHandler;
    int m_pendingShows = 0;
};
