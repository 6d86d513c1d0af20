#include "ContactStores.h"

#include "TPrivateHome.h"
#include "TTestDatabase.h"

#include <sqlite3.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <future>
#include <iterator>
#include <map>
#include <thread>

namespace {

using namespace Stores;
namespace fs = std::filesystem;

void AddCard(TTestDatabase& book, const std::string& uid, const std::string& name, const std::string& extra = {})
{
    book.Run("INSERT INTO folder_id (uid, vcard) VALUES ('" + uid + "', 'BEGIN:VCARD\r\nVERSION:3.0\r\nUID:" + uid +
             "\r\nFN:" + name + "\r\n" + extra + "END:VCARD\r\n')");
}

// Evolution 3.46's local book keeps more columns; these are the ones read.
constexpr const char* kLocalSchema =
    "CREATE TABLE folder_id (uid TEXT PRIMARY KEY, Rev TEXT, file_as TEXT, vcard TEXT, "
    "bdata TEXT)";

fs::path LocalBook(const TPrivateHome& home, const std::string& folder)
{
    return home.Path() / ".local/share/evolution/addressbook" / folder / "contacts.db";
}

void WriteSource(const TPrivateHome& home, const std::string& uid, const std::string& text)
{
    home.Write(".config/evolution/sources/" + uid + ".source", text);
}

std::string Bytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Every file below `folder` with its size, modification time and a hash of its bytes. A reader in place shares
// the -shm with the owner and marks its reads there, as SQLite's readers do.
std::map<std::string, std::tuple<off_t, std::int64_t, std::size_t>> Files(const fs::path& folder)
{
    std::map<std::string, std::tuple<off_t, std::int64_t, std::size_t>> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        struct stat info;
        ::lstat(entry.path().c_str(), &info);
        const bool hashed = entry.is_regular_file() && !entry.path().string().ends_with("-shm");
        files[entry.path().string()] = {info.st_size, info.st_mtim.tv_sec * 1000000000 + info.st_mtim.tv_nsec,
                                        hashed ? std::hash<std::string>{}(Bytes(entry.path())) : 0};
    }
    return files;
}

std::vector<std::string> Names(const TContacts& contacts)
{
    std::vector<std::string> names;
    for (const auto& card : contacts.Cards)
        names.push_back(card.Name);
    return names;
}

std::map<std::string, std::string> Reasons(const TContacts& contacts, const fs::path& base)
{
    std::map<std::string, std::string> reasons;
    for (const auto& store : contacts.Stores)
        reasons[store.Location.Path.lexically_relative(base).string()] = store.Skipped;
    return reasons;
}

TEST(EvolutionStore, BooksComeFromTheSourceFilesAndThePersonalBook)
{
    TPrivateHome home;
    TTestDatabase(LocalBook(home, "system")).Run(kLocalSchema);
    TTestDatabase personal(LocalBook(home, "system"));
    AddCard(personal, "p1", "Pat Personal");
    WriteSource(home, "work-book", "[Data Source]\nDisplayName=Work\n[Address Book]\nBackendName=local\n");
    TTestDatabase work(LocalBook(home, "work-book"));
    work.Run(kLocalSchema);
    AddCard(work, "w1", "Wes Work");
    WriteSource(home, "old-book", "[Data Source]\nEnabled=false\n[Address Book]\nBackendName=local\n");
    TTestDatabase old(LocalBook(home, "old-book"));
    old.Run(kLocalSchema);
    AddCard(old, "o1", "Olaf Old");
    WriteSource(home, "calendar", "[Data Source]\n[Calendar]\nBackendName=local\n");
    TTestDatabase flatpak(home.Path() / ".var/app/org.gnome.Evolution/data/evolution/addressbook/system/contacts.db");
    flatpak.Run(kLocalSchema);
    AddCard(flatpak, "f1", "Fay Flatpak");

    const TContacts contacts = LoadContacts({});
    EXPECT_EQ(Names(contacts), (std::vector<std::string>{"Fay Flatpak", "Pat Personal", "Wes Work"}));
    ASSERT_EQ(contacts.Stores.size(), 3u);
    EXPECT_EQ(contacts.Stores[0].Location.Kind, "evolution");
    EXPECT_EQ(contacts.Stores[0].Location.Path, LocalBook(home, "system"));
}

