#include "TSyncScheduler.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSemaphore>

#include <atomic>
#include <mutex>

using namespace CardDav;

namespace {

class TFakeSecrets final : public ISecretStore
{
public:
    void Read(const QString& key, std::function<void(const QString&, const QString&)> done) override
    {
        done(QStringLiteral("pw:") + key, {});
    }
    void Write(const QString&, const QString&, std::function<void(const QString&)> done) override { done({}); }
    void Remove(const QString&, std::function<void(const QString&)> done) override { done({}); }
};

bool WaitFor(const std::function<bool()>& condition)
{
    QElapsedTimer timer;
    timer.start();
    while (!condition() && timer.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return condition();
}

const TAccount A{"https://a.example.org/", "alice"};
const TAccount B{"https://b.example.org/", "bob"};

} // namespace

TEST(SyncScheduler, TheSyncRunsBesideTheWindowAndOnceMoreWhenAskedMeanwhile)
{
    TFakeSecrets secrets;
    QSemaphore gate;
    std::mutex lock;
    std::vector<std::string> calls;
    TSyncScheduler scheduler(
        secrets,
        [] {
            return std::vector<TAccount>{A, B};
        },
        [&](const TAccount& account, const QString& password, const QString&, const TSyncControl&) {
            gate.acquire();
            std::lock_guard<std::mutex> guard(lock);
            calls.push_back(account.User + " " + password.toStdString());
            return TSyncResult();
        });
    int finished = 0;
    QObject::connect(&scheduler, &TSyncScheduler::Finished, [&finished] { ++finished; });

    scheduler.SyncNow();
    EXPECT_TRUE(scheduler.IsRunning()); // returned while the worker waits at the gate
    scheduler.SyncNow();                // asked again meanwhile: one more run, not a second one beside it
    gate.release(4);
    ASSERT_TRUE(WaitFor([&finished] { return finished == 2; }));
    EXPECT_FALSE(scheduler.IsRunning());
    std::lock_guard<std::mutex> guard(lock);
    EXPECT_EQ(calls,
              (std::vector<std::string>{"alice pw:alice@https://a.example.org/", "bob pw:bob@https://b.example.org/",
                                        "alice pw:alice@https://a.example.org/", "bob pw:bob@https://b.example.org/"}));
}

TEST(SyncScheduler, AFailingAccountPausesLongerAfterEachFailureWhileTheOthersGoOn)
{
    TFakeSecrets secrets;
    QDateTime now = QDateTime::fromSecsSinceEpoch(1700000000, Qt::UTC);
    std::atomic<int> fetched{3};
    std::vector<std::string> synced;
    TSyncScheduler scheduler(
        secrets,
        [] {
            return std::vector<TAccount>{A, B};
        },
        [&](const TAccount& account, const QString&, const QString&, const TSyncControl&) {
            TSyncResult result;
            if (account == A)
                result.Failure = TSyncFailure::LoginFailed;
            else
                result.CardsFetched = fetched.exchange(0);
            return result;
        },
        [&now] { return now; });
    std::vector<std::tuple<QString, QString, bool>> reports;
    QObject::connect(
        &scheduler, &TSyncScheduler::AccountSynced,
        [&](const QString& url, const QString& failure, bool changed) { reports.emplace_back(url, failure, changed); });
    const auto run = [&scheduler, &reports] {
        reports.clear();
        scheduler.SyncNow();
        EXPECT_TRUE(WaitFor([&scheduler] { return !scheduler.IsRunning(); }));
        std::vector<QString> urls;
        for (const auto& [url, failure, changed] : reports)
            urls.push_back(url);
        return urls;
    };
    const QString a = QString::fromStdString(A.Url);
    const QString b = QString::fromStdString(B.Url);

    EXPECT_EQ(run(), (std::vector<QString>{a, b}));
    // The failure is news, and so are B's new cards; a list refresh follows both.
    EXPECT_EQ(reports[0], std::make_tuple(a, QStringLiteral("login failed"), true));
    EXPECT_EQ(reports[1], std::make_tuple(b, QString(), true));

    EXPECT_EQ(run(), std::vector<QString>{b}); // A waits out its pause
    EXPECT_EQ(reports[0], std::make_tuple(b, QString(), false));
    now = now.addSecs(121);
    EXPECT_EQ(run(), (std::vector<QString>{a, b}));
    EXPECT_FALSE(std::get<2>(reports[0])); // the same failure again changes nothing shown
    now = now.addSecs(121);
    EXPECT_EQ(run(), std::vector<QString>{b}); // the second pause is twice as long
    now = now.addSecs(120);
    EXPECT_EQ(run(), (std::vector<QString>{a, b}));
}

// The pause after a failure: 2 minutes, doubling with each failure in a row up to 6 hours, and back to 2 minutes
// once a sync went well; the retry comes when the first pause of any account ends.
TEST(SyncScheduler, PausesDoubleUpToSixHoursStartAgainAfterASuccessAndTheEarliestEndingBringsTheRetry)
{
    TFakeSecrets secrets;
    QDateTime now = QDateTime::fromSecsSinceEpoch(1700000000, Qt::UTC);
    std::atomic<bool> aFails{true};
    std::atomic<int> runs{0};
    std::mutex lock;
    std::vector<std::string> synced;
    TSyncScheduler scheduler(
        secrets,
        [] {
            return std::vector<TAccount>{A, B};
        },
        [&](const TAccount& account, const QString&, const QString&, const TSyncControl&) {
            TSyncResult result;
            {
                std::lock_guard<std::mutex> guard(lock);
                synced.push_back(account.User);
            }
            if (account == A ? aFails.load() : true)
                result.Failure = TSyncFailure::ServerNotReachable;
            ++runs;
            return result;
        },
        [&now] { return now; });
    const auto run = [&] {
        {
            std::lock_guard<std::mutex> guard(lock);
            synced.clear();
        }
        scheduler.SyncNow();
        EXPECT_TRUE(WaitFor([&scheduler] { return !scheduler.IsRunning(); }));
        std::lock_guard<std::mutex> guard(lock);
        return std::find(synced.begin(), synced.end(), "alice") != synced.end();
    };

    // Nine failures in a row: the ninth pause is 6 hours, not 8.5.
    ASSERT_TRUE(run());
    for (int failure = 1; failure < 9; ++failure) {
        now = now.addSecs(std::min<qint64>(6 * 3600, qint64(120) << (failure - 1)));
        ASSERT_TRUE(run()) << failure;
    }
    now = now.addSecs(6 * 3600 - 10);
    EXPECT_FALSE(run());
    now = now.addSecs(10);
    EXPECT_TRUE(run());

    // A success ends the series: the next failure pauses 2 minutes again.
    now = now.addSecs(6 * 3600);
    aFails = false;
    EXPECT_TRUE(run());
    aFails = true;
    EXPECT_TRUE(run());
    now = now.addSecs(120);
    EXPECT_TRUE(run());

    // A's pause (4 minutes) ends a second from now, B's much later: the retry comes for A, by itself.
    now = now.addSecs(239);
    EXPECT_FALSE(run());
    now = now.addSecs(1);
    const int before = runs;
    EXPECT_TRUE(WaitFor([&] { return runs > before; }));
}
