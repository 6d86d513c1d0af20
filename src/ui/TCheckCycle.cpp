#include "TCheckCycle.h"

void TCheckCycle::Load(TDate today, std::int32_t forwardDays)
{
    m_addressBook.Load();
    m_events.CheckForwardDays = forwardDays;
    m_events.Build(m_addressBook.AddressBook, today);
    m_rows = ReportRows(m_events, today);
    m_newDay = today != m_lastDay;
    m_lastDay = today;
}

TCheckOutcome TCheckCycle::Decide(const TCheckCase& check)
{
    TCheckOutcome outcome;
    outcome.PostNotice = check.CanNotify && check.NoticeDue && check.RemindWith != TConfig::RemindWindowOnly;
    // A new day makes the last day's "today" false; a new notice replaces it anyway.
    outcome.WithdrawNotice = check.CanNotify && check.NewDay && !outcome.PostNotice;
    const bool notificationOnly = check.RemindWith == TConfig::RemindNotificationOnly && check.CanNotify;
    outcome.ShowWindow = check.EventsListed && !notificationOnly;
    // Reminded through the notification alone: whether the window must stand in is known only when the desktop
    // has answered, and a start-and-quit run ends only then.
    outcome.AwaitNotice = outcome.PostNotice && notificationOnly;
    // A window shown by a start-and-quit run ends the run when it closes by itself.
    outcome.Terminate = check.QuitAfterCheck && !outcome.ShowWindow && !outcome.AwaitNotice;
    return outcome;
}

TCheckOutcome TCheckCycle::AfterNotice(const TCheckCase& check, bool posted)
{
    TCheckOutcome outcome;
    if (posted)
        outcome.Terminate = check.QuitAfterCheck;
    else
        outcome.ShowWindow = true;
    return outcome;
}
