#include "CardDavCache.h"

#include "config/ConfigFile.h"

#include <charconv>
#include <ctime>

namespace Stores {

namespace {

constexpr std::string_view StateMagic = "nelvora-carddav-state 1";
constexpr std::string_view StatusMagic = "nelvora-carddav-status 1";

// Fields are separated by blanks and lines by line feeds; whatever a server sends in an href or an ETag must not
// break that, so blanks, control bytes and '%' are written as %XX.
std::string Escaped(std::string_view text)
{
    static constexpr char Hex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte <= 0x20 || byte == 0x7F || c == '%') {
            out += '%';
            out += Hex[byte >> 4];
            out += Hex[byte & 0xF];
        } else {
            out += c;
        }
    }
    return out;
}

std::optional<std::string> Unescaped(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            out += text[i];
            continue;
        }
        if (i + 2 >= text.size() || HexDigit(text[i + 1]) < 0 || HexDigit(text[i + 2]) < 0)
            return std::nullopt;
        out += static_cast<char>(HexDigit(text[i + 1]) * 16 + HexDigit(text[i + 2]));
        i += 2;
    }
    return out;
}

std::vector<std::string_view> Fields(std::string_view line)
{
    // Split at every blank, so that an empty last field ("token ") is still a field.
    std::vector<std::string_view> fields;
    for (;;) {
        const std::size_t blank = line.find(' ');
        fields.push_back(line.substr(0, blank));
        if (blank == std::string_view::npos)
            return fields;
        line.remove_prefix(blank + 1);
    }
}

std::optional<std::int64_t> Number(std::string_view text)
{
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

// Calls `take` with the fields of every line after the first, which must be `magic`. False when the magic is
// missing or `take` refuses a line.
template <typename TTake> bool ReadLines(std::string_view text, std::string_view magic, TTake take)
{
    bool first = true;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (first) {
            if (line != magic)
                return false;
            first = false;
            continue;
        }
        if (line.empty())
            continue;
        std::vector<std::string> fields;
        for (const std::string_view field : Fields(line)) {
            auto value = Unescaped(field);
            if (!value)
                return false;
            fields.push_back(std::move(*value));
        }
        if (!take(fields))
            return false;
    }
    return !first;
}

void Line(std::string& out, std::string_view key, std::string_view value)
{
    out += key;
    out += ' ';
    out += Escaped(value);
    out += '\n';
}

} // namespace

TFailure TCardDavStatus::FailureOf(const std::string& book) const
{
    if (const auto own = Failures.find(book); own != Failures.end() && own->second)
        return own->second;
    const auto all = Failures.find("");
    return all == Failures.end() ? TFailure() : all->second;
}

std::string FormatCardDavState(const TCardDavState& state)
{
    std::string out(StateMagic);
    out += '\n';
    Line(out, "book", state.BookUrl);
    Line(out, "account", state.AccountUrl);
    Line(out, "user", state.User);
    Line(out, "name", state.Name);
    Line(out, "token", state.SyncToken);
    Line(out, "ctag", state.CTag);
    out += "synced " + std::to_string(state.SyncedAt) + '\n';
    for (const TCardDavCard& card : state.Cards)
        out += "card " + Escaped(card.File) + ' ' + Escaped(card.ETag) + ' ' + Escaped(card.Href) + '\n';
    return out;
}

std::optional<TCardDavState> ParseCardDavState(std::string_view text)
{
    TCardDavState state;
    const bool read = ReadLines(text, StateMagic, [&state](std::vector<std::string>& fields) {
        const std::string& key = fields[0];
        if (key == "card") {
            if (fields.size() != 4)
                return false;
            state.Cards.push_back({std::move(fields[3]), std::move(fields[2]), std::move(fields[1])});
            return true;
        }
        std::string value = fields.size() > 1 ? std::move(fields[1]) : std::string();
        if (key == "synced") {
            const auto seconds = Number(value);
            if (!seconds)
                return false;
            state.SyncedAt = *seconds;
        } else if (key == "book") {
            state.BookUrl = std::move(value);
        } else if (key == "account") {
            state.AccountUrl = std::move(value);
        } else if (key == "user") {
            state.User = std::move(value);
        } else if (key == "name") {
            state.Name = std::move(value);
        } else if (key == "token") {
            state.SyncToken = std::move(value);
        } else if (key == "ctag") {
            state.CTag = std::move(value);
        }
        // Keys of a later version are left for it.
        return true;
    });
    if (!read || state.BookUrl.empty())
        return std::nullopt;
    return state;
}

