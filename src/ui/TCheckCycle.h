#pragma once

#include "TConfig.h"
#include "TEventList.h"
#include "TIWAB.h"
#include "TReportRows.h"

#include <cstdint>
#include <vector>

// What one check leads to. The window program carries it out; the rule itself knows nothing of windows, trays or
// notification servers, so that every combination can be checked on its own.
struct TCheckOutcome
{
    bool ShowWindow = false;     // show the list as a reminder: faded in, closing by itself
    bool PostNotice = false;     // hand the reminder's notice to the desktop
    bool WithdrawNotice = false; // take an earlier day's notice off the screen
    bool AwaitNotice = false;    // the rest depends on whether the desktop took the notice: see AfterNotice
    bool Terminate = false;      // end a start-and-quit run

    bool operator==(const TCheckOutcome&) const = default;
};

// The facts of one check that the outcome depends on.
struct TCheckCase
{
    std::int32_t RemindWith = TConfig::RemindWindowAndNotification; // as TConfig::RemindWithMode() gives it
    bool QuitAfterCheck = false;
    bool EventsListed = false; // the list holds at least one event
    bool NoticeDue = false;    // the reminder has something to post
    bool CanNotify = true;     // the program has a way to post notices at all
    bool NewDay = false;       // the first check of its day
};

// One check, from reading the contacts through the rows to what the user sees. No toolkit here: the window shows
// what it is told.
class TCheckCycle final
{
public:
    TCheckCycle(TIWAB& addressBook, TEventList& events) : m_addressBook(addressBook), m_events(events) {}

    // Reads the contacts and works out the events and rows of `today` with a window of `forwardDays` days. Throws
    // TExError; the rows of the check before then stay.
    void Load(TDate today, std::int32_t forwardDays);
    const std::vector<TReportRow>& Rows() const { return m_rows; }
    // Whether the last Load was the first of its day.
    bool NewDay() const { return m_newDay; }

    static TCheckOutcome Decide(const TCheckCase& check);
    // Once the desktop has answered a notice of an outcome with AwaitNotice: `posted` tells whether a notification
    // server took it. A reminder is never lost: without a server the window shows instead.
    static TCheckOutcome AfterNotice(const TCheckCase& check, bool posted);
    // Whether the new day's check may run: the date has changed since the last check and the time of day the user
    // chose (`remindAt`, minutes after midnight; 0 for the day change itself) has come.
    static bool NewDayCheckDue(bool dateChanged, int minuteOfDay, std::int32_t remindAt)
    {
        return dateChanged && minuteOfDay >= remindAt;
    }

private:
    TIWAB& m_addressBook;
    TEventList& m_events;
    std::vector<TReportRow> m_rows;
    TDate m_lastDay = 0;
    bool m_newDay = false;
};