TEST(EvolutionStore, ACardGivesItsAddressesAndNumbersInEvolutionsOrderWithoutTheFax)
{
    TPrivateHome home;
    TTestDatabase book(LocalBook(home, "system"));
    book.Run(kLocalSchema);
    // As Evolution 3.46 writes a card edited in its contact editor.
    AddCard(book, "e1", "Erik Evolution",
            "N:Evolution;Erik;;;\r\nX-EVOLUTION-FILE-AS:Evolution\\, Erik\r\n"
            "EMAIL;X-EVOLUTION-UI-SLOT=1;TYPE=HOME:erik@example.org\r\n"
            "EMAIL;X-EVOLUTION-UI-SLOT=2;TYPE=WORK:erik@work.example\r\n"
            "TEL;X-EVOLUTION-UI-SLOT=1;TYPE=CELL:+49 170 1111\r\n"
            "TEL;X-EVOLUTION-UI-SLOT=2;TYPE=HOME,VOICE:+49 30 2222\r\n"
            "TEL;X-EVOLUTION-UI-SLOT=3;TYPE=WORK,FAX:+49 30 3333\r\n"
            "TEL;X-EVOLUTION-UI-SLOT=4;TYPE=X-EVOLUTION-CALLBACK:+49 30 4444\r\n");

    const TContacts contacts = LoadContacts({});
    ASSERT_EQ(contacts.Cards.size(), 1u);
    EXPECT_EQ(contacts.Cards[0].Emails, "erik@example.org\nerik@work.example");
    EXPECT_EQ(contacts.Cards[0].Phones, "+49 170 1111\n+49 30 2222\n+49 30 4444");
}

TEST(EvolutionStore, DisabledBooksAreNotReadThePersonalOneIncluded)
{
    TPrivateHome home;
    for (const char* folder : {"system", "off"}) {
        TTestDatabase book(LocalBook(home, folder));
        book.Run(kLocalSchema);
        AddCard(book, folder, folder);
    }
    WriteSource(home, "system-address-book", "[Data Source]\nEnabled=false\n[Address Book]\nBackendName=local\n");
    WriteSource(home, "off", "[Data Source]\nEnabled=0\n[Address Book]\nBackendName=local\n");
    EXPECT_TRUE(LoadContacts({}).Stores.empty());
}

TEST(EvolutionStore, ADatabaseIsRecognisedByItsContentNotItsName)
{
    TPrivateHome home;
    TTestDatabase synced(home.Path() / "backup.bin");
    synced.Run("CREATE TABLE ECacheObjects (ECacheUID TEXT PRIMARY KEY, ECacheREV TEXT, ECacheOBJ TEXT, "
               "ECacheState INTEGER)");
    synced.Run("INSERT INTO ECacheObjects VALUES ('a', '', 'BEGIN:VCARD\nFN:Sam Synced\nEND:VCARD\n', 0), "
               "('b', '', 'BEGIN:VCARD\nFN:Dora Deleted\nEND:VCARD\n', 3), "
               "('c', '', 'BEGIN:VCARD\nFN:Cid Created\nEND:VCARD\n', 1), "
               "('d', '', 'BEGIN:VCARD\nFN:Nell Nostate\nEND:VCARD\n', NULL)");
    TTestDatabase(home.Path() / "other.db").Run("CREATE TABLE notes (text TEXT)");

    const TContacts contacts = LoadContacts({home.Path() / "backup.bin", home.Path() / "other.db"});
    EXPECT_EQ(Names(contacts), (std::vector<std::string>{"Cid Created", "Nell Nostate", "Sam Synced"}));
    ASSERT_EQ(contacts.Stores.size(), 2u);
    EXPECT_EQ(contacts.Stores[0].Location.Kind, "unknown");
    EXPECT_EQ(contacts.Stores[0].Skipped, "a database of no known address book");
    EXPECT_EQ(contacts.Stores[1].Location.Kind, "evolution");
    EXPECT_EQ(contacts.Stores[1].Contacts, 3u);
}

