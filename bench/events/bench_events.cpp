// Build and row filling over large contact lists, with the heap the event list holds afterwards.
#include "Calendar.h"
#include "TEventList.h"
#include "TEventReport.h"

#include <benchmark/benchmark.h>

#include <malloc.h>
#include <random>

namespace {

// Heap bytes in use, allocator overhead included.
long long HeapInUse()
{
    return static_cast<long long>(mallinfo2().uordblks);
}

void FillBook(TAddressBook& book, int count)
{
    std::mt19937 random(42);
    std::uniform_int_distribution<int> birthday(static_cast<int>(Calendar::DayFromCivil({1930, 1, 1})),
                                                static_cast<int>(Calendar::DayFromCivil({2020, 12, 31})));
    std::uniform_int_distribution<int> coin(0, 2);
    book.Reserve(count);
    for (int i = 0; i < count; ++i) {
        const TDate anniversary = coin(random) == 0 ? birthday(random) : 0;
        book.AddItem("Contact " + std::to_string(i), birthday(random), anniversary);
    }
}

constexpr std::int32_t ForwardDays = 15;

// A generated address book and an event list that looks 15 days ahead of a day in late December, so that the
// window crosses the year end.
struct TScenario
{
    explicit TScenario(int count)
    {
        FillBook(Book, count);
        Events.CheckForwardDays = ForwardDays;
    }

    TAddressBook Book;
    TEventList Events;
    const TDate Today = static_cast<TDate>(Calendar::DayFromCivil({2026, 12, 20}));
};

void BM_Build(benchmark::State& state)
{
    const int count = static_cast<int>(state.range(0));
    TScenario scenario(count);
    TEventList& events = scenario.Events;
    long long held = 0;
    for (auto _ : state) {
        events.Build(scenario.Book, scenario.Today);
        state.PauseTiming();
        const long long before = HeapInUse();
        events.Clear();
        held = before - HeapInUse();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * count);
    state.counters["ns_per_contact"] = benchmark::Counter(
        static_cast<double>(count), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    // Heap the built list holds (allocator overhead included), against the bare size of its records.
    state.counters["heap_vs_records"] = static_cast<double>(held) / (static_cast<double>(count) * sizeof(tdstEvent));
}
BENCHMARK(BM_Build)->Arg(10'000)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

class CountingReportList final : public IReportList
{
public:
    void RemoveAllRows() override { m_rows = 0; }
    void AppendRow(const std::string&, std::intptr_t, const std::vector<std::string>& subItems) override
    {
        benchmark::DoNotOptimize(subItems.data());
        ++m_rows;
    }
    int RowCount() const override { return m_rows; }

private:
    int m_rows = 0;
};

void BM_FillEventList(benchmark::State& state)
{
    const int count = static_cast<int>(state.range(0));
    TScenario scenario(count);
    scenario.Events.Build(scenario.Book, scenario.Today);
    CountingReportList list;
    const TIsoDateFormat format;
    // The rows are worked out once per check, before the list is filled: the list's own work is measured.
    const std::vector<TReportRow> rows = ReportRows(scenario.Events, scenario.Today);
    for (auto _ : state)
        FillEventList(list, {scenario.Events, rows, ForwardDays, scenario.Today, format});
    state.SetItemsProcessed(state.iterations() * count);
    state.counters["rows"] = list.RowCount();
}
BENCHMARK(BM_FillEventList)->Arg(10'000)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
