#include "TThunderbirdStoreKind.h"

#include "ConfigFile.h"
#include "TSqliteDatabase.h"
#include "TSqliteStatement.h"
#include "ThunderbirdConfig.h"
#include "VCardParser.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace Stores {

namespace {

namespace fs = std::filesystem;

// Where the native, Snap and Flatpak builds keep profiles.ini, below the home folder, in reading order.
constexpr std::array<std::string_view, 4> kProfileRoots{
    ".thunderbird",
    "snap/thunderbird/common/.thunderbird",
    ".var/app/org.mozilla.Thunderbird/.thunderbird",
    ".var/app/net.thunderbird.Thunderbird/.thunderbird",
};

// The personal address book: Thunderbird's built-in preferences name it, so prefs.js usually does not.
constexpr std::string_view kPersonalBook = "abook.sqlite";

// The properties a card is read from. From Thunderbird 102 on, `_vCard` holds the whole card; older books keep
// the name and the dates as separate properties.
enum TProperty : std::size_t {
    VCardText,
    DisplayName,
    FirstName,
    LastName,
    BirthYear,
    BirthMonth,
    BirthDay,
    AnniversaryYear,
    AnniversaryMonth,
    AnniversaryDay,
    PropertyCount,
};
constexpr std::array<std::string_view, PropertyCount> kPropertyNames{
    "_vCard",     "DisplayName", "FirstName",       "LastName",         "BirthYear",
    "BirthMonth", "BirthDay",    "AnniversaryYear", "AnniversaryMonth", "AnniversaryDay",
};
// Rows come grouped by card, so one card's properties are collected and then turned into one card.
constexpr std::string_view kCardQuery =
    "SELECT card, name, value FROM properties WHERE name IN ('_vCard', 'DisplayName', 'FirstName', 'LastName', "
    "'BirthYear', 'BirthMonth', 'BirthDay', 'AnniversaryYear', 'AnniversaryMonth', 'AnniversaryDay') ORDER BY card";

std::string RealPath(const fs::path& path)
{
    const std::unique_ptr<char, decltype(&std::free)> real(::realpath(path.c_str(), nullptr), &std::free);
    return real ? std::string(real.get()) : std::string();
}

bool IsWithin(const fs::path& path, const fs::path& folder)
{
    return std::mismatch(folder.begin(), folder.end(), path.begin(), path.end()).first == folder.end();
}

// The folder of a profile, when it may be read: inside the home folder, or elsewhere (a second disk) only when it
// is a folder of this user's own, so that a profiles.ini cannot lead the reading into someone else's files.
std::optional<fs::path> ProfileFolder(const fs::path& root, const TThunderbirdProfile& profile,
                                      const fs::path& realHome)
{
    fs::path path(profile.Path);
    if (profile.IsRelative || path.is_relative())
        path = root / path;
    path = path.lexically_normal();
    if (!path.has_filename() && path.has_parent_path())
        path = path.parent_path();
    const std::string real = RealPath(path);
    struct stat info;
    if (real.empty() || ::stat(real.c_str(), &info) != 0 || !S_ISDIR(info.st_mode))
        return std::nullopt;
    if (!realHome.empty() && IsWithin(real, realHome))
        return path;
    if (info.st_uid != ::geteuid())
        return std::nullopt;
    return path;
}

void FindBooks(const fs::path& profile, std::vector<TStoreLocation>& found)
{
    std::vector<std::string> files{std::string(kPersonalBook)};
    std::string prefs;
    if (ReadConfigFile(profile / "prefs.js", prefs)) {
        for (auto& file : ThunderbirdBookFiles(prefs)) {
            if (std::find(files.begin(), files.end(), file) == files.end())
                files.push_back(std::move(file));
        }
    }
    for (const auto& file : files)
        found.push_back({"thunderbird", profile / file});
}

// A whole decimal number with nothing but blanks around it.
std::optional<int> Number(std::string_view text)
{
    text = Trimmed(text);
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

// A date kept as three properties; a missing or unusable year is an unknown year. Checked by the vCard reader's
// own date rules, so that both kinds of book agree on what a date is.
std::optional<VCard::TVCardDate> OlderDate(std::string_view yearText, std::string_view monthText,
                                           std::string_view dayText)
{
    const auto month = Number(monthText);
    const auto day = Number(dayText);
    if (!month || !day || *month < 1 || *month > 12 || *day < 1 || *day > 31)
        return std::nullopt;
    const auto year = Number(yearText);
    char text[16];
    if (year && *year >= 1 && *year <= 9999)
        std::snprintf(text, sizeof text, "%04d-%02d-%02d", *year, *month, *day);
    else
        std::snprintf(text, sizeof text, "--%02d-%02d", *month, *day);
    return VCard::ParseVCardDate(text);
}

// One card's properties while its rows are read.
class TCardProperties final
{
public:
    const std::string& Card() const { return m_card; }

    void Start(std::string_view card)
    {
        m_card = card;
        for (auto& value : m_values)
            value.clear();
        m_present.fill(false);
    }

    void Set(std::string_view name, std::string_view value)
    {
        const auto it = std::find(kPropertyNames.begin(), kPropertyNames.end(), name);
        if (it == kPropertyNames.end())
            return;
        const auto index = static_cast<std::size_t>(it - kPropertyNames.begin());
        m_values[index] = value;
        m_present[index] = true;
    }

    void AppendTo(std::vector<VCard::TVCard>& cards, std::vector<VCard::TVCard>& scratch) const
    {
        VCard::TVCard card;
        bool whole = false;
        if (m_present[VCardText]) {
            scratch.clear();
            VCard::ParseVCards(m_values[VCardText], scratch);
            if (!scratch.empty()) {
                card = std::move(scratch.front());
                whole = true;
            }
        }
        if (!whole) {
            card.Birthday = OlderDate(m_values[BirthYear], m_values[BirthMonth], m_values[BirthDay]);
            card.Anniversary =
                OlderDate(m_values[AnniversaryYear], m_values[AnniversaryMonth], m_values[AnniversaryDay]);
        }
        if (card.Name.empty())
            card.Name = OlderName();
        // Thunderbird's own identifier of the card, the same in every copy of a synced book.
        card.Uid = m_card;
        cards.push_back(std::move(card));
    }

private:
    std::string OlderName() const
    {
        if (const auto display = Trimmed(m_values[DisplayName]); !display.empty())
            return std::string(display);
        const auto first = Trimmed(m_values[FirstName]);
        const auto last = Trimmed(m_values[LastName]);
        std::string name(first);
        if (!first.empty() && !last.empty())
            name += ' ';
        return name.append(last);
    }

    std::string m_card;
    std::array<std::string, PropertyCount> m_values;
    std::array<bool, PropertyCount> m_present{};
};

bool HasPropertiesTable(TSqliteDatabase& database)
{
    return database.HasColumn("properties", "card") && database.HasColumn("properties", "name") &&
           database.HasColumn("properties", "value");
}

std::string ReadCards(TSqliteDatabase& database, std::vector<VCard::TVCard>& cards)
{
    TSqliteStatement statement(database, kCardQuery);
    if (!statement.IsPrepared())
        return statement.Error();
    TCardProperties properties;
    std::vector<VCard::TVCard> scratch;
    bool started = false;
    while (statement.Step()) {
        if (statement.IsNull(0) || statement.IsNull(1))
            continue;
        const std::string_view card = statement.Bytes(0);
        if (!started || card != properties.Card()) {
            if (started)
                properties.AppendTo(cards, scratch);
            properties.Start(card);
            started = true;
        }
        properties.Set(statement.Bytes(1), statement.Bytes(2));
    }
    if (!statement.Error().empty())
        return statement.Error();
    if (started)
        properties.AppendTo(cards, scratch);
    return {};
}

// Distribution lists: shown as lists, never reminded of.
std::string ReadLists(TSqliteDatabase& database, std::vector<VCard::TVCard>& cards)
{
    if (!database.HasColumn("lists", "uid") || !database.HasColumn("lists", "name"))
        return database.Error().starts_with("no ") ? std::string() : database.Error();
    TSqliteStatement statement(database, "SELECT uid, name FROM lists");
    if (!statement.IsPrepared())
        return statement.Error();
    while (statement.Step()) {
        VCard::TVCard list;
        list.Name = Trimmed(statement.Bytes(1));
        list.Uid = statement.Bytes(0);
        list.IsGroup = true;
        cards.push_back(std::move(list));
    }
    return statement.Error();
}

} // namespace

void TThunderbirdStoreKind::Find(const TStoreEnvironment& environment, std::vector<TStoreLocation>& found) const
{
    if (environment.Home.empty())
        return;
    const fs::path realHome = RealPath(environment.Home);
    std::string ini;
    for (const std::string_view root : kProfileRoots) {
        const fs::path folder = environment.Home / root;
        if (!ReadConfigFile(folder / "profiles.ini", ini))
            continue;
        for (const auto& profile : ParseThunderbirdProfiles(ini)) {
            if (const auto path = ProfileFolder(folder, profile, realHome))
                FindBooks(*path, found);
        }
    }
}

std::optional<std::string> TThunderbirdStoreKind::Recognise(const std::filesystem::path& path,
                                                            std::string_view head) const
{
    if (!TSqliteDatabase::IsSqliteHead(head))
        return std::nullopt;
    TSqliteDatabase database(path);
    if (!HasPropertiesTable(database))
        return std::nullopt;
    return "thunderbird";
}

std::string TThunderbirdStoreKind::Read(const TStoreLocation& store, TStoreRun& /*run*/,
                                        std::vector<VCard::TVCard>& cards) const
{
    // Thunderbird holds the book under an exclusive lock, and its newest changes may sit only in the -wal: the
    // private copy takes both, so it shows what Thunderbird shows.
    TSqliteDatabase database(store.Path, TSqliteDatabase::TMode::AlwaysCopy);
    if (!database.IsOpen())
        return database.Error();
    if (!HasPropertiesTable(database))
        return database.Error();
    if (std::string reason = ReadCards(database, cards); !reason.empty())
        return reason;
    return ReadLists(database, cards);
}

} // namespace Stores
