#pragma once

#include "INotifier.h"
#include "Records.h"

#include <QString>

#include <functional>
#include <set>
#include <string>
#include <vector>

class TEventList;

// Turns a check into one desktop notification: the dates due today and tomorrow, and those that enter the
// look-ahead window today. So a date reminds as many days ahead as the window is long, the day before and on the
// day, and a date already announced as coming is not announced again while the program runs.
class TReminder final
{
public:
    static constexpr int MaxLines = 8;
    static constexpr int MaxNameLength = 80;

    // `show` is called when the user picks the notification or its action.
    TReminder(INotifier& notifier, std::function<void()> show) : m_notifier(notifier)
    {
        m_notifier.SetShowHandler(std::move(show));
    }
    ~TReminder() { m_notifier.SetShowHandler(nullptr); }
    TReminder(const TReminder&) = delete;
    TReminder& operator=(const TReminder&) = delete;

    // After a check of `events` on `today`; `withActions` is false for a program that ends after the check.
    // Posts nothing when there is nothing to remind of. Returns whether it posted.
    bool AfterCheck(const TEventList& events, TDate today, bool withActions);

    // A name as the notification shows it: plain text on one line, cut to MaxNameLength characters.
    static QString ShownName(const std::string& name);

private:
    struct TItem
    {
        QString Name;
        bool Anniversary = false;
        int Years = 0;
        bool YearKnown = true;
        int Days = 0;
        std::string Key;
    };

    std::vector<TItem> Collect(const TEventList& events, TDate today) const;
    static TNotice Compose(const std::vector<TItem>& items, bool withActions);

    INotifier& m_notifier;
    std::set<std::string> m_announced;
};
