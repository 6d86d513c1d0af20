#include "TThunderbirdStoreKind.h"

#include "TReachList.h"
#include "VCardParser.h"
#include "VCardText.h"
#include "config/ConfigFile.h"
#include "config/ThunderbirdConfig.h"
#include "sqlite/TSqliteDatabase.h"
#include "sqlite/TSqliteStatement.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <memory>
#include <unordered_map>

namespace Stores {

namespace {

namespace fs = std::filesystem;

// Where the native, Snap and Flatpak builds keep profiles.ini, below the home folder, in reading order. Betterbird's
// native build shares ~/.thunderbird; its Flatpak has a folder of its own.
constexpr std::array<std::string_view, 5> kProfileRoots{
    ".thunderbird",
    "snap/thunderbird/common/.thunderbird",
    ".var/app/org.mozilla.Thunderbird/.thunderbird",
    ".var/app/net.thunderbird.Thunderbird/.thunderbird",
    ".var/app/eu.betterbird.Betterbird/.thunderbird",
};

// The personal address book: Thunderbird's built-in preferences name it, so prefs.js usually does not.
constexpr std::string_view kPersonalBook = "abook.sqlite";

// From Thunderbird 102 on, a card's `_vCard` property holds the whole card; older books keep the name, the dates,
// the addresses and numbers as separate properties, which newer ones still keep beside the vCard for searching.
constexpr std::string_view kVCardProperty = "_vCard";

enum TOlderProperty : std::size_t {
    DisplayName,
    FirstName,
    LastName,
    BirthYear,
    BirthMonth,
    BirthDay,
    AnniversaryYear,
    AnniversaryMonth,
    AnniversaryDay,
    PrimaryEmail,
    SecondEmail,
    CellularNumber,
    HomePhone,
    WorkPhone,
    OlderPropertyCount,
};
constexpr std::array<std::string_view, OlderPropertyCount> kOlderNames{
    "DisplayName", "FirstName",       "LastName",         "BirthYear",      "BirthMonth",
    "BirthDay",    "AnniversaryYear", "AnniversaryMonth", "AnniversaryDay", "PrimaryEmail",
    "SecondEmail", "CellularNumber",  "HomePhone",        "WorkPhone",
};
// The numbers to call in the order a greeting would try them: the person's own phone first. Fax and pager
// numbers are left out, as no greeting goes there.
constexpr std::array<TOlderProperty, 3> kOlderPhones{CellularNumber, HomePhone, WorkPhone};

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

// A name from a property or a list, shown as the vCard reader shows names: UTF-8 (bytes that are not are read as
// Windows-1252), no control characters, trimmed.
std::string ShownName(std::string_view bytes)
{
    bytes = Trimmed(bytes);
    std::string name;
    if (VCard::IsValidUtf8(bytes))
        name = bytes;
    else
        VCard::AppendWindows1252AsUtf8(bytes, name);
    for (char& c : name) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            c = ' ';
    }
    return std::string(Trimmed(name));
}

// The older properties of one card.
struct TOlderCard
{
    std::string Card;
    std::array<std::string, OlderPropertyCount> Values;

    std::string Name() const
    {
        if (std::string display = ShownName(Values[DisplayName]); !display.empty())
            return display;
        std::string name = ShownName(Values[FirstName]);
        const std::string last = ShownName(Values[LastName]);
        if (!name.empty() && !last.empty())
            name += ' ';
        return name.append(last);
    }

    std::string Emails() const
    {
        VCard::TReachList emails(VCard::TReachList::TKind::Email);
        emails.Add(ShownName(Values[PrimaryEmail]));
        emails.Add(ShownName(Values[SecondEmail]));
        return emails.Take();
    }

    std::string Phones() const
    {
        VCard::TReachList phones(VCard::TReachList::TKind::Phone);
        for (const TOlderProperty phone : kOlderPhones)
            phones.Add(ShownName(Values[phone]));
        return phones.Take();
    }
};

bool HasPropertiesTable(TSqliteDatabase& database)
{
    return database.HasColumn("properties", "card") && database.HasColumn("properties", "name") &&
           database.HasColumn("properties", "value");
}

// Turns the rows of the properties table into cards. Thunderbird writes a card's properties together, so its rows
// mostly follow each other: the table is read once in its own order (no sort, no index lookup per row) and each run
// of one card's rows becomes a card. The few rows that stand apart from their card's run are joined at the end.
class TCardCollector final
{
public:
    explicit TCardCollector(std::vector<VCard::TVCard>& cards) : m_cards(cards), m_first(cards.size()) {}

