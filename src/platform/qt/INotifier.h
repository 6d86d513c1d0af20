#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <utility>
#include <vector>

// One reminder for the desktop's notification list. All texts are plain text; the notifier makes them safe for
// whatever the server reads.
struct TNotice
{
    QString Summary;
    QStringList BodyLines;
    // Milliseconds after which the server should take the notice down; -1 for the server's own default.
    int ExpireMs = -1;
    // The label of the action that shows the list; empty for no actions, as for a program that will not be there
    // to answer them.
    QString ShowListLabel;
    // More actions beside "show the list", as key and label, where the notice has actions at all.
    std::vector<std::pair<QString, QString>> Actions;
};

// The desktop's notifications. Posting never waits for the desktop; whether the notice got there is answered later.
class INotifier
{
public:
    virtual ~INotifier() = default;
    // Replaces the notification posted before, if the desktop still shows it. `posted`, when given, is called
    // exactly once, later (never from inside Notify), with whether a notification server took the notice: false
    // when there is no server, the call failed or timed out, or the notice was withdrawn before it was sent. A
    // notice replaced while waiting gets the outcome of the notice that replaced it. A program that is ending
    // takes no more answers: once the notifier flushes for the exit, `posted` is not called.
    virtual void Notify(const TNotice& notice, std::function<void(bool posted)> posted = {}) = 0;
    // Takes the notification posted before off the screen, if there is one; also drops a notice still waiting to be
    // sent (its `posted` hears false).
    virtual void Withdraw() = 0;
    // Called when the user picks the notification itself or its "show the list" action.
    virtual void SetShowHandler(std::function<void()> handler) = 0;
    // Called with the key when the user picks one of the notice's other Actions.
    virtual void SetActionHandler(std::function<void(const QString& key)> handler) = 0;
};
