#include "SyncFailure.h"

#include <array>
#include <charconv>
#include <utility>

namespace Stores {

namespace {

constexpr std::string_view ServerErrorWords = "server error ";

// Every failure with fixed words; these words are in status files already written, so they stay as they are.
constexpr std::array<std::pair<TSyncFailure, std::string_view>, 19> Words{{
    {TSyncFailure::LoginFailed, "login failed"},
    {TSyncFailure::AccessDenied, "access denied"},
    {TSyncFailure::CertificateNotTrusted, "certificate not trusted"},
    {TSyncFailure::ServerNotReachable, "server not reachable"},
    {TSyncFailure::TimedOut, "timed out"},
    {TSyncFailure::AnswerTooLarge, "answer too large"},
    {TSyncFailure::UnreadableAnswer, "unreadable answer"},
    {TSyncFailure::NoAddressBook, "no address book found"},
    {TSyncFailure::TooManyRedirects, "too many redirects"},
    {TSyncFailure::RedirectedToAnotherHost, "redirected to another host"},
    {TSyncFailure::AnotherHost, "another host"},
    {TSyncFailure::BookTooLarge, "book too large"},
    {TSyncFailure::TooManyPages, "too many pages"},
    {TSyncFailure::NotAServerAddress, "not a server address"},
    {TSyncFailure::UserInformation, "refused: the user name and password belong in their own fields"},
    {TSyncFailure::PlainHttp,
     "refused: plain http to another computer would show the password to the network, use https"},
    {TSyncFailure::ServerNotFound, "server not found"},
    {TSyncFailure::Cancelled, "cancelled"},
    {TSyncFailure::AccountRemoved, "account removed"},
}};

} // namespace

TFailure TFailure::Server(int status)
{
    TFailure failure(TSyncFailure::ServerError);
    failure.Status = status;
    return failure;
}

TFailure TFailure::Local(std::string detail)
{
    TFailure failure(TSyncFailure::Other);
    failure.Detail = std::move(detail);
    return failure;
}

std::string FailureWords(const TFailure& failure)
{
    switch (failure.Code) {
    case TSyncFailure::None:
        return {};
    case TSyncFailure::ServerError:
        return std::string(ServerErrorWords) + std::to_string(failure.Status);
    case TSyncFailure::Other:
        return failure.Detail.empty() ? std::string("failed") : failure.Detail;
    default:
        break;
    }
    for (const auto& [code, words] : Words)
        if (code == failure.Code)
            return std::string(words);
    return "failed";
}

TFailure FailureFromWords(std::string_view words)
{
    if (words.empty())
        return {};
    for (const auto& [code, known] : Words)
        if (words == known)
            return code;
    if (words.starts_with(ServerErrorWords)) {
        const std::string_view number = words.substr(ServerErrorWords.size());
        int status = 0;
        const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), status);
        if (error == std::errc() && end == number.data() + number.size() && number.size() == 3)
            return TFailure::Server(status);
    }
    return TFailure::Local(std::string(words));
}

} // namespace Stores
