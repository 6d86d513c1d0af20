// nelvora-report: the window program's report list on standard output. Exit status 0 when something is due, 1 when
// nothing is, 2 on an error.

#include "Report.h"
#include "ReportArguments.h"
#include "TExError.h"
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

int Run(const std::vector<std::string>& arguments)
{
    const TReportArguments options = ParseReportArguments(arguments);
    if (options.Help) {
        std::fputs(ReportUsage, stdout);
        return ExitDue;
    }

    const TDate today = options.Today ? *options.Today : LocalToday();
    const std::int32_t days = options.Days ? *options.Days : DefaultForwardDays("Nelvora.cfg");

    TIWAB addressBook;
    addressBook.Sources = options.Contacts;
    addressBook.Init();
    addressBook.Load();

    const TReport report = MakeReport(addressBook.AddressBook, today, days, options.Format);
    if (!WriteAll(stdout, report.Output)) {
        std::fprintf(stderr, "nelvora-report: cannot write the report: %s\n", std::strerror(errno));
        return ExitError;
    }
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
