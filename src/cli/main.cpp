// nelvora-report: the window program's report list on standard output or, with --output, in a file replaced whole.
// Exit status 0 when something is due, 1 when nothing is, 2 on an error. With --sources, the contact stores it found
// instead, and status 0. With --sync, a sync that failed gives 2 once the report from the cached books is out. The
// options file and the list of left-out books come from the configuration folder, so that a timer started in any
// working folder sees what the window sees.

#include "AccountCommands.h"
#include "AtomicFile.h"
#include "ConfigFolder.h"
#include "InstallTranslations.h"
#include "Report.h"
#include "ReportArguments.h"
#include "StoreList.h"
#include "TExError.h"
#include "TExcludedStores.h"
#include "TIWAB.h"

#include <QCoreApplication>

#include <cerrno>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <exception>
#include <string>
#include <vector>

#if defined(__SANITIZE_ADDRESS__)
#define NELVORA_LEAK_CHECK 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define NELVORA_LEAK_CHECK 1
#endif
#endif
#ifdef NELVORA_LEAK_CHECK
#include <sanitizer/lsan_interface.h>
#endif

namespace {

constexpr int ExitDue = 0;
constexpr int ExitNothingDue = 1;
constexpr int ExitError = 2;

bool WriteAll(std::FILE* stream, const std::string& text)
{
    return std::fwrite(text.data(), 1, text.size(), stream) == text.size() && std::fflush(stream) == 0;
}

// One line on standard error for every store that could not be read, or only in part; the report goes on without
// what was missing. A store left out on request is no news. True when there was such a line.
bool ReportSkippedStores(const std::vector<TStoreInfo>& stores)
{
    bool skipped = false;
    for (const TStoreInfo& store : stores) {
        if (store.IsPartlyRead()) {
            const std::string line = "nelvora-report: " + store.Path + ": " + store.Status + "\n";
            std::fputs(line.c_str(), stderr);
            skipped = true;
        }
        if (store.WasRead() || store.IsExcluded())
            continue;
        const std::string line = "nelvora-report: skipped " + store.Path + ": " + store.Status + "\n";
        std::fputs(line.c_str(), stderr);
        skipped = true;
    }
    return skipped;
}

// The stores the user left out on the Options page. A damaged list is reported and nothing is left out, as the
// window does.
std::vector<std::string> ExcludedStores(const std::string& fileName)
{
    TExcludedStores excluded;
    try {
        excluded.Load(fileName);
    } catch (const TExError& error) {
        std::fprintf(stderr, "nelvora-report: %s: %.*s; nothing is excluded\n", fileName.c_str(),
                     static_cast<int>(strnlen(error.Message, sizeof error.Message)), error.Message);
    }
    return excluded.Paths;
}

// Writes `text` to standard output or to the --output file; false, with a line on standard error, when it cannot.
bool Deliver(const TReportArguments& options, const std::string& text, const char* cannotWrite)
{
    if (options.Output) {
        const int error = ReplaceFileAtomically(*options.Output, text);
        if (error != 0)
            std::fprintf(stderr, "nelvora-report: cannot write %s: %s\n", options.Output->c_str(),
                         std::strerror(error));
        return error == 0;
    }
    if (!WriteAll(stdout, text)) {
        const std::string message =
            ReplaceArgument(TranslateText("nelvora-report", cannotWrite, -1), 1, std::strerror(errno));
        std::fprintf(stderr, "nelvora-report: %s\n", message.c_str());
        return false;
    }
    return true;
}

int Run(const std::vector<std::string>& arguments)
{
    const TReportArguments options = ParseReportArguments(arguments);
    if (options.Help) {
        std::fputs(TranslateText("nelvora-report", ReportUsage, -1).c_str(), stdout);
        std::fputs(TranslateText("nelvora-report", ReportAccountsUsage, -1).c_str(), stdout);
        return ExitDue;
    }
    if (options.Accounts.IsCommand())
        return RunAccountCommand(options.Accounts);
    // A timer or a script must be able to tell a failed sync; the cached books are still reported.
    const bool synced = !options.Accounts.Sync || SyncAccounts();
    const auto status = [synced](int reported) { return synced ? reported : ExitError; };

    const std::string configFolder = options.ConfigDir ? *options.ConfigDir : ConfigFolder();
    TIWAB addressBook;
    addressBook.Sources = options.Contacts;
    if (options.Contacts.empty())
        addressBook.ExcludedStores = ExcludedStores(ConfigFilePath(configFolder, TExcludedStores::FileName));
    addressBook.Init();
    addressBook.Load();
    if (options.Sources)
        return Deliver(options, SourcesText(addressBook.Stores),
                       NELVORA_TRANSLATE_NOOP("nelvora-report", "cannot write the list: %1"))
                   ? status(ExitDue)
                   : ExitError;
    const bool skipped = ReportSkippedStores(addressBook.Stores);

    const TDate today = options.Today ? *options.Today : LocalToday();
    const std::int32_t days =
        options.Days ? *options.Days : DefaultForwardDays(ConfigFilePath(configFolder, "Nelvora.cfg"));

    TIcsOptions ics;
    ics.AlarmDays = options.AlarmDays;
    ics.AlarmMinute = DefaultAlarmMinute(ConfigFilePath(configFolder, "Nelvora.cfg"));
    // A given day fixes the stamp too, so that two runs over the same contacts give the same file.
    ics.Stamp = options.Today ? IcsStampOfDay(*options.Today) : IcsStampOfTime(std::time(nullptr));
    ics.Translate = &TranslateText;

    const TReport report = MakeReport(addressBook.AddressBook, today, days, options.Format, ics, &TranslateText);
    // A calendar program deletes the events that vanish from the file, and whatever the user attached to them, and
    // adds them back an hour later: a book that failed for a moment must not do that. The failed run shows as one.
    if (skipped && options.Format == TReportFormat::Ics && options.Output && !options.AllowPartial) {
        const std::string message = ReplaceArgument(
            TranslateText("nelvora-report",
                          NELVORA_TRANSLATE_NOOP("nelvora-report", "%1 was not replaced: an address book could not be "
                                                                   "read (--allow-partial writes the calendar without "
                                                                   "it)"),
                          -1),
            1, *options.Output);
        std::fprintf(stderr, "nelvora-report: %s\n", message.c_str());
        return ExitError;
    }
    if (!Deliver(options, report.Output, NELVORA_TRANSLATE_NOOP("nelvora-report", "cannot write the report: %1")))
        return ExitError;
    // Three empty headings look the same as "nothing due soon": say when there was nothing to read.
    if (options.Format == TReportFormat::Text && ReadStoreCount(addressBook.Stores) == 0 &&
        addressBook.AddressBook.GetCount() == 0)
        std::fprintf(stderr, "%s\n",
                     QCoreApplication::translate("nelvora-report", "No address book found").toUtf8().constData());
    return status(report.SomethingDue ? ExitDue : ExitNothingDue);
}

int RunReporting(QCoreApplication& application, const std::vector<std::string>& arguments)
{
    InstallTranslations(application);
    try {
        return Run(arguments);
    } catch (const TUsageError& error) {
        std::fprintf(stderr, "nelvora-report: %s\n%s", error.Message(&TranslateText).c_str(),
                     TranslateText("nelvora-report", ReportUsage, -1).c_str());
        std::fputs(TranslateText("nelvora-report", ReportAccountsUsage, -1).c_str(), stderr);
    } catch (const TExError& error) {
        std::fputs(error.Log, stderr);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "nelvora-report: %s\n", error.what());
    }
    return ExitError;
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
    const int status = RunReporting(application, arguments);
    // Every file is written and closed by now. The threads that libraries started are not: the keyring's D-Bus
    // worker and its thread pool keep running, and the toolkit's name-lookup threads finish their teardown on their
    // own. Tearing down the toolkit and the static objects while they run is a race nothing here needs to enter, so
    // the process ends at this point, its output flushed, and the threads end with it.
    if (std::fflush(stdout) != 0 || std::fflush(stderr) != 0)
        std::_Exit(ExitError);
#ifdef NELVORA_LEAK_CHECK
    // The check a normal exit would run, while the objects still alive are still reachable.
    __lsan_do_leak_check();
#endif
    std::_Exit(status);
}
