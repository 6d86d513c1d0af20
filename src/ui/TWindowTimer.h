#pragma once

#include <QTimer>

#include <cstdint>

// A timer with the window's rules: it is "enabled" or not, and an enabled timer fires only while its interval is a
// positive number of milliseconds that fits the event loop's timer. QTimer fires a 0 ms timer continuously, so an
// interval of 0, a negative one or one too long for an int keeps the timer enabled but silent.
class TWindowTimer final : public QTimer
{
public:
    TWindowTimer(const char* name, QObject* parent) : QTimer(parent) { setObjectName(QString::fromLatin1(name)); }

    bool Enabled() const { return m_enabled; }
    std::int64_t Interval() const { return m_interval; }

    void SetEnabled(bool enabled)
    {
        if (enabled == m_enabled)
            return;
        m_enabled = enabled;
        Apply();
    }

    // A different interval restarts the count of an enabled timer; the same one leaves it running.
    void SetInterval(std::int64_t milliseconds)
    {
        if (milliseconds == m_interval)
            return;
        m_interval = milliseconds;
        Apply();
    }

    // Whether the event loop will deliver ticks.
    bool Fires() const { return m_enabled && m_interval > 0 && m_interval <= INT32_MAX; }

private:
    void Apply()
    {
        if (Fires())
            start(static_cast<int>(m_interval));
        else
            stop();
    }

    bool m_enabled = false;
    std::int64_t m_interval = 1000;
};
