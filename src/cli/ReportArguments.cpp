#include "ReportArguments.h"

#include "Calendar.h"

#include <charconv>

namespace {

bool IsDigits(const std::string& text, std::size_t from, std::size_t count)
{
    for (std::size_t i = from; i < from + count; ++i) {
        if (text[i] < '0' || text[i] > '9')
            return false;
    }
    return true;
}

unsigned Number(const std::string& text, std::size_t from, std::size_t count)
{
    unsigned value = 0;
    for (std::size_t i = from; i < from + count; ++i)
        value = value * 10 + static_cast<unsigned>(text[i] - '0');
    return value;
}

// In one pass over the message, so that a value the user typed that happens to contain "%2" stays as it is.
std::string Filled(const std::string& text, const std::vector<std::string>& arguments)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::size_t number = i + 1 < text.size() && text[i] == '%' && text[i + 1] >= '1' && text[i + 1] <= '9'
                                       ? static_cast<std::size_t>(text[i + 1] - '1')
                                       : arguments.size();
        if (number < arguments.size()) {
            out += arguments[number];
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

// The value of `option`: written after "=", else the next argument. Throws TUsageError when there is none.
std::string OptionValue(const std::string& option, const std::optional<std::string>& inlineValue,
                        const std::vector<std::string>& arguments, std::size_t& i)
{
    if (inlineValue)
        return *inlineValue;
    if (i + 1 >= arguments.size())
        throw TUsageError(NELVORA_TRANSLATE_NOOP("nelvora-report", "option %1 needs a value"), {option});
    return arguments[++i];
}

// The online address-book options, apart from the report's own. True when `option` was one of them.
bool TakeAccountOption(const std::string& option, const std::optional<std::string>& inlineValue,
                       const std::vector<std::string>& arguments, std::size_t& i, TAccountArguments& accounts);

// Account commands stand alone; --user belongs to one.
void CheckAccountOptions(const TReportArguments& result);

} // namespace

TUsageError::TUsageError(const char* text, std::vector<std::string> arguments)
    : std::runtime_error(Filled(text, arguments)), Text(text), Arguments(std::move(arguments))
{
}

std::string TUsageError::Message(TTranslate translate) const
{
    return Filled(TranslateOrEnglish(translate, "nelvora-report", Text), Arguments);
}

std::optional<TDate> ParseIsoDate(const std::string& text)
{
    if (text.size() != 10 || text[4] != '-' || text[7] != '-' || !IsDigits(text, 0, 4) || !IsDigits(text, 5, 2) ||
        !IsDigits(text, 8, 2))
        return std::nullopt;
    const Calendar::CivilDate date{static_cast<int>(Number(text, 0, 4)), Number(text, 5, 2), Number(text, 8, 2)};
    if (date.Year < 1 || !Calendar::IsValid(date))
        return std::nullopt;
    return static_cast<TDate>(Calendar::DayFromCivil(date));
}

std::optional<std::int32_t> ParseDayCount(const std::string& text)
{
    // from_chars takes no leading '+', which is fine: nobody writes one for a day count.
    std::int32_t value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end)
        return std::nullopt;
    return value;
}

