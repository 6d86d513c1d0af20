#include "BookFolder.h"
#include "AccountList.h"
#include "TCardDavStoreKind.h"
#include "TStoreRun.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <future>
#include <set>
#include <sstream>
#include <thread>

using namespace CardDav;
using Stores::TCardDavState;

namespace {

class TTempFolder final
{
public:
    TTempFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "nelvora-cache-XXXXXX").string();
        EXPECT_NE(::mkdtemp(pattern.data()), nullptr);
        m_path = pattern;
    }
    ~TTempFolder() { std::filesystem::remove_all(m_path); }
    const std::filesystem::path& Path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

std::string Read(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::set<std::string> Names(const std::filesystem::path& folder)
{
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

mode_t Mode(const std::filesystem::path& path)
{
    struct stat info = {};
    ::lstat(path.c_str(), &info);
    return info.st_mode & 07777;
}

ino_t Inode(const std::filesystem::path& path)
{
    struct stat info = {};
    ::lstat(path.c_str(), &info);
    return info.st_ino;
}

TCardDavState State(std::vector<Stores::TCardDavCard> cards, std::string token)
{
    TCardDavState state;
    state.BookUrl = "https://dav.example/alice/family/";
    state.AccountUrl = "https://dav.example/";
    state.User = "alice";
    state.SyncToken = std::move(token);
    state.SyncedAt = 1700000000;
    state.Cards = std::move(cards);
    return state;
}

// Writes a book with the given cards (file name -> text) the way a first sync does.
void WriteFirstBook(const std::filesystem::path& book, const std::vector<std::pair<std::string, std::string>>& cards)
{
    TBookWriter writer(book);
    ASSERT_EQ(writer.Begin(), "");
    std::vector<Stores::TCardDavCard> listed;
    for (const auto& [file, text] : cards) {
        ASSERT_EQ(writer.Put(file, text), "");
        listed.push_back({"/alice/family/" + file, "\"1\"", file});
    }
    ASSERT_EQ(writer.Commit(State(listed, "t1")), "");
}

} // namespace

TEST(BookFolder, ANewBookIsPrivateAndItsStateNamesEveryCard)
{
    TTempFolder temp;
    const auto root = temp.Path() / "carddav";
    const auto book = root / "account" / "book";
    ASSERT_EQ(MakePrivateFolders(root, book.parent_path()), "");
    WriteFirstBook(book,
                   {{"a.vcf", "BEGIN:VCARD\r\nFN:A\r\nEND:VCARD\r\n"}, {"b.vcf", "BEGIN:VCARD\r\nEND:VCARD\r\n"}});

    EXPECT_EQ(Names(book), (std::set<std::string>{"a.vcf", "b.vcf", "state"}));
    EXPECT_EQ(Names(book.parent_path()), std::set<std::string>{"book"}); // no staging folder left
    for (const auto& folder : {root, root / "account", book})
        EXPECT_EQ(Mode(folder), 0700u) << folder;
    for (const char* file : {"a.vcf", "b.vcf", "state"})
        EXPECT_EQ(Mode(book / file), 0600u) << file;
    const auto state = Stores::ParseCardDavState(Read(book / "state"));
    ASSERT_TRUE(state);
    EXPECT_EQ(state->Cards.size(), 2u);
    EXPECT_EQ(state->SyncToken, "t1");
}

TEST(BookFolder, TheNextSyncKeepsUnchangedCardsWithoutCopyingAndDropsRemovedOnes)
{
    TTempFolder temp;
    const auto book = temp.Path() / "book";
    WriteFirstBook(book, {{"a.vcf", "A"}, {"b.vcf", "B"}, {"c.vcf", "C"}});
    const ino_t keptInode = Inode(book / "a.vcf");
    const ino_t oldFolder = Inode(book);

    {
        TBookWriter writer(book);
        ASSERT_EQ(writer.Begin(), "");
        ASSERT_EQ(writer.Keep("a.vcf"), "");
        ASSERT_EQ(writer.Put("b.vcf", "B2"), "");
        ASSERT_EQ(writer.Put("d.vcf", "D"), "");
        ASSERT_EQ(writer.Commit(State({}, "t2")), "");
    }
    EXPECT_EQ(Names(book), (std::set<std::string>{"a.vcf", "b.vcf", "d.vcf", "state"}));
    EXPECT_EQ(Inode(book / "a.vcf"), keptInode);
    EXPECT_NE(Inode(book), oldFolder); // swapped in whole, not edited in place
    EXPECT_EQ(Read(book / "b.vcf"), "B2");
    EXPECT_EQ(Names(temp.Path()), std::set<std::string>{"book"});
}

// On a kernel or file system that cannot swap two folders in one step the book is replaced by two renames: after the
// next sync only the book is in the account's folder, with the new cards; any other failure of the swap leaves the
// old book.
TEST(BookFolder, WhereFoldersCannotBeSwappedTheBookIsStillReplacedWhole)
{
    TTempFolder temp;
    const auto account = temp.Path() / "account";
    const auto book = account / "book";
    ASSERT_EQ(MakePrivateFolders(temp.Path(), account), "");
    WriteFirstBook(book, {{"a.vcf", "A"}, {"b.vcf", "B"}});

    const auto sync = [&book](TFolderExchange exchange, const std::string& card, const std::string& token) {
        TBookWriter writer(book, exchange);
        EXPECT_EQ(writer.Begin(), "");
        EXPECT_EQ(writer.Keep("a.vcf"), "");
        EXPECT_EQ(writer.Put(card, card), "");
        return writer.Commit(
            State({{"/alice/family/a.vcf", "\"1\"", "a.vcf"}, {"/alice/family/" + card, "\"2\"", card}}, token));
    };
    // An old kernel, or a network file system (EINVAL): the book is replaced by two renames.
    const TFolderExchange cannotExchange = [](const char*, const char*) {
        errno = ENOSYS;
        return -1;
    };
    EXPECT_EQ(sync(cannotExchange, "c.vcf", "t2"), "");
    EXPECT_EQ(Names(account), std::set<std::string>{"book"});
    EXPECT_EQ(Names(book), (std::set<std::string>{"a.vcf", "c.vcf", "state"}));
    EXPECT_EQ(Read(book / "c.vcf"), "c.vcf");
    const auto state = Stores::ParseCardDavState(Read(book / "state"));
    ASSERT_TRUE(state);
    EXPECT_EQ(state->SyncToken, "t2");

    const TFolderExchange failing = [](const char*, const char*) {
        errno = EIO;
        return -1;
    };
    EXPECT_NE(sync(failing, "d.vcf", "t3"), "");
    EXPECT_EQ(Names(account), std::set<std::string>{"book"});
    EXPECT_EQ(Names(book), (std::set<std::string>{"a.vcf", "c.vcf", "state"}));
}

// The window reads a book while `nelvora-report --sync` commits its next state: the reading starts again on the new
// book and reports its cards, neither the old ones nor a mixture.
TEST(BookFolder, ABookSwappedInWhileItIsReadIsReadAgainWhole)
{
    TTempFolder temp;
    const auto book = temp.Path() / "account" / "book";
    ASSERT_EQ(MakePrivateFolders(temp.Path(), book.parent_path()), "");
    const auto card = [](const std::string& name) {
        return "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:" + name + "\r\nBDAY:1980-03-14\r\nEND:VCARD\r\n";
    };
    WriteFirstBook(book, {{"a.vcf", card("Anna Old")}, {"b.vcf", card("Bert Old")}});

    Stores::TCardDavStoreKind kind;
    int files = 0;
    kind.SetAfterFileForTests([&] {
        if (files++ != 0)
            return;
        // After the first file: Anna changed on the server, Bert went, Carla came.
        TBookWriter writer(book);
        ASSERT_EQ(writer.Begin(), "");
        ASSERT_EQ(writer.Put("a.vcf", card("Anna New")), "");
        ASSERT_EQ(writer.Put("c.vcf", card("Carla New")), "");
        ASSERT_EQ(writer.Commit(State(
                      {{"/alice/family/a.vcf", "\"2\"", "a.vcf"}, {"/alice/family/c.vcf", "\"1\"", "c.vcf"}}, "t2")),
                  "");
    });
    Stores::TStoreRun run;
    std::vector<VCard::TVCard> cards;
    EXPECT_EQ(kind.Read({"carddav", book, "", "https://dav.example/alice/family/"}, run, cards), "");
    std::set<std::string> names;
    for (const VCard::TVCard& read : cards)
        names.insert(read.Name);
    EXPECT_EQ(names, (std::set<std::string>{"Anna New", "Carla New"}));
    EXPECT_EQ(cards.size(), 2u);
}

TEST(BookFolder, ASyncThatStopsBeforeItsCommitLeavesTheOldBookAsItWas)
{
    TTempFolder temp;
    const auto book = temp.Path() / "book";
    WriteFirstBook(book, {{"a.vcf", "A"}, {"b.vcf", "B"}});
    const std::string oldState = Read(book / "state");
    {
        TBookWriter writer(book);
        ASSERT_EQ(writer.Begin(), "");
        ASSERT_EQ(writer.Put("a.vcf", "A2"), "");
        // Keeping a card the book does not have fails, and the sync gives up.
        EXPECT_NE(writer.Keep("missing.vcf"), "");
    }
    EXPECT_EQ(Names(book), (std::set<std::string>{"a.vcf", "b.vcf", "state"}));
    EXPECT_EQ(Read(book / "a.vcf"), "A");
    EXPECT_EQ(Read(book / "state"), oldState);
    EXPECT_EQ(Names(temp.Path()), std::set<std::string>{"book"});
}

TEST(BookFolder, WhatACrashLeftBehindIsMendedBeforeTheNextSync)
{
    TTempFolder temp;
    // A crash between the two renames of a file system without exchange: the book is aside, the new one gone.
    WriteFirstBook(temp.Path() / "cut.old", {{"a.vcf", "A"}});
    // A crash before a swap: a staging folder beside an intact book.
    WriteFirstBook(temp.Path() / "whole", {{"b.vcf", "B"}});
    WriteFirstBook(temp.Path() / "whole.new-abc123", {{"c.vcf", "C"}});
    // Both the aside copy and the book survived: the book is the newer one.
    WriteFirstBook(temp.Path() / "both", {{"new.vcf", "N"}});
    WriteFirstBook(temp.Path() / "both.old", {{"old.vcf", "O"}});

    RecoverBooks(temp.Path());
    EXPECT_EQ(Names(temp.Path()), (std::set<std::string>{"both", "cut", "whole"}));
    EXPECT_EQ(Names(temp.Path() / "cut"), (std::set<std::string>{"a.vcf", "state"}));
    EXPECT_EQ(Names(temp.Path() / "both"), (std::set<std::string>{"new.vcf", "state"}));
}

TEST(BookFolder, OneWriterAtATimeAcrossTheProgramsThatSync)
{
    TTempFolder temp;
    std::string error;
    auto first = TCacheLock::Take(temp.Path() / "carddav", std::chrono::milliseconds(0), error);
    ASSERT_TRUE(first) << error;
    EXPECT_FALSE(TCacheLock::Take(temp.Path() / "carddav", std::chrono::milliseconds(200), error));
    EXPECT_EQ(error, "another sync is running");
    first.reset();
    EXPECT_TRUE(TCacheLock::Take(temp.Path() / "carddav", std::chrono::milliseconds(0), error)) << error;
}

TEST(BookFolder, StateAndStatusFilesKeepWhatAServerSentWhateverItHolds)
{
    TCardDavState state = State({{"/a b/%20 c\n.vcf", "W/\"x y\"", "k.vcf"}, {"/empty-etag.vcf", "", ""}}, "");
    state.Name = "Family & Friends\tÄ";
    state.CTag = "100%";
    const auto back = Stores::ParseCardDavState(Stores::FormatCardDavState(state));
    ASSERT_TRUE(back);
    EXPECT_EQ(*back, state);

    Stores::TCardDavStatus status;
    status.TriedAt = 42;
    status.Failures[""] = Stores::TSyncFailure::LoginFailed;
    status.Failures["abc"] = Stores::TFailure::Local("cannot write /a b\n\t%: disk full");
    EXPECT_EQ(Stores::ParseCardDavStatus(Stores::FormatCardDavStatus(status)), status);
    EXPECT_EQ(status.FailureOf("abc").Detail, "cannot write /a b\n\t%: disk full");
    EXPECT_EQ(status.FailureOf("other").Code, Stores::TSyncFailure::LoginFailed);

    for (const char* damaged :
         {"", "something else\nbook x\n", "nelvora-carddav-state 1\n",
          "nelvora-carddav-state 1\nbook https://x/\nsynced soon\n",
          "nelvora-carddav-state 1\nbook https://x/\ncard a.vcf\n", "nelvora-carddav-state 1\nbook https://x/%zz\n"})
        EXPECT_FALSE(Stores::ParseCardDavState(damaged)) << damaged;
}

TEST(BookFolder, TwoAccountsAddedAtOnceBothStayAndABusyListIsLeftAsItWas)
{
    TTempFolder temp;
    const auto file = temp.Path() / "nelvora" / "carddav-accounts";
    const TAccount alice{"https://a.example.org/", "alice"};
    const TAccount bob{"https://b.example.org/", "bob"};
    const auto add = [](const TAccount& account) {
        return [account](std::vector<TAccount>& accounts) {
            accounts.push_back(account);
            return true;
        };
    };

    // The window adds alice and is between reading and writing the list when an --add-account of bob starts.
    std::promise<void> reading;
    std::promise<void> write;
    std::shared_future<void> written = write.get_future().share();
    std::thread window([&] {
        EXPECT_EQ(UpdateAccounts(file,
                                 [&](std::vector<TAccount>& accounts) {
                                     reading.set_value();
                                     written.wait();
                                     accounts.push_back(alice);
                                     return true;
                                 }),
                  "");
    });
    reading.get_future().wait();

    // One that cannot wait long enough gives up with a reason and changes nothing.
    bool called = false;
    const std::string busy = UpdateAccounts(
        file, [&](std::vector<TAccount>&) { return called = true; }, std::chrono::milliseconds(50));
    EXPECT_NE(busy.find("another program is changing the account list"), std::string::npos) << busy;
    EXPECT_FALSE(called);

    std::thread command([&] { EXPECT_EQ(UpdateAccounts(file, add(bob)), ""); });
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    write.set_value();
    window.join();
    command.join();

    std::string error;
    EXPECT_EQ(LoadAccounts(file, error), (std::vector<TAccount>{alice, bob}));
    // The lock is on the folder: nothing is left beside the list.
    EXPECT_EQ(
        std::distance(std::filesystem::directory_iterator(file.parent_path()), std::filesystem::directory_iterator()),
        1);
}

TEST(BookFolder, KeysAreStableAndDistinct)
{
    EXPECT_EQ(FolderKey("https://dav.example/alice/family/"), FolderKey("https://dav.example/alice/family/"));
    EXPECT_NE(FolderKey("/alice/family/a.vcf"), FolderKey("/alice/family/b.vcf"));
    EXPECT_EQ(CardFileName("/x.vcf").size(), 20u);
    // Pinned: a changed key would orphan every user's cache.
    EXPECT_EQ(FolderKey(""), "cbf29ce484222325");
}

TEST(BookFolder, TheAccountListKeepsAddressesAndNamesButRefusesWhatWouldBreakIt)
{
    TTempFolder temp;
    const auto file = temp.Path() / "nelvora" / "carddav-accounts";
    std::string error;
    EXPECT_TRUE(LoadAccounts(file, error).empty());
    EXPECT_EQ(error, ""); // no file yet is no error

    const std::vector<TAccount> accounts{{"https://dav.example.org/", "alice"},
                                         {"http://127.0.0.1:5232/", "bob smith"}};
    ASSERT_EQ(SaveAccounts(file, accounts), "");
    EXPECT_EQ(LoadAccounts(file, error), accounts);
    EXPECT_EQ(SecretKey(accounts[1]), "bob smith@http://127.0.0.1:5232/");

    for (const auto& [url, user] : {std::pair<std::string, std::string>{"https://a/", ""},
                                    {"", "alice"},
                                    {"https://a/\nhttps://b/", "alice"},
                                    {"https://a/", "al\tice"}})
        EXPECT_NE(AccountFieldRefusal(url, user), "") << url << "|" << user;

    // Lines without an address or a user name are no accounts.
    {
        std::ofstream edited(file, std::ios::app);
        edited << "\talice\nhttps://c.example.org/\t\n";
    }
    EXPECT_EQ(LoadAccounts(file, error), accounts);

    std::ofstream(file) << "something else\nhttps://evil/\tx\n";
    EXPECT_TRUE(LoadAccounts(file, error).empty());
    EXPECT_NE(error, "");
}
