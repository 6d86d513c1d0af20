#include "ContactStores.h"
#include "TReachList.h"
#include "sqlite/TSqliteDatabase.h"
#include "sqlite/TSqliteStatement.h"

#include "TPrivateHome.h"
#include "TTestDatabase.h"

#include <sqlite3.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <map>

namespace {

using namespace Stores;
namespace fs = std::filesystem;

// A book in Thunderbird's layout, written by this test; the handle closes with the object.
class TTestBook final : public TTestDatabase
{
public:
    explicit TTestBook(const fs::path& path) : TTestDatabase(path)
    {
        Run("PRAGMA journal_mode=WAL");
        Run("PRAGMA synchronous=OFF");
        Run("CREATE TABLE properties (card TEXT, name TEXT, value TEXT);"
            "CREATE TABLE lists (uid TEXT PRIMARY KEY, name TEXT, nickName TEXT, description TEXT);"
            "CREATE TABLE list_cards (list TEXT, card TEXT, PRIMARY KEY(list, card));"
            "CREATE INDEX properties_card ON properties(card); CREATE INDEX properties_name ON properties(name)");
    }
    void Card(const std::string& card, const std::map<std::string, std::string>& properties)
    {
        for (const auto& [name, value] : properties) {
            sqlite3_stmt* statement = nullptr;
            sqlite3_prepare_v2(Handle(), "INSERT INTO properties VALUES (?, ?, ?)", -1, &statement, nullptr);
            sqlite3_bind_text(statement, 1, card.c_str(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_text(statement, 2, name.c_str(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_text(statement, 3, value.c_str(), -1, SQLITE_TRANSIENT);
            EXPECT_EQ(sqlite3_step(statement), SQLITE_DONE);
            sqlite3_finalize(statement);
        }
    }
};

std::string VCard4(const std::string& name, const std::string& extra = {})
{
    return "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:" + name + "\r\n" + extra + "END:VCARD\r\n";
}

// A home with a private runtime folder, where the copies of the books go.
struct TThunderbirdHome
{
    TPrivateHome Home;
    fs::path Runtime = Home.Path() / "run";
    fs::path Profile = Home.Path() / ".thunderbird/k3x9q2mf.default-release";

    TThunderbirdHome()
    {
        fs::create_directories(Runtime);
        fs::permissions(Runtime, fs::perms::owner_all);
        Home.Set("XDG_RUNTIME_DIR", Runtime.string());
        Home.Write(".thunderbird/profiles.ini",
                   "[Profile0]\nName=default\nIsRelative=1\nPath=k3x9q2mf.default-release\n");
    }
    void Prefs(const std::string& text) const { Home.Write(".thunderbird/k3x9q2mf.default-release/prefs.js", text); }
    bool NoCopyLeft() const { return fs::is_empty(Runtime); }
};

std::map<std::string, std::string> Reasons(const TContacts& contacts, const fs::path& base)
{
    std::map<std::string, std::string> reasons;
    for (const auto& store : contacts.Stores)
        reasons[store.Location.Path.lexically_relative(base).string()] = store.Skipped;
    return reasons;
}

// Every file below `folder` with its size and modification time.
std::map<std::string, std::pair<off_t, std::int64_t>> Files(const fs::path& folder)
{
    std::map<std::string, std::pair<off_t, std::int64_t>> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        struct stat info;
        ::lstat(entry.path().c_str(), &info);
        files[entry.path().string()] = {info.st_size, info.st_mtim.tv_sec * 1000000000 + info.st_mtim.tv_nsec};
    }
    return files;
}

TEST(ThunderbirdStore, ProfilesOfEveryBuildAreFoundAndFoldersElsewhereOnlyWhenTheUserOwnsThem)
{
    TThunderbirdHome home;
    TTempFolder elsewhere;
    const fs::path own = elsewhere.Path() / "own";
    const fs::path foreign = elsewhere.Path() / "foreign";
    elsewhere.Write("own/abook.sqlite", "");
    elsewhere.Write("foreign/abook.sqlite", "");
    const bool canChown = ::geteuid() == 0 && ::chown(foreign.c_str(), 65534, 65534) == 0;

    home.Home.Write(".thunderbird/profiles.ini",
                    "; written by hand\n[General]\nStartWithLastProfile=1\n\n[Install4F96D1932A9F858E]\n"
                    "Default=k3x9q2mf.default-release\n\n[Profile1]\nName = away\nIsRelative = 0\nPath = " +
                        own.string() +
                        "\n\n[Profile0]\r\nName=default\r\nIsRelative=1\r\nPath=k3x9q2mf.default-release\r\n"
                        "[Profile2]\nIsRelative=1\nPath=missing.profile\n[Profile3]\nName=no path\n");
    home.Prefs("user_pref(\"ldap_2.servers.history.filename\", \"history.sqlite\");\n"
               "user_pref(\"ldap_2.servers.Friends.filename\", \"abook-1.sqlite\");\n");
    for (const char* file : {"abook.sqlite", "abook-1.sqlite", "history.sqlite", "abook-7.sqlite"})
        home.Home.Write(".thunderbird/k3x9q2mf.default-release/" + std::string(file), "");
    home.Home.Write("snap/thunderbird/common/.thunderbird/profiles.ini",
                    "[Profile0]\nPath=" + (home.Home.Path() / "snap/thunderbird/common/.thunderbird/p.snap").string() +
                        "\n");
    home.Home.Write("snap/thunderbird/common/.thunderbird/p.snap/abook.sqlite", "");
    home.Home.Write(".var/app/org.mozilla.Thunderbird/.thunderbird/profiles.ini",
                    "[Profile0]\nIsRelative=1\nPath=p.flat\n");
    home.Home.Write(".var/app/org.mozilla.Thunderbird/.thunderbird/p.flat/abook.sqlite", "");
    // A relative path may climb out of the home folder too.
    home.Home.Write(".var/app/net.thunderbird.Thunderbird/.thunderbird/profiles.ini",
                    "[Profile0]\nIsRelative=1\nPath=" +
                        (fs::path("../../../..") / fs::relative(foreign, home.Home.Path())).string() + "\n");
    home.Home.Write(".var/app/eu.betterbird.Betterbird/.thunderbird/profiles.ini",
                    "[Profile0]\nIsRelative=1\nPath=b\n");
    home.Home.Write(".var/app/eu.betterbird.Betterbird/.thunderbird/b/abook.sqlite", "");

    std::vector<std::string> found;
    for (const auto& [kind, location] : FindStores(TStoreEnvironment::FromProcess()))
        found.push_back(location.Kind + " " + location.Path.lexically_relative(home.Home.Path()).string());
    std::vector<std::string> expected{
        "thunderbird " + (own / "abook.sqlite").lexically_relative(home.Home.Path()).string(),
        "thunderbird .thunderbird/k3x9q2mf.default-release/abook.sqlite",
        "thunderbird .thunderbird/k3x9q2mf.default-release/abook-1.sqlite",
        "thunderbird snap/thunderbird/common/.thunderbird/p.snap/abook.sqlite",
        "thunderbird .var/app/org.mozilla.Thunderbird/.thunderbird/p.flat/abook.sqlite",
    };
    if (!canChown)
        expected.push_back("thunderbird " + (foreign / "abook.sqlite").lexically_relative(home.Home.Path()).string());
    expected.push_back("thunderbird .var/app/eu.betterbird.Betterbird/.thunderbird/b/abook.sqlite");
    EXPECT_EQ(found, expected);
}

TEST(ThunderbirdStore, CardsOfEitherGenerationListsAndDatesAreReadAsThunderbirdShowsThem)
{
    TThunderbirdHome home;
    {
        TTestBook book(home.Profile / "abook.sqlite");
        book.Card("uid-ann", {{"_vCard", VCard4("Ann Thunder", "UID:other\r\nBDAY:--0322\r\nANNIVERSARY:20050325\r\n")},
                              {"DisplayName", "Ann T."}});
        book.Card("uid-nameless", {{"_vCard", "BEGIN:VCARD\r\nVERSION:4.0\r\nBDAY:19900101\r\nEND:VCARD\r\n"}});
        book.Card("uid-split", {{"BirthMonth", "7"}, {"BirthDay", "4"}});
        book.Card("uid-garbled", {{"_vCard", "not a card"},
                                  {"FirstName", " Gary "},
                                  {"LastName", "Garbled"},
                                  {"BirthYear", "1970"},
                                  {"BirthMonth", "02"},
                                  {"BirthDay", "29"}}); // no such day
        book.Card("uid-old", {{"DisplayName", "Olga Older"},
                              {"BirthYear", ""},
                              {"BirthMonth", "3"},
                              {"BirthDay", " 2"},
                              {"AnniversaryYear", "1999"},
                              {"AnniversaryMonth", "13"},
                              {"AnniversaryDay", "1"},
                              {"PrimaryEmail", "olga@example.org"}});
        book.Card("uid-plain", {{"LastName", "Plain"}, {"FirstName", "\t"}});
        book.Card("uid-fred", {{"FirstName", "Fred"}, {"BirthMonth", "12"}, {"BirthDay", "24"}});
        book.Card("uid-latin1", {{"DisplayName", "R\xE9my\nRow"}});
        // A card edited later may have rows apart from the others.
        book.Card("uid-nameless", {{"DisplayName", "Nora Nameless"}});
        book.Card("uid-split", {{"DisplayName", "Sam Split"}, {"BirthYear", "1976"}});
        book.Run("INSERT INTO lists VALUES ('uid-list', 'Choir', '', '')");
        book.Run("INSERT INTO list_cards VALUES ('uid-list', 'uid-ann')");
        book.Run("INSERT INTO properties VALUES (NULL, 'DisplayName', 'No Card')");
    }
    fs::rename(home.Profile / "abook.sqlite", home.Home.Path() / "backup.bin");

    // Named on the command line, the book is recognised by its tables.
    const TContacts contacts = LoadContacts({home.Home.Path() / "backup.bin"});
    ASSERT_EQ(contacts.Stores.size(), 1u);
    EXPECT_EQ(contacts.Stores[0].Location.Kind, "thunderbird");
    EXPECT_EQ(contacts.Stores[0].Skipped, "");
    std::map<std::string, VCard::TVCard> cards;
    for (const auto& card : contacts.Cards)
        cards[card.Uid] = card;
    ASSERT_EQ(cards.size(), 9u);
    EXPECT_EQ(cards["uid-ann"].Name, "Ann Thunder");
    EXPECT_EQ(cards["uid-ann"].Birthday, (VCard::TVCardDate{VCard::UnknownYear, 3, 22}));
    EXPECT_EQ(cards["uid-ann"].Anniversary, (VCard::TVCardDate{2005, 3, 25}));
    EXPECT_EQ(cards["uid-nameless"].Name, "Nora Nameless");
    EXPECT_EQ(cards["uid-nameless"].Birthday, (VCard::TVCardDate{1990, 1, 1}));
    EXPECT_EQ(cards["uid-garbled"].Name, "Gary Garbled");
    EXPECT_FALSE(cards["uid-garbled"].Birthday);
    EXPECT_EQ(cards["uid-old"].Name, "Olga Older");
    EXPECT_EQ(cards["uid-old"].Birthday, (VCard::TVCardDate{VCard::UnknownYear, 3, 2}));
    EXPECT_FALSE(cards["uid-old"].Anniversary);
    EXPECT_EQ(cards["uid-split"].Name, "Sam Split");
    EXPECT_EQ(cards["uid-split"].Birthday, (VCard::TVCardDate{1976, 7, 4}));
    EXPECT_EQ(cards["uid-plain"].Name, "Plain");
    EXPECT_EQ(cards["uid-fred"].Name, "Fred");
    EXPECT_EQ(cards["uid-fred"].Birthday, (VCard::TVCardDate{VCard::UnknownYear, 12, 24}));
    EXPECT_EQ(cards["uid-latin1"].Name, "R\xC3\xA9my Row");
    EXPECT_FALSE(cards["uid-plain"].Birthday || cards["uid-plain"].Anniversary);
    EXPECT_EQ(cards["uid-list"].Name, "Choir");
    EXPECT_TRUE(cards["uid-list"].IsGroup);
    EXPECT_TRUE(home.NoCopyLeft());
}

TEST(ThunderbirdStore, AddressesAndNumbersComeFromTheVCardElseFromTheOlderProperties)
{
    using Values = std::vector<std::string>;
    const struct
    {
        const char* Card;
        std::map<std::string, std::string> Properties;
        Values Emails;
        Values Phones;
    } cases[] = {
        {"older",
         {{"DisplayName", "Olga Older"},
          {"PrimaryEmail", "olga@example.org"},
          {"SecondEmail", " OLGA@example.org "},
          {"WorkPhone", "+49 30 1"},
          {"HomePhone", "+49 30 2"},
          {"CellularNumber", "+49 170 3"},
          {"FaxNumber", "+49 30 4"},
          {"PagerNumber", "+49 30 5"}},
         {"olga@example.org"},
         {"+49 170 3", "+49 30 2", "+49 30 1"}},
        {"older-latin1",
         {{"DisplayName", "Remy"}, {"SecondEmail", "r\xE9my@example.org\r\n"}, {"HomePhone", "n/a"}},
         {"r\xC3\xA9my@example.org"},
         {}},
        {"vcard",
         {{"_vCard", VCard4("Vera", "EMAIL:v@example.org\r\nEMAIL;PREF=1:vera@example.org\r\n"
                                    "TEL;VALUE=uri;TYPE=cell:tel:+1-555-0100\r\n")},
          {"PrimaryEmail", "stale@example.org"},
          {"CellularNumber", "+1 555 0199"}},
         {"vera@example.org", "v@example.org"},
         {"+1-555-0100"}},
        {"vcard-nameless",
         {{"_vCard", "BEGIN:VCARD\r\nVERSION:4.0\r\nEMAIL:nina@example.org\r\nEND:VCARD\r\n"}, {"DisplayName", "Nina"}},
         {"nina@example.org"},
         {}},
    };
    TThunderbirdHome home;
    {
        TTestBook book(home.Profile / "abook.sqlite");
        for (const auto& test : cases)
            book.Card(test.Card, test.Properties);
    }
    std::map<std::string, VCard::TVCard> cards;
    for (const auto& card : LoadContacts({}).Cards)
        cards[card.Uid] = card;
    for (const auto& test : cases) {
        SCOPED_TRACE(test.Card);
        EXPECT_EQ(VCard::TReachList::Split(cards[test.Card].Emails), test.Emails);
        EXPECT_EQ(VCard::TReachList::Split(cards[test.Card].Phones), test.Phones);
    }
    EXPECT_EQ(cards["vcard-nameless"].Name, "Nina");
}

TEST(ThunderbirdStore, BrokenBooksAreSkippedWithAReasonLeavingNoCopyAndTheOthersRead)
{
    TThunderbirdHome home;
    home.Prefs("user_pref(\"ldap_2.servers.a.filename\", \"damaged.sqlite\");\n"
               "user_pref(\"ldap_2.servers.b.filename\", \"empty.sqlite\");\n"
               "user_pref(\"ldap_2.servers.c.filename\", \"text.sqlite\");\n"
               "user_pref(\"ldap_2.servers.d.filename\", \"other.sqlite\");\n");
    {
        TTestBook good(home.Profile / "abook.sqlite");
        good.Card("g", {{"_vCard", VCard4("Gil Good")}});
        TTestBook damaged(home.Profile / "damaged.sqlite");
        damaged.Run("PRAGMA wal_checkpoint");
        for (int i = 0; i < 300; ++i)
            damaged.Card(std::string("d").append(std::to_string(i)),
                         {{"_vCard", VCard4("Dan Damaged", std::string("NOTE:").append(300, 'x'))}});
        damaged.Run("PRAGMA wal_checkpoint(TRUNCATE)");
    }
    fs::resize_file(home.Profile / "damaged.sqlite", 8192);
    home.Home.Write(".thunderbird/k3x9q2mf.default-release/empty.sqlite", "");
    home.Home.Write(".thunderbird/k3x9q2mf.default-release/text.sqlite", std::string(4096, 'x'));
    sqlite3* other = nullptr;
    sqlite3_open((home.Profile / "other.sqlite").c_str(), &other);
    sqlite3_exec(other, "CREATE TABLE properties (card TEXT, name TEXT)", nullptr, nullptr, nullptr);
    sqlite3_close(other);
    const auto before = Files(home.Profile);

    const TContacts contacts = LoadContacts({});
    ASSERT_EQ(contacts.Cards.size(), 1u);
    EXPECT_EQ(contacts.Cards[0].Name, "Gil Good");
    const auto reasons = Reasons(contacts, home.Profile);
    EXPECT_EQ(reasons.at("abook.sqlite"), "");
    EXPECT_EQ(reasons.at("damaged.sqlite"), "damaged database");
    EXPECT_EQ(reasons.at("empty.sqlite"), "no table properties");
    EXPECT_EQ(reasons.at("text.sqlite"), "not a database");
    EXPECT_EQ(reasons.at("other.sqlite"), "no column value in properties");
    EXPECT_EQ(Files(home.Profile), before);
    EXPECT_TRUE(home.NoCopyLeft());
}

TEST(ThunderbirdStore, ABookHeldInRollbackModeIsReadThroughTheCopyAndRecognisedWithoutWaitingForTheLock)
{
    TThunderbirdHome home;
    const fs::path path = home.Profile / "abook.sqlite";
    TTestDatabase owner(path);
    owner.Run("CREATE TABLE properties (card TEXT, name TEXT, value TEXT)");
    owner.Run("INSERT INTO properties VALUES ('a', '_vCard', '" + VCard4("Ann Thunder") + "')");
    owner.Run("PRAGMA locking_mode=EXCLUSIVE");
    owner.Run("BEGIN EXCLUSIVE");
    owner.Run("INSERT INTO properties VALUES ('b', 'DisplayName', 'Not Yet')");

    for (const auto& sources : {std::vector<fs::path>{}, std::vector<fs::path>{path}}) {
        const auto start = std::chrono::steady_clock::now();
        const TContacts contacts = LoadContacts(sources);
        // Waiting for the lock would take the whole busy timeout of two seconds.
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(1500)) << sources.size();
        ASSERT_EQ(contacts.Stores.size(), 1u);
        EXPECT_EQ(contacts.Stores[0].Location.Kind, "thunderbird");
        EXPECT_EQ(contacts.Stores[0].Skipped, "");
        ASSERT_EQ(contacts.Cards.size(), 1u);
        EXPECT_EQ(contacts.Cards[0].Name, "Ann Thunder");
    }
    EXPECT_TRUE(home.NoCopyLeft());
    owner.Run("COMMIT");
}

TEST(ThunderbirdStore, TheCopyIsPrivateAndGoneAfterwardsAlsoWhenItCannotBeMade)
{
    TThunderbirdHome home;
    {
        TTestBook book(home.Profile / "abook.sqlite");
        for (int i = 0; i < 100; ++i)
            book.Card(std::string("c").append(std::to_string(i)),
                      {{"_vCard", VCard4("Cy Copy", std::string("NOTE:").append(300, 'x'))}});
        book.Run("PRAGMA wal_autocheckpoint=0");
        book.Card("last", {{"_vCard", VCard4("Lea Last")}});
        // While the book is read, its copy and the copy's -wal sit in a folder of the runtime folder that only this
        // user may enter.
        TSqliteDatabase copy(home.Profile / "abook.sqlite", TSqliteDatabase::TMode::AlwaysCopy);
        ASSERT_TRUE(copy.IsOpen()) << copy.Error();
        std::vector<fs::path> folders(fs::directory_iterator(home.Runtime), fs::directory_iterator());
        ASSERT_EQ(folders.size(), 1u);
        EXPECT_EQ(fs::status(folders[0]).permissions(), fs::perms::owner_all);
        EXPECT_TRUE(fs::exists(folders[0] / "store.db-wal"));
        TSqliteStatement last(copy, "SELECT count(*) FROM properties WHERE card = 'last'");
        ASSERT_TRUE(last.Step());
        EXPECT_EQ(last.Integer(0), 1);
    }
    EXPECT_TRUE(home.NoCopyLeft());

    // A full disk, as the file size limit makes it: the copy's writes fail part-way.
    rlimit saved{};
    ::getrlimit(RLIMIT_FSIZE, &saved);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 16384;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const TContacts contacts = LoadContacts({});
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    ASSERT_EQ(contacts.Stores.size(), 1u);
    EXPECT_EQ(contacts.Stores[0].Skipped, "cannot copy: File too large");
    EXPECT_TRUE(contacts.Cards.empty());
    EXPECT_TRUE(home.NoCopyLeft());
}

} // namespace