TReportArguments ParseReportArguments(const std::vector<std::string>& arguments)
{
    TReportArguments result;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        std::string option = arguments[i];
        std::optional<std::string> inlineValue;
        if (const auto equals = option.find('='); option.starts_with("--") && equals != std::string::npos) {
            inlineValue = option.substr(equals + 1);
            option.resize(equals);
        }

        if (TakeAccountOption(option, inlineValue, arguments, i, result.Accounts))
            continue;
        if (option == "--help" || option == "-h" || option == "--sources" || option == "--allow-partial") {
            if (inlineValue)
                throw TUsageError(NELVORA_TRANSLATE_NOOP("nelvora-report", "option %1 takes no value"), {option});
            (option == "--sources"         ? result.Sources
             : option == "--allow-partial" ? result.AllowPartial
                                           : result.Help) = true;
            continue;
        }
        if (option != "--today" && option != "--days" && option != "--contacts" && option != "--format" &&
            option != "--alarm" && option != "--output" && option != "--config-dir")
            throw option.starts_with("-")
                ? TUsageError(NELVORA_TRANSLATE_NOOP("nelvora-report", "unknown option %1"), {option})
                : TUsageError(NELVORA_TRANSLATE_NOOP("nelvora-report", "unexpected argument %1"), {option});

        const std::string value = OptionValue(option, inlineValue, arguments, i);

        if (option == "--today") {
            result.Today = ParseIsoDate(value);
            if (!result.Today)
                throw TUsageError(
                    NELVORA_TRANSLATE_NOOP("nelvora-report", "--today needs a valid date as YYYY-MM-DD, not '%1'"),
                    {value});
        } else if (option == "--days") {
            result.Days = ParseDayCount(value);
            // A window that ends before today would list nothing under a heading of negative days.
            if (!result.Days || *result.Days < 0)
                throw TUsageError(
                    NELVORA_TRANSLATE_NOOP("nelvora-report", "--days needs a whole number of days from 0 up, not '%1'"),
                    {value});
        } else if (option == "--contacts") {
            // The address book takes its sources as one list of lines.
            if (value.empty() || value.find('\n') != std::string::npos)
                throw TUsageError(NELVORA_TRANSLATE_NOOP("nelvora-report",
                                                         "--contacts needs a file or folder path without line breaks"));
            result.Contacts.push_back(value);
        } else if (option == "--alarm") {
            const auto days = ParseDayCount(value);
            if (!days || *days < 0 || *days > MaxAlarmDays)
                throw TUsageError(
                    NELVORA_TRANSLATE_NOOP("nelvora-report", "--alarm needs a number of days from 0 to %1, not '%2'"),
                    {std::to_string(MaxAlarmDays), value});
            result.AlarmDays.push_back(*days);
        } else if (option == "--output") {
            if (value.empty())
                throw TUsageError(NELVORA_TRANSLATE_NOOP("nelvora-report", "--output needs a file name"));
            result.Output = value;
        } else if (option == "--config-dir") {
            if (value.empty())
                throw TUsageError(NELVORA_TRANSLATE_NOOP("nelvora-report", "--config-dir needs a folder name"));
            result.ConfigDir = value;
        } else {
            if (value == "text")
                result.Format = TReportFormat::Text;
            else if (value == "tsv")
                result.Format = TReportFormat::Tsv;
            else if (value == "ics")
                result.Format = TReportFormat::Ics;
            else
                throw TUsageError(NELVORA_TRANSLATE_NOOP("nelvora-report", "--format is text, tsv or ics, not '%1'"),
                                  {value});
        }
    }
    // An alarm the output cannot carry would be dropped without a word.
    if (!result.AlarmDays.empty() && result.Format != TReportFormat::Ics && !result.Help)
        throw TUsageError(NELVORA_TRANSLATE_NOOP("nelvora-report", "--alarm needs --format ics"));
    CheckAccountOptions(result);
    return result;
}

namespace {

bool TakeAccountOption(const std::string& option, const std::optional<std::string>& inlineValue,
                       const std::vector<std::string>& arguments, std::size_t& i, TAccountArguments& accounts)
{
    if (option == "--accounts" || option == "--sync") {
        if (inlineValue)
            throw TUsageError(NELVORA_TRANSLATE_NOOP("nelvora-report", "option %1 takes no value"), {option});
        (option == "--sync" ? accounts.Sync : accounts.List) = true;
        return true;
    }
    if (option != "--add-account" && option != "--remove-account" && option != "--user")
        return false;
    const std::string value = OptionValue(option, inlineValue, arguments, i);
    if (value.empty() || value.find_first_of("\t\r\n") != std::string::npos)
        throw TUsageError(NELVORA_TRANSLATE_NOOP("nelvora-report", "%1 needs a value without line breaks or tabs"),
                          {option});
    (option == "--user" ? accounts.User : option == "--add-account" ? accounts.Add : accounts.Remove) = value;
    return true;
}

void CheckAccountOptions(const TReportArguments& result)
{
    const TAccountArguments& accounts = result.Accounts;
    const int commands = (accounts.Add ? 1 : 0) + (accounts.Remove ? 1 : 0) + (accounts.List ? 1 : 0);
    if (result.Help)
        return;
    if (commands > 1)
        throw TUsageError(
            NELVORA_TRANSLATE_NOOP("nelvora-report", "--add-account, --remove-account and --accounts go alone"));
    // An e-mail address is its own user name.
    const bool email = accounts.Add && accounts.Add->find('@') != std::string::npos &&
                       accounts.Add->find("://") == std::string::npos;
    if (accounts.Add && !accounts.User && !email)
        throw TUsageError(NELVORA_TRANSLATE_NOOP("nelvora-report", "--add-account needs --user"));
    if (accounts.User && !accounts.Add && !accounts.Remove)
        throw TUsageError(
            NELVORA_TRANSLATE_NOOP("nelvora-report", "--user goes with --add-account or --remove-account"));
    if (commands == 1 && (accounts.Sync || result.Sources || !result.Contacts.empty() || result.Today || result.Days ||
                          result.Output || result.Format != TReportFormat::Text))
        throw TUsageError(NELVORA_TRANSLATE_NOOP("nelvora-report", "an account command takes no report options"));
}

} // namespace
