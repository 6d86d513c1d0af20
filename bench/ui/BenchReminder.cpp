// What a desktop notification adds to a check: the check's own work (building the event list of 1 000 contacts)
// against composing and posting the notification, measured on the calling thread, and the round trip until the
// server has answered. Without a session bus the post measures composing and dropping only.
#include "Calendar.h"
#include "TAddressBook.h"
#include "TDBusNotifier.h"
#include "TEventList.h"
#include "TReminder.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace {

constexpr int Contacts = 1000;
constexpr int DueToday = 12;

struct TSetup
{
    TAddressBook Book;
    TEventList Events;
    TDate Today = static_cast<TDate>(Calendar::DayFromCivil({2026, 6, 15}));

    TSetup()
    {
        for (int i = 0; i < Contacts; ++i) {
            // A dozen due today, the rest spread over the year.
            const std::int64_t day = i < DueToday ? Calendar::DayFromCivil({1980, 6, 15})
                                                  : Calendar::DayFromCivil({1980, 1, 1}) + (i * 7) % 360;
            Book.AddItem("Contact " + std::to_string(i), static_cast<TDate>(day), 0);
        }
        Events.CheckForwardDays = 15;
        Events.Build(Book, Today);
    }
};

TSetup& Setup()
{
    static TSetup setup;
    return setup;
}

TDBusNotifier& Notifier()
{
    static TDBusNotifier notifier(QStringLiteral("Nelvora"), QStringLiteral("org.example.nelvora"));
    return notifier;
}

void BM_CheckBuild(benchmark::State& state)
{
    TSetup& setup = Setup();
    for (auto _ : state) {
        setup.Events.Build(setup.Book, setup.Today);
        benchmark::DoNotOptimize(setup.Events.GetCount());
    }
}
BENCHMARK(BM_CheckBuild)->Unit(benchmark::kMillisecond);

void BM_NotificationPost(benchmark::State& state)
{
    TSetup& setup = Setup();
    TReminder reminder(Notifier(), [] {});
    for (auto _ : state) {
        if (reminder.Prepare(setup.Events, ReportRows(setup.Events, setup.Today), setup.Today, true))
            reminder.Post({});
        state.PauseTiming();
        Notifier().Finish(5000); // the answer comes through the event loop, outside the check
        state.ResumeTiming();
    }
}
BENCHMARK(BM_NotificationPost)->Unit(benchmark::kMillisecond);

void BM_NotificationRoundTrip(benchmark::State& state)
{
    TSetup& setup = Setup();
    TReminder reminder(Notifier(), [] {});
    for (auto _ : state) {
        if (reminder.Prepare(setup.Events, ReportRows(setup.Events, setup.Today), setup.Today, true))
            reminder.Post({});
        Notifier().Finish(5000);
    }
}
BENCHMARK(BM_NotificationRoundTrip)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
