#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// One reminder for the desktop's notification list. All texts are plain text; the notifier makes them safe for
// whatever the server reads.
struct TNotice
{
    QString Summary;
    QStringList BodyLines;
    // Stays until the user closes it, instead of expiring after the server's usual time.
    bool Persistent = false;
    // The label of the action that shows the list; empty for no actions, as for a program that will not be there
    // to answer them.
    QString ShowListLabel;
};

// The desktop's notifications. Posting never waits for the desktop and never fails to the caller: where nothing
// can show a notification, it is dropped.
class INotifier
{
public:
    virtual ~INotifier() = default;
    // Replaces the notification posted before, if the desktop still shows it.
    virtual void Notify(const TNotice& notice) = 0;
    // Called when the user picks the notification itself or its "show the list" action.
    virtual void SetShowHandler(std::function<void()> handler) = 0;
};
