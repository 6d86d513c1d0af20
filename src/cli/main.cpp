// nelvora-report: the window program's report list on standard output or, with --output, in a file replaced whole.
// Exit status 0 when something is due, 1 when nothing is, 2 on an error. With --sources, the contact stores it found
// instead, and status 0.

#include "AtomicFile.h"
#include "InstallTranslations.h"
#include "Report.h"
#include "ReportArguments.h"
#include "TExError.h"
#include "TIWAB.h"

#include <QCoreApplication>

#include <dlfcn.h>

#include <cerrno>
#include <clocale>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <exception>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr int ExitDue = 0;
constexpr int ExitNothingDue = 1;
constexpr int ExitError = 2;

bool WriteAll(std::FILE* stream, const std::string& text)
{
    return std::fwrite(text.data(), 1, text.size(), stream) == text.size() && std::fflush(stream) == 0;
}

// The module's list of the stores it read, one a line: kind, path, contacts read, "ok" or the reason, separated by
// tabs. Empty when the module keeps no such list.
std::string StoreList(void* library)
{
    const auto entry = reinterpret_cast<LPNELVORASTORELIST>(library ? ::dlsym(library, "NelvoraStoreList") : nullptr);
    if (!entry)
        return {};
    std::string list(entry(nullptr, 0), '\0');
    if (list.empty())
        return list;
    list.resize(entry(list.data(), static_cast<ULONG>(list.size() + 1)));
    return list;
}

std::vector<std::string_view> Fields(std::string_view line)
{
    std::vector<std::string_view> fields;
    while (true) {
        const std::size_t tab = line.find('\t');
        fields.push_back(line.substr(0, tab));
        if (tab == std::string_view::npos)
            return fields;
        line.remove_prefix(tab + 1);
    }
}

// One line on standard error for every store that could not be read; the report goes on without it.
void ReportSkippedStores(const std::string& list)
{
    std::string_view rest(list);
    while (!rest.empty()) {
        const std::size_t end = rest.find('\n');
        const auto fields = Fields(rest.substr(0, end));
        if (fields.size() == 4 && fields[3] != "ok") {
            const std::string line =
                "nelvora-report: skipped " + std::string(fields[1]) + ": " + std::string(fields[3]) + "\n";
            std::fputs(line.c_str(), stderr);
        }
        if (end == std::string_view::npos)
            break;
        rest.remove_prefix(end + 1);
    }
}

// Writes `text` to standard output or to the --output file; false, with a line on standard error, when it cannot.
bool Deliver(const TReportArguments& options, const std::string& text, const char* what)
{
    if (options.Output) {
        const std::string error = ReplaceFileAtomically(*options.Output, text);
        if (!error.empty())
            std::fprintf(stderr, "nelvora-report: %s\n", error.c_str());
        return error.empty();
    }
    if (!WriteAll(stdout, text)) {
        std::fprintf(stderr, "nelvora-report: cannot write the %s: %s\n", what, std::strerror(errno));
        return false;
    }
    return true;
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
    addressBook.Init();
    addressBook.Load();
    const std::string stores = StoreList(addressBook.LibraryHandle);
    if (options.Sources)
        return Deliver(options, stores, "list") ? ExitDue : ExitError;
    ReportSkippedStores(stores);

    const TDate today = options.Today ? *options.Today : LocalToday();
    const std::int32_t days = options.Days ? *options.Days : DefaultForwardDays("Nelvora.cfg");

    TIcsOptions ics;
    ics.AlarmDays = options.AlarmDays;
    // A given day fixes the stamp too, so that two runs over the same contacts give the same file.
    ics.Stamp = options.Today ? IcsStampOfDay(*options.Today) : IcsStampOfTime(std::time(nullptr));

    const TReport report = MakeReport(addressBook.AddressBook, today, days, options.Format, ics);
    if (!Deliver(options, report.Output, "report"))
        return ExitError;
    return report.SomethingDue ? ExitDue : ExitNothingDue;
}

} // namespace

int main(int argc, char** argv)
{
    // Taken before the toolkit's application object sees argv.
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    // The texts for people go through the toolkit's translation system, which needs an application object. The
    // object switches the C library to the user's locale; the report and the module it loads were written for the
    // "C" locale, so that tsv output is the same under every language: back to it.
    QCoreApplication application(argc, argv);
    std::setlocale(LC_ALL, "C");
    InstallTranslations(application);
    try {
        return Run(arguments);
    } catch (const TUsageError& error) {
        std::fprintf(stderr, "nelvora-report: %s\n%s", error.what(), ReportUsage);
    } catch (const TExError& error) {
        std::fputs(error.Log, stderr);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "nelvora-report: %s\n", error.what());
    }
    return ExitError;
}
