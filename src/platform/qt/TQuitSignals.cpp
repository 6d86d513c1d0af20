#include "TQuitSignals.h"

#include <QSocketNotifier>

#include <atomic>
#include <cerrno>
#include <csignal>

#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int Signals[] = {SIGTERM, SIGINT};

// The write end for the handler; -1 while no object listens.
std::atomic<int> WriteEnd{-1};

extern "C" void OnQuitSignal(int /*signal*/)
{
    const int savedErrno = errno;
    const int fd = WriteEnd.load();
    if (fd >= 0) {
        const char byte = 1;
        // A full pipe already holds a wake-up; nothing more to say.
        [[maybe_unused]] const ssize_t written = ::write(fd, &byte, 1);
    }
    errno = savedErrno;
}

} // namespace

TQuitSignals::TQuitSignals(std::function<void()> quit) : m_quit(std::move(quit))
{
    if (WriteEnd.load() >= 0 || ::pipe2(m_pipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        m_pipe[0] = m_pipe[1] = -1;
        return;
    }
    WriteEnd.store(m_pipe[1]);
    m_notifier = new QSocketNotifier(m_pipe[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &TQuitSignals::OnReadable);
    struct sigaction action = {};
    action.sa_handler = &OnQuitSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : Signals)
        ::sigaction(signal, &action, nullptr);
}

TQuitSignals::~TQuitSignals()
{
    if (m_notifier == nullptr)
        return;
    // From here on the signals end the program the plain way again.
    struct sigaction action = {};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    for (const int signal : Signals)
        ::sigaction(signal, &action, nullptr);
    WriteEnd.store(-1);
    delete m_notifier;
    ::close(m_pipe[0]);
    ::close(m_pipe[1]);
}

void TQuitSignals::OnReadable()
{
    char bytes[64];
    bool any = false;
    while (::read(m_pipe[0], bytes, sizeof bytes) > 0)
        any = true;
    if (any && m_quit)
        m_quit();
}
