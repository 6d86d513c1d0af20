#include "TCheckCycle.h"

#include <gtest/gtest.h>

namespace {

// What the user ends up with after one check: the outcome, then, where it waits, the desktop's answer.
struct TSeen
{
    bool Window = false;
    bool Notice = false;
    bool Ended = false;
    bool operator==(const TSeen&) const = default;
};

TSeen RunCheck(const TCheckCase& check, bool server)
{
    const TCheckOutcome first = TCheckCycle::Decide(check);
    TSeen seen{first.ShowWindow, first.PostNotice && server, first.Terminate};
    if (first.AwaitNotice) {
        const TCheckOutcome then = TCheckCycle::AfterNotice(check, server);
        seen.Window = seen.Window || then.ShowWindow;
        seen.Ended = seen.Ended || then.Terminate;
    }
    EXPECT_FALSE(first.Terminate && first.AwaitNotice) << "a run may not end before its notice is out";
    return seen;
}

} // namespace

TEST(CheckCycle, EveryReminderChoiceRunModeAndServerEndsWhereTheUserExpects)
{
    constexpr std::int32_t Both = TConfig::RemindWindowAndNotification;
    constexpr std::int32_t WindowOnly = TConfig::RemindWindowOnly;
    constexpr std::int32_t NoticeOnly = TConfig::RemindNotificationOnly;
    struct TRow
    {
        std::int32_t RemindWith;
        bool Quit;
        bool Due;
        bool Server;
        TSeen Expected; // window, notice, ended
    };
    const TRow table[] = {
        // A start-and-quit run that shows its window ends when the window closes by itself, not here.
        {Both, false, true, true, {true, true, false}},
        {Both, false, true, false, {true, false, false}},
        {Both, true, true, true, {true, true, false}},
        {Both, true, true, false, {true, false, false}},
        {Both, false, false, true, {false, false, false}},
        {Both, true, false, true, {false, false, true}},
        {WindowOnly, false, true, true, {true, false, false}},
        {WindowOnly, true, true, true, {true, false, false}},
        {WindowOnly, false, false, false, {false, false, false}},
        {WindowOnly, true, false, false, {false, false, true}},
        {NoticeOnly, false, true, true, {false, true, false}},
        {NoticeOnly, true, true, true, {false, true, true}},
        // No server took the notice: the window stands in, so the reminder is not lost.
        {NoticeOnly, false, true, false, {true, false, false}},
        {NoticeOnly, true, true, false, {true, false, false}},
        {NoticeOnly, false, false, true, {false, false, false}},
        {NoticeOnly, true, false, false, {false, false, true}},
    };
    for (const TRow& row : table) {
        TCheckCase check;
        check.RemindWith = row.RemindWith;
        check.QuitAfterCheck = row.Quit;
        check.EventsListed = row.Due;
        check.NoticeDue = row.Due;
        const TSeen seen = RunCheck(check, row.Server);
        EXPECT_EQ(seen, row.Expected) << "remind with " << row.RemindWith << (row.Quit ? ", start and quit" : ", daily")
                                      << (row.Due ? ", due" : ", nothing due")
                                      << (row.Server ? ", server" : ", no server") << ": window " << seen.Window
                                      << " notice " << seen.Notice << " ended " << seen.Ended;
    }
}

TEST(CheckCycle, ANewDayWithNothingToPostWithdrawsTheLastNoticeAndAProgramWithoutNotifierStillShowsItsList)
{
    TCheckCase check;
    check.NewDay = true;
    EXPECT_TRUE(TCheckCycle::Decide(check).WithdrawNotice);
    check.NoticeDue = check.EventsListed = true;
    EXPECT_FALSE(TCheckCycle::Decide(check).WithdrawNotice) << "the new notice replaces the old one";
    check.RemindWith = TConfig::RemindWindowOnly;
    EXPECT_TRUE(TCheckCycle::Decide(check).WithdrawNotice) << "yesterday's notice is false in every mode";
    check.NewDay = false;
    check.NoticeDue = false;
    EXPECT_FALSE(TCheckCycle::Decide(check).WithdrawNotice) << "a second check of the day keeps today's notice";

    check.RemindWith = TConfig::RemindNotificationOnly;
    check.NoticeDue = true;
    check.CanNotify = false;
    const TCheckOutcome outcome = TCheckCycle::Decide(check);
    EXPECT_TRUE(outcome.ShowWindow);
    EXPECT_FALSE(outcome.PostNotice || outcome.AwaitNotice);
}
