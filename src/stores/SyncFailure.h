#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace Stores {

// Why an online account or one of its books could not be synced. The status file keeps the failure's words (what
// `--sources` prints, "login failed", "server error 507"), the window shows them in the user's language; both come
// from here, so that a failure without words or without a translation does not build.
enum class TSyncFailure : std::uint8_t {
    None,
    // The server's answers.
    LoginFailed,
    AccessDenied,
    CertificateNotTrusted,
    ServerNotReachable,
    TimedOut,
    AnswerTooLarge,
    UnreadableAnswer,
    ServerError, // any other HTTP status: TFailure::Status says which
    NoAddressBook,
    TooManyRedirects,
    RedirectedToAnotherHost,
    AnotherHost,
    BookTooLarge,
    TooManyPages,
    // Refused before anything was sent.
    NotAServerAddress,
    UserInformation,
    PlainHttp,
    ServerNotFound,
    // The program's own.
    Cancelled,
    AccountRemoved,
    Other, // this computer's (the cache folder, the keyring) or an unknown word of another version: Detail says it
};

struct TFailure
{
    TSyncFailure Code = TSyncFailure::None;
    int Status = 0;     // ServerError's HTTP status
    std::string Detail; // Other's words, as they came

    TFailure() = default;
    TFailure(TSyncFailure code) : Code(code) {}
    static TFailure Server(int status);
    static TFailure Local(std::string detail);

    explicit operator bool() const { return Code != TSyncFailure::None; }
    friend bool operator==(const TFailure&, const TFailure&) = default;
};

// The failure's words in English, as the status file keeps them; empty for none.
std::string FailureWords(const TFailure& failure);
// The failure those words stand for: the words of this and of earlier versions; any other text is TSyncFailure::Other.
TFailure FailureFromWords(std::string_view words);

} // namespace Stores
