// Reader throughput over a large generated address book, and the source scan over a folder of one-card files.

#include "VCardParser.h"
#include "VCardSources.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

// A mix of what exporters write: vCard 3 with folds and escapes, vCard 2.1 with quoted-printable, Apple groups.
std::string GeneratedCard(int i)
{
    char text[1024];
    const int month = i % 12 + 1;
    const int day = i % 28 + 1;
    if (i % 3 == 0) {
        std::snprintf(
            text, sizeof text,
            "BEGIN:VCARD\r\nVERSION:2.1\r\nN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:M=C3=BCller%d;J=C3=B6rg;;"
            ";\r\nTEL;CELL:+49 170 %07d\r\nEMAIL;INTERNET:joerg%d@example.org\r\nADR;HOME;CHARSET=UTF-8;"
            "ENCODING=QUOTED-PRINTABLE:;;Hauptstra=C3=9Fe %d;Berlin;;10115;=\r\nDeutschland\r\n"
            "BDAY:19%02d%02d%02d\r\nX-IRMC-LUID:%012d\r\nEND:VCARD\r\n",
            i, i, i, i % 200, i % 90 + 10, month, day, i);
    } else {
        std::snprintf(
            text, sizeof text,
            "BEGIN:VCARD\r\nVERSION:3.0\r\nPRODID:-//Example Corp//Contacts 1.0//EN\r\nUID:%08x-6b29-4822-b8d0-"
            "2780ec117f%02d\r\nN:Doe%d;Jane;Q.;Dr.;\r\nFN:Dr. Jane Q. Doe%d\r\nORG:Example\\, Inc.;Research\r\n"
            "item1.EMAIL;type=INTERNET;type=pref:jane.doe%d@example.com\r\nTEL;type=CELL;type=VOICE:"
            "+1 555 %07d\r\nitem2.ADR;type=HOME:;;%d Long Street\\nApartment 5;Springfield;;12345;USA\r\n"
            "NOTE:A longer note that an exporter folded because it is wider than seventy-five octets in\r\n"
            "  total\\, as the format requires.\r\nBDAY;value=date:19%02d-%02d-%02d\r\nitem3.X-ABDATE:20%02d-"
            "%02d-%02d\r\nitem3.X-ABLabel:_$!<Anniversary>!$_\r\nREV:2024-01-01T00:00:00Z\r\nEND:VCARD\r\n",
            i, i % 100, i, i, i, i, i, i % 90 + 10, month, day, i % 24, month, day);
    }
    return text;
}

const std::string& LargeAddressBook()
{
    static const std::string text = [] {
        std::string all;
        all.reserve(60u << 20);
        for (int i = 0; i < 100000; ++i)
            all += GeneratedCard(i);
        return all;
    }();
    return text;
}

void BM_ParseVCards100k(benchmark::State& state)
{
    const std::string& text = LargeAddressBook();
    std::size_t cards = 0;
    for (auto _ : state) {
        const auto parsed = VCard::ParseVCards(text);
        cards = parsed.size();
        benchmark::DoNotOptimize(parsed.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * cards));
    state.counters["MB"] = static_cast<double>(text.size()) / 1e6;
}
BENCHMARK(BM_ParseVCards100k)->Unit(benchmark::kMillisecond);

// 10 000 one-card files, laid out once per run in a temporary folder and removed at exit.
const std::filesystem::path& CardFolder()
{
    static const std::filesystem::path folder = [] {
        std::string pattern = (std::filesystem::temp_directory_path() / "nelvora-bench-XXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            std::abort();
        const std::filesystem::path path = pattern;
        for (int i = 0; i < 10000; ++i) {
            char name[64];
            std::snprintf(name, sizeof name, "%02d/%05d.vcf", i % 16, i);
            const auto file = path / name;
            std::filesystem::create_directories(file.parent_path());
            std::ofstream(file, std::ios::binary) << GeneratedCard(i);
        }
        std::atexit([] { std::filesystem::remove_all(CardFolder()); });
        return path;
    }();
    return folder;
}

void BM_LoadFolderOf10kFiles(benchmark::State& state)
{
    const auto& folder = CardFolder();
    std::size_t cards = 0;
    for (auto _ : state) {
        const auto loaded = VCard::LoadVCards({folder});
        cards = loaded.size();
        benchmark::DoNotOptimize(loaded.data());
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * cards));
    state.counters["cards"] = static_cast<double>(cards);
}
BENCHMARK(BM_LoadFolderOf10kFiles)->Unit(benchmark::kMillisecond);

} // namespace
