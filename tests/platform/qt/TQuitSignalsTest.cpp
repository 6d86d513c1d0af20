#include "TQuitSignals.h"

#include <QTest>

#include <gtest/gtest.h>

#include <csignal>

TEST(TQuitSignals, TermAndIntReachTheEventLoopWhileInstalledAndKillAgainAfterwards)
{
    int quits = 0;
    {
        const TQuitSignals routed([&quits] { ++quits; });
        ASSERT_TRUE(routed.Installed());
        const TQuitSignals second([] {});
        EXPECT_FALSE(second.Installed()) << "one owner of the signals at a time";

        ASSERT_EQ(::raise(SIGTERM), 0);
        EXPECT_EQ(quits, 0) << "the handler only wakes the event loop";
        ASSERT_TRUE(QTest::qWaitFor([&] { return quits == 1; }, 5000));
        ASSERT_EQ(::raise(SIGINT), 0);
        ASSERT_TRUE(QTest::qWaitFor([&] { return quits == 2; }, 5000));
    }
    struct sigaction now = {};
    ASSERT_EQ(::sigaction(SIGTERM, nullptr, &now), 0);
    EXPECT_EQ(now.sa_handler, SIG_DFL);
    ASSERT_EQ(::sigaction(SIGINT, nullptr, &now), 0);
    EXPECT_EQ(now.sa_handler, SIG_DFL);
}