std::string FormatCardDavStatus(const TCardDavStatus& status)
{
    std::string out(StatusMagic);
    out += '\n';
    Line(out, "account", status.AccountUrl);
    out += "tried " + std::to_string(status.TriedAt) + '\n';
    for (const auto& [book, failure] : status.Failures)
        out += "failed " + Escaped(book) + ' ' + Escaped(FailureWords(failure)) + '\n';
    if (status.DiscoveredAt > 0) {
        out += "discovered " + std::to_string(status.DiscoveredAt) + (status.SendLogin ? " login" : "") + '\n';
        for (const std::string& home : status.Homes)
            Line(out, "home", home);
        for (const std::string& book : status.Books)
            Line(out, "book", book);
    }
    return out;
}

std::optional<TCardDavStatus> ParseCardDavStatus(std::string_view text)
{
    TCardDavStatus status;
    const bool read = ReadLines(text, StatusMagic, [&status](std::vector<std::string>& fields) {
        if (fields[0] == "tried") {
            const auto seconds = fields.size() == 2 ? Number(fields[1]) : std::nullopt;
            if (!seconds)
                return false;
            status.TriedAt = *seconds;
        } else if (fields[0] == "failed") {
            if (fields.size() != 3)
                return false;
            status.Failures[fields[1]] = FailureFromWords(fields[2]);
        } else if (fields[0] == "account" && fields.size() == 2) {
            status.AccountUrl = fields[1];
        } else if (fields[0] == "discovered" && (fields.size() == 2 || fields.size() == 3)) {
            // Only a hint: a line that does not read leaves the next sync to discover in full.
            status.DiscoveredAt = Number(fields[1]).value_or(0);
            status.SendLogin = fields.size() == 3 && fields[2] == "login";
        } else if (fields[0] == "home" && fields.size() == 2) {
            status.Homes.push_back(fields[1]);
        } else if (fields[0] == "book" && fields.size() == 2) {
            status.Books.push_back(fields[1]);
        }
        return true;
    });
    if (!read)
        return std::nullopt;
    return status;
}

namespace {

// A state lists every card of a book, about a hundred bytes each: room for far more than the sync ever keeps.
constexpr std::uintmax_t MaxCacheFile = std::uintmax_t{64} * 1024 * 1024;

} // namespace

std::optional<TCardDavState> ReadCardDavState(const std::filesystem::path& book)
{
    std::string text;
    if (!ReadSmallFile(book / CardDavStateFile, text, MaxCacheFile, false))
        return std::nullopt;
    return ParseCardDavState(text);
}

std::optional<TCardDavStatus> ReadCardDavStatus(const std::filesystem::path& account)
{
    std::string text;
    if (!ReadSmallFile(account / CardDavStatusFile, text, MaxCacheFile, false))
        return std::nullopt;
    return ParseCardDavStatus(text);
}

std::filesystem::path CardDavCacheRoot(const TStoreEnvironment& environment)
{
    if (environment.CacheHome.empty())
        return {};
    return environment.CacheHome / "nelvora" / "carddav";
}

std::string StaleText(std::int64_t syncedAt, const TFailure& failure)
{
    std::string when = "never";
    if (syncedAt > 0) {
        const std::time_t seconds = static_cast<std::time_t>(syncedAt);
        std::tm local = {};
        char text[32];
        if (::localtime_r(&seconds, &local) && std::strftime(text, sizeof text, "%Y-%m-%d %H:%M", &local) > 0)
            when = text;
    }
    std::string shown = "stale, last synced " + when;
    if (failure)
        shown += " (" + FailureWords(failure) + ")";
    return shown;
}

} // namespace Stores
