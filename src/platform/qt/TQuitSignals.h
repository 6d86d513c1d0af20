#pragma once

#include <QObject>

#include <functional>

class QSocketNotifier;

// SIGTERM (a logout, `systemctl --user stop`) and SIGINT end the program through its own quit steps instead of
// killing it on the spot. The signal handler only writes a byte into a pipe; the event loop reads it and calls the
// handler, where anything may be done. One at a time: a second object while one exists installs nothing.
class TQuitSignals final : public QObject
{
    Q_OBJECT

public:
    explicit TQuitSignals(std::function<void()> quit);
    ~TQuitSignals() override;
    TQuitSignals(const TQuitSignals&) = delete;
    TQuitSignals& operator=(const TQuitSignals&) = delete;

    // Whether the signals are routed here (false where the pipe could not be made).
    bool Installed() const { return m_notifier != nullptr; }

private:
    void OnReadable();

    std::function<void()> m_quit;
    int m_pipe[2] = {-1, -1};
    QSocketNotifier* m_notifier = nullptr;
};