    // `value` is asked for only for the properties read: most rows are of others (postal addresses, times).
    template <typename TValue> void Row(std::string_view card, std::string_view name, const TValue& value)
    {
        if (!m_started || card != m_run.Card) {
            EndRun();
            m_run.Card = card;
            m_hasVCard = false;
            m_hasOlder = false;
            for (auto& older : m_run.Values)
                older.clear();
            m_started = true;
        }
        if (name == kVCardProperty) {
            // Read at once, while the row's bytes are there, instead of keeping a copy until the run ends.
            m_parsed.clear();
            m_texts.Read(value());
            m_hasVCard = true;
            return;
        }
        const auto older = std::find(kOlderNames.begin(), kOlderNames.end(), name);
        if (older != kOlderNames.end()) {
            m_run.Values[static_cast<std::size_t>(older - kOlderNames.begin())] = value();
            m_hasOlder = true;
        }
    }

    void Finish()
    {
        EndRun();
        if (m_apart.empty())
            return;
        std::unordered_map<std::string_view, std::size_t> whole; // card -> its place in m_cards, read from _vCard
        for (std::size_t i = m_first; i < m_cards.size(); ++i)
            whole.emplace(m_cards[i].Uid, i);
        // A card in several runs has all its older properties together here, a later run winning.
        std::unordered_map<std::string_view, TOlderCard*> byCard;
        std::vector<TOlderCard*> joined;
        for (auto& apart : m_apart) {
            const auto [it, added] = byCard.emplace(apart.Card, &apart);
            if (added) {
                joined.push_back(&apart);
                continue;
            }
            for (std::size_t i = 0; i < OlderPropertyCount; ++i) {
                if (!apart.Values[i].empty())
                    it->second->Values[i] = std::move(apart.Values[i]);
            }
        }
        std::vector<VCard::TVCard> added;
        for (TOlderCard* properties : joined) {
            if (const auto it = whole.find(properties->Card); it != whole.end()) {
                if (m_cards[it->second].Name.empty())
                    m_cards[it->second].Name = properties->Name();
                continue;
            }
            VCard::TVCard card;
            card.Name = properties->Name();
            const auto& values = properties->Values;
            card.Birthday = OlderDate(values[BirthYear], values[BirthMonth], values[BirthDay]);
            card.Anniversary = OlderDate(values[AnniversaryYear], values[AnniversaryMonth], values[AnniversaryDay]);
            card.Emails = properties->Emails();
            card.Phones = properties->Phones();
            card.Uid = properties->Card;
            added.push_back(std::move(card));
        }
        // Only now: `whole` looks into the cards already there.
        std::move(added.begin(), added.end(), std::back_inserter(m_cards));
    }

private:
    void EndRun()
    {
        if (!m_started)
            return;
        // A card whose vCard comes twice is one contact; the merge keeps the first, as for any repeated UID.
        if (m_hasVCard) {
            // A vCard that gives no card leaves the card to its older properties, as if it had none.
            if (!m_parsed.empty()) {
                VCard::TVCard& card = m_parsed.front();
                if (card.Name.empty())
                    card.Name = m_run.Name();
                // Thunderbird's own identifier of the card, the same in every copy of a synced book.
                card.Uid = m_run.Card;
                m_cards.push_back(std::move(card));
                if (!m_cards.back().Name.empty() || !m_hasOlder)
                    return;
            }
        }
        if (m_hasOlder)
            m_apart.push_back(m_run);
    }

    std::vector<VCard::TVCard>& m_cards;
    std::size_t m_first; // this book's first card in m_cards
    TOlderCard m_run;
    bool m_started = false;
    bool m_hasVCard = false;
    bool m_hasOlder = false;
    std::vector<VCard::TVCard> m_parsed;  // the cards of the run's vCard
    VCard::TVCardTexts m_texts{m_parsed}; // one reader for every vCard of the book
    std::vector<TOlderCard> m_apart;
};

std::string ReadCards(TSqliteDatabase& database, std::vector<VCard::TVCard>& cards)
{
    TSqliteStatement statement(database, "SELECT card, name, value FROM properties");
    if (!statement.IsPrepared())
        return statement.Error();
    TCardCollector collector(cards);
    while (statement.Step()) {
        if (!statement.IsNull(0) && !statement.IsNull(1))
            collector.Row(statement.Bytes(0), statement.Bytes(1), [&statement] { return statement.Bytes(2); });
    }
    if (!statement.Error().empty())
        return statement.Error();
    collector.Finish();
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
        list.Name = ShownName(statement.Bytes(1));
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
    // Thunderbird may be holding it locked.
    TSqliteDatabase database(path, TSqliteDatabase::TMode::AlwaysCopy);
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
