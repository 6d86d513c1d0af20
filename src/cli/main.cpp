// nelvora-report: the window program's report list on standard output. Exit status 0 when something is due, 1 when
// nothing is, 2 on an error. With --sources, the contact stores it found instead, and status 0.

#include "Report.h"
#include "ReportArguments.h"
#include "StoreList.h"
#include "TExError.h"
#include "TExcludedStores.h"
#include "TIWAB.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <exception>
#include <string>
#include <vector>

namespace {

constexpr int ExitDue = 0;
constexpr int ExitNothingDue = 1;
constexpr int ExitError = 2;

bool WriteAll(std::FILE* stream, const std::string& text)
{
    return std::fwrite(text.data(), 1, text.size(), stream) == text.size() && std::fflush(stream) == 0;
}

// One line on standard error for every store that could not be read; the report goes on without it. A store left
// out on request is no news.
void ReportSkippedStores(const std::vector<TStoreInfo>& stores)
{
    for (const TStoreInfo& store : stores) {
        if (store.WasRead() || store.IsExcluded())
            continue;
        const std::string line = "nelvora-report: skipped " + store.Path + ": " + store.Status + "\n";
        std::fputs(line.c_str(), stderr);
    }
}

// The stores the user left out on the Options page. A damaged list is reported and nothing is left out, as the
// window does.
std::vector<std::string> ExcludedStores()
{
    TExcludedStores excluded;
    try {
        excluded.Load(TExcludedStores::FileName);
    } catch (const TExError& error) {
        std::fprintf(stderr, "nelvora-report: %s: %.*s; nothing is excluded\n", TExcludedStores::FileName,
                     static_cast<int>(strnlen(error.Message, sizeof error.Message)), error.Message);
    }
    return excluded.Paths;
}

int Run(const std::vector<std::string>& arguments)
{
    const TReportArguments options = ParseReportArguments(arguments);
    if (options.Help) {
        std::fputs(ReportUsage, stdout);
        return ExitDue;
    }

    TIWAB addressBook;
    addressBook.Sources = options.Contacts;
    if (options.Contacts.empty())
        addressBook.ExcludedStores = ExcludedStores();
    addressBook.Init();
    addressBook.Load();
    if (options.Sources) {
        if (!WriteAll(stdout, SourcesText(addressBook.Stores))) {
            std::fprintf(stderr, "nelvora-report: cannot write the list: %s\n", std::strerror(errno));
            return ExitError;
        }
        return ExitDue;
    }
    ReportSkippedStores(addressBook.Stores);

    const TDate today = options.Today ? *options.Today : LocalToday();
    const std::int32_t days = options.Days ? *options.Days : DefaultForwardDays("Nelvora.cfg");

    const TReport report = MakeReport(addressBook.AddressBook, today, days, options.Format);
    if (!WriteAll(stdout, report.Output)) {
        std::fprintf(stderr, "nelvora-report: cannot write the report: %s\n", std::strerror(errno));
        return ExitError;
    }
    // Three empty headings look the same as "nothing due soon": say when there was nothing to read.
    if (options.Format == TReportFormat::Text && ReadStoreCount(addressBook.Stores) == 0 &&
        addressBook.AddressBook.GetCount() == 0)
        std::fputs("No address book found\n", stderr);
    return report.SomethingDue ? ExitDue : ExitNothingDue;
}

} // namespace

int main(int argc, char** argv)
{
    try {
        return Run(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const TUsageError& error) {
        std::fprintf(stderr, "nelvora-report: %s\n%s", error.what(), ReportUsage);
    } catch (const TExError& error) {
        std::fputs(error.Log, stderr);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "nelvora-report: %s\n", error.what());
    }
    return ExitError;
}
