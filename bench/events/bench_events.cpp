// Build and row filling over large contact lists, with the heap the event list holds afterwards.
#include "Calendar.h"
#include "TEventList.h"
#include "TEventReport.h"

#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <random>

namespace {

// Live heap bytes as requested by the program (allocator overhead not included).
std::atomic<long long> g_liveBytes{0};

} // namespace

void* operator new(std::size_t size)
{
    void* p = std::malloc(size + sizeof(std::max_align_t));
    if (p == nullptr)
        throw std::bad_alloc();
    *static_cast<std::size_t*>(p) = size;
    g_liveBytes += static_cast<long long>(size);
    return static_cast<char*>(p) + sizeof(std::max_align_t);
}

void operator delete(void* p) noexcept
{
    if (p == nullptr)
        return;
    char* base = static_cast<char*>(p) - sizeof(std::max_align_t);
    g_liveBytes -= static_cast<long long>(*reinterpret_cast<std::size_t*>(base));
    std::free(base);
}

void operator delete(void* p, std::size_t) noexcept
{
    operator delete(p);
}

namespace {

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

void BM_Build(benchmark::State& state)
{
    const int count = static_cast<int>(state.range(0));
    TAddressBook book;
    FillBook(book, count);
    TEventList events;
    events.CheckForwardDays = 15;
    const TDate today = static_cast<TDate>(Calendar::DayFromCivil({2026, 12, 20}));
    long long held = 0;
    for (auto _ : state) {
        events.Build(book, today);
        state.PauseTiming();
        const long long before = g_liveBytes;
        events.Clear();
        held = before - g_liveBytes;
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * count);
    state.counters["ns_per_contact"] = benchmark::Counter(
        static_cast<double>(count), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    // Heap the built list holds, against the bare size of its records.
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
    TAddressBook book;
    FillBook(book, count);
    TEventList events;
    events.CheckForwardDays = 15;
    const TDate today = static_cast<TDate>(Calendar::DayFromCivil({2026, 12, 20}));
    events.Build(book, today);
    CountingReportList list;
    const TIsoDateFormat format;
    for (auto _ : state)
        FillEventList(list, {events, 15, today, format});
    state.SetItemsProcessed(state.iterations() * count);
    state.counters["rows"] = list.RowCount();
}
BENCHMARK(BM_FillEventList)->Arg(10'000)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