TEST(EvolutionStore, ALargeBookGivesEveryRowAndTheFirstOfAUidWins)
{
    TPrivateHome home;
    TTestDatabase book(LocalBook(home, "system"));
    book.Run(kLocalSchema);
    book.Run("BEGIN");
    for (int i = 0; i < 4000; ++i)
        AddCard(book, std::string("u").append(std::to_string(i)), std::string("Person ").append(std::to_string(i)),
                std::string("NOTE:").append(200, 'n') + "\r\n");
    // Rows are parsed in parts and on two threads; the row order still decides which card of a UID is kept.
    book.Run("INSERT INTO folder_id (uid, vcard) VALUES ('again', 'BEGIN:VCARD\r\nUID:u7\r\nFN:Later\r\nEND:VCARD')");
    book.Run("COMMIT");
    const TContacts contacts = LoadContacts({});
    ASSERT_EQ(contacts.Cards.size(), 4000u);
    EXPECT_EQ(contacts.Stores[0].Contacts, 4001u);
    EXPECT_EQ(std::count_if(contacts.Cards.begin(), contacts.Cards.end(),
                            [](const auto& card) { return card.Name == "Later"; }),
              0);
}

TEST(EvolutionStore, BrokenBooksAreSkippedWithAReasonAndTheOthersRead)
{
    TPrivateHome home;
    for (const char* uid : {"truncated", "empty", "text", "tableless", "latin1", "good"})
        WriteSource(home, uid, "[Address Book]\nBackendName=local\n");
    {
        TTestDatabase good(LocalBook(home, "good"));
        good.Run(kLocalSchema);
        AddCard(good, "g1", "Gil Good");
        TTestDatabase(LocalBook(home, "tableless")).Run("CREATE TABLE keys (key TEXT)");
        TTestDatabase latin1(LocalBook(home, "latin1"));
        latin1.Run(kLocalSchema);
        latin1.Run("INSERT INTO folder_id (uid, vcard) VALUES ('l', CAST(X'424547494E3A56434152440A464E3A52E96D790A"
                   "454E443A56434152440A' AS TEXT))");
        latin1.Run("INSERT INTO folder_id (uid, vcard) VALUES ('n', NULL)");
        TTestDatabase truncated(LocalBook(home, "truncated"));
        truncated.Run(kLocalSchema);
        for (int i = 0; i < 200; ++i)
            AddCard(truncated, std::string("t").append(std::to_string(i)), "Tom Truncated",
                    std::string("NOTE:").append(400, 'x') + "\r\n");
    }
    fs::resize_file(LocalBook(home, "truncated"), 8192);
    home.Write(".local/share/evolution/addressbook/empty/contacts.db", "");
    home.Write(".local/share/evolution/addressbook/text/contacts.db", std::string(4096, 'x'));
    const auto before = Files(home.Path() / ".local/share/evolution");

    const TContacts contacts = LoadContacts({});
    // The Latin-1 card is read as the vCard reader reads 8-bit text without a character set.
    EXPECT_EQ(Names(contacts), (std::vector<std::string>{"Gil Good", "Rémy"}));
    const auto reasons = Reasons(contacts, home.Path() / ".local/share/evolution/addressbook");
    EXPECT_EQ(reasons.at("truncated/contacts.db"), "damaged database");
    EXPECT_EQ(reasons.at("empty/contacts.db"), "no table folder_id or ECacheObjects");
    EXPECT_EQ(reasons.at("text/contacts.db"), "not a database");
    EXPECT_EQ(reasons.at("tableless/contacts.db"), "no table folder_id or ECacheObjects");
    EXPECT_EQ(reasons.at("latin1/contacts.db"), "");
    EXPECT_EQ(Files(home.Path() / ".local/share/evolution"), before);
}

TEST(EvolutionStore, AReaderWaitsOutAnOwnersShortWriteButNotALockHeldForGood)
{
    TPrivateHome home;
    TTestDatabase owner(LocalBook(home, "system"));
    owner.Run(kLocalSchema);
    AddCard(owner, "a", "Ann");

    // One of Evolution's writes: the lock goes after half a second.
    std::promise<void> locked;
    std::thread writer([&] {
        TTestDatabase briefly(LocalBook(home, "system"));
        briefly.Run("BEGIN EXCLUSIVE");
        AddCard(briefly, "b", "Bo");
        locked.set_value();
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
        briefly.Run("COMMIT");
    });
    locked.get_future().wait();
    const TContacts waited = LoadContacts({});
    writer.join();
    EXPECT_EQ(Names(waited), (std::vector<std::string>{"Ann", "Bo"}));
    ASSERT_EQ(waited.Stores.size(), 1u);
    EXPECT_EQ(waited.Stores[0].Skipped, "");

    owner.Run("BEGIN EXCLUSIVE");
    AddCard(owner, "c", "Cy");
    const TContacts contacts = LoadContacts({});
    EXPECT_TRUE(contacts.Cards.empty());
    ASSERT_EQ(contacts.Stores.size(), 1u);
    EXPECT_EQ(contacts.Stores[0].Skipped, "still locked by its owner");
    owner.Run("COMMIT");
}

TEST(EvolutionStore, AnOwnerThatDiedInsideAWriteLeavesItsBookSkippedAndUntouched)
{
    TPrivateHome home;
    const fs::path book = LocalBook(home, "system");
    {
        TTestDatabase owner(book);
        owner.Run(kLocalSchema);
        owner.Run("BEGIN");
        for (int i = 0; i < 200; ++i)
            AddCard(owner, std::string("u").append(std::to_string(i)), std::string("Person ").append(std::to_string(i)),
                    "NOTE:" + std::string(400, 'n') + "\r\n");
        owner.Run("COMMIT");
    }
    // The owner's cache is too small for its change, so part of it is already in the book when it dies; the old
    // pages wait in the journal for the owner to roll them back.
    const pid_t child = ::fork();
    if (child == 0) {
        sqlite3* owner = nullptr;
        sqlite3_open(book.c_str(), &owner);
        sqlite3_exec(owner, "PRAGMA cache_size=2; BEGIN; UPDATE folder_id SET vcard = replace(vcard, 'n', 'm')",
                     nullptr, nullptr, nullptr);
        ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(fs::exists(book.string() + "-journal"));
    const auto before = Files(book.parent_path());

    const TContacts contacts = LoadContacts({});
    EXPECT_TRUE(contacts.Cards.empty());
    ASSERT_EQ(contacts.Stores.size(), 1u);
    EXPECT_EQ(contacts.Stores[0].Skipped, "an unfinished write of its owner is pending");
    EXPECT_EQ(Files(book.parent_path()), before);
}

TEST(EvolutionStore, ADamagedBookGivesNoneOfItsCardsNotEvenThoseBeforeTheDamage)
{
    TPrivateHome home;
    const fs::path book = LocalBook(home, "system");
    {
        TTestDatabase owner(book);
        owner.Run(kLocalSchema);
        owner.Run("BEGIN");
        for (int i = 0; i < 2000; ++i)
            AddCard(owner, std::string("u").append(std::to_string(i)),
                    i == 1000 ? "Middle Row" : std::string("Person ").append(std::to_string(i)));
        owner.Run("COMMIT");
    }
    std::string bytes = Bytes(book);
    const std::size_t pageSize = (static_cast<unsigned char>(bytes[16]) << 8) | static_cast<unsigned char>(bytes[17]);
    const std::size_t page = bytes.find("Middle Row") / pageSize * pageSize;
    ASSERT_LT(page, bytes.size());
    std::fill_n(bytes.begin() + static_cast<std::ptrdiff_t>(page), pageSize, '\xFF');
    std::ofstream(book, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));

    const TContacts contacts = LoadContacts({});
    EXPECT_TRUE(contacts.Cards.empty());
    ASSERT_EQ(contacts.Stores.size(), 1u);
    EXPECT_EQ(contacts.Stores[0].Contacts, 0u);
    EXPECT_EQ(contacts.Stores[0].Skipped, "damaged database");
}

TEST(EvolutionStore, AWalBookIsReadWithoutCreatingAnythingBesideIt)
{
    TPrivateHome home;
    const fs::path book = LocalBook(home, "system");
    {
        TTestDatabase owner(book);
        owner.Run("PRAGMA journal_mode=WAL");
        owner.Run(kLocalSchema);
        AddCard(owner, "a", "Ann");
        // While the owner runs, its latest writes sit in the -wal beside the database.
        owner.Run("PRAGMA wal_autocheckpoint=0");
        AddCard(owner, "b", "Bo");
        const auto running = Files(book.parent_path());
        ASSERT_EQ(running.size(), 3u);
        EXPECT_EQ(Names(LoadContacts({})), (std::vector<std::string>{"Ann", "Bo"}));
        EXPECT_EQ(Files(book.parent_path()), running);
    }
    // The owner has gone and taken its -wal and -shm: a reader in place would create both again.
    const auto closed = Files(book.parent_path());
    ASSERT_EQ(closed.size(), 1u);
    EXPECT_EQ(Names(LoadContacts({})), (std::vector<std::string>{"Ann", "Bo"}));
    EXPECT_EQ(Files(book.parent_path()), closed);
}

} // namespace
