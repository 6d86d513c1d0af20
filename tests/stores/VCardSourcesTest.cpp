#include "VCardSources.h"

#include "ContactStores.h"
#include "VCardParser.h"

#include "TPrivateHome.h"
#include "TempFolder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using namespace VCard;
namespace fs = std::filesystem;

std::vector<std::string> Relative(const std::vector<fs::path>& files, const fs::path& base)
{
    std::vector<std::string> names;
    for (const auto& file : files)
        names.push_back(file.lexically_relative(base).string());
    return names;
}

std::vector<std::string> Names(const std::vector<TVCard>& cards)
{
    std::vector<std::string> names;
    for (const auto& card : cards)
        names.push_back(card.Name);
    return names;
}

TEST(VCardSources, FoldersGiveEveryVcfBelowThemInSortedPathOrder)
{
    TTempFolder folder;
    for (const char* name : {"b.vcf", "a.vcf", "a/c.vcf", "a-z.vcf", "notes.txt", "Z.VCF", "deep/er/x.vcf", "vcf"})
        folder.Write(name, OneCard(name));
    EXPECT_EQ(Relative(CollectVCardFiles({folder.Path()}), folder.Path()),
              (std::vector<std::string>{"Z.VCF", "a-z.vcf", "a.vcf", "a/c.vcf", "b.vcf", "deep/er/x.vcf"}));
}

TEST(VCardSources, NamedFilesAreTakenInTheGivenOrderWhateverTheirName)
{
    TTempFolder folder;
    const auto second = folder.Write("2.vcf", OneCard("Two"));
    const auto first = folder.Write("contacts.txt", OneCard("One"));
    EXPECT_EQ(Names(LoadVCards({first, second})), (std::vector<std::string>{"One", "Two"}));
}

TEST(VCardSources, LinksAreFollowedLoopsEndAndNoFileIsReadTwice)
{
    TTempFolder folder;
    folder.Write("book/a.vcf", OneCard("Ann"));
    folder.Write("other/b.vcf", OneCard("Bo"));
    fs::create_directory_symlink(folder.Path() / "book", folder.Path() / "book" / "loop");
    fs::create_directory_symlink(folder.Path() / "other", folder.Path() / "book" / "linked");
    fs::create_symlink(folder.Path() / "book" / "a.vcf", folder.Path() / "book" / "z-again.vcf");
    fs::create_symlink(folder.Path() / "gone.vcf", folder.Path() / "book" / "dangling.vcf");

    EXPECT_EQ(Relative(CollectVCardFiles({folder.Path() / "book"}), folder.Path()),
              (std::vector<std::string>{"book/a.vcf", "book/linked/b.vcf"}));
}

TEST(VCardSources, SeveralLinksBackToTheRootAndBetweenSiblingsAreWalkedOnce)
{
    // Without the guard on folders already entered, every extra link back doubles the walk (2^40 paths before the
    // kernel's link limit stops one): the walk must end at once and read each file once.
    TTempFolder folder;
    const fs::path root = folder.Path() / "book";
    folder.Write("book/a.vcf", OneCard("Ann"));
    folder.Write("book/left/l.vcf", OneCard("Lee"));
    folder.Write("book/right/r.vcf", OneCard("Ray"));
    for (const char* back : {"up1", "up2", "left/up3", "right/up4"})
        fs::create_directory_symlink(root, root / back);
    fs::create_directory_symlink(root / "right", root / "left" / "to-right");
    fs::create_directory_symlink(root / "left", root / "right" / "to-left");

    const std::vector<std::string> expected = {"book/a.vcf", "book/left/l.vcf", "book/right/r.vcf"};
    const auto walk = [&] {
        ::alarm(10);
        std::exit(Relative(CollectVCardFiles({root}), folder.Path()) == expected ? 0 : 1);
    };
    EXPECT_EXIT(walk(), ::testing::ExitedWithCode(0), "");
}

TEST(VCardSources, AMissingFolderIsAnEmptyAddressBook)
{
    TTempFolder folder;
    EXPECT_TRUE(CollectVCardFiles({folder.Path() / "nothing-here"}).empty());
    EXPECT_TRUE(LoadVCards({folder.Path() / "nothing-here", fs::path()}).empty());
    EXPECT_FALSE(fs::exists(folder.Path() / "nothing-here"));
}

TEST(VCardSources, UnreadableFilesAreSkippedAndTheRestIsRead)
{
    TTempFolder folder;
    folder.Write("1.vcf", OneCard("One"));
    const auto locked = folder.Write("2.vcf", OneCard("Locked"));
    ::chmod(locked.c_str(), 0);
    ASSERT_EQ(::mkfifo((folder.Path() / "3.vcf").c_str(), 0600), 0);
    folder.Write("4.vcf", OneCard("Four"));

    std::string bytes;
    EXPECT_FALSE(ReadVCardFile(folder.Path() / "3.vcf", bytes));
    EXPECT_FALSE(ReadVCardFile(folder.Path() / "none.vcf", bytes));
    EXPECT_FALSE(ReadVCardFile(folder.Path(), bytes));
    const auto names = Names(LoadVCards({folder.Path()}));
    // root reads a mode-0 file anyway; everyone else skips it.
    if (::geteuid() == 0)
        EXPECT_EQ(names, (std::vector<std::string>{"One", "Locked", "Four"}));
    else
        EXPECT_EQ(names, (std::vector<std::string>{"One", "Four"}));
}

TEST(VCardSources, ACardWhoseUidWasSeenBeforeIsDropped)
{
    TTempFolder folder;
    folder.Write("a.vcf", OneCard("First", "uid-1") + OneCard("No uid") + OneCard("Other", "uid-2"));
    folder.Write("b.vcf", OneCard("Copy", "uid-1") + OneCard("No uid either") + OneCard("Again", "uid-2"));
    EXPECT_EQ(Names(LoadVCards({folder.Path()})),
              (std::vector<std::string>{"First", "No uid", "Other", "No uid either"}));
}

TEST(VCardSources, ALargeFileReadsLikeItsWholeText)
{
    // Large enough to be read in several parts, with one card larger than a part.
    std::string text;
    for (int i = 0; i < 40000; ++i)
        text += OneCard(std::string("Card ").append(std::to_string(i)));
    text.insert(text.size() / 2, "BEGIN:VCARD\nFN:Big\nNOTE:" + std::string(3 << 20, 'x') + "\nEND:VCARD\n");
    TTempFolder folder;
    const fs::path file = folder.Write("large.vcf", text);
    EXPECT_EQ(Names(LoadVCards({file})), Names(ParseVCards(text)));
}

TEST(VCardSources, TheDefaultFolderFollowsTheDataHomeRules)
{
    const char* savedData = std::getenv("XDG_DATA_HOME");
    const std::string saved = savedData ? savedData : "";
    const std::string savedHome = std::getenv("HOME") ? std::getenv("HOME") : "";
    ::setenv("XDG_DATA_HOME", "/data/home", 1);
    EXPECT_EQ(DefaultContactsFolder(), fs::path("/data/home/contacts"));
    ::setenv("XDG_DATA_HOME", "relative/ignored", 1);
    ::setenv("HOME", "/home/ann", 1);
    EXPECT_EQ(DefaultContactsFolder(), fs::path("/home/ann/.local/share/contacts"));
    ::setenv("HOME", savedHome.c_str(), 1);
    if (savedData)
        ::setenv("XDG_DATA_HOME", saved.c_str(), 1);
    else
        ::unsetenv("XDG_DATA_HOME");
}

// Each store as "kind path contacts status", the path below the home folder.
std::vector<std::string> StoreLines(const Stores::TContacts& contacts, const fs::path& home)
{
    std::vector<std::string> lines;
    for (const auto& store : contacts.Stores)
        lines.push_back(store.Location.Kind + " " + store.Location.Path.lexically_relative(home).string() + " " +
                        std::to_string(store.Contacts) + " " +
                        (!store.Skipped.empty()         ? store.Skipped
                         : store.Location.Note.empty() ? std::string("ok")
                                                       : store.Location.Note));
    return lines;
}

TEST(VCardStores, ToolsConfiguredInTheirOtherPlacesAreFound)
{
    TPrivateHome home;
    // The base directory rules ignore a relative value: KDE's resources are still in ~/.config.
    home.Set("XDG_CONFIG_HOME", "relative/config");
    home.Write(".config/akonadi_contacts_resource_0rc", "[General]\nPath=~/kde\n");
    home.Write("kde/k.vcf", OneCard("Kay"));
    home.Write(".vdirsyncer/config",
               "[storage contacts]\ntype = \"filesystem\"\npath = \"~/vdir\"\nfileext = \".VCF\"\n");
    home.Write("vdir/default/v.VCF", OneCard("Vic"));
    EXPECT_EQ(StoreLines(Stores::LoadContacts({}), home.Path()),
              (std::vector<std::string>{"vcard-folder kde 1 ok", "vcard-folder vdir 1 ok"}));
}

TEST(VCardStores, AFolderReachedThroughTwoStoresIsReadOnce)
{
    TPrivateHome home;
    home.Write(".local/share/contacts/a.vcf", OneCard("Ann"));
    // No UID and no birthday: nothing but the reading itself keeps this card from coming twice.
    home.Write(".local/share/contacts/sub/s.vcf",
               "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Sue Sub\r\nANNIVERSARY:20000101\r\nEND:VCARD\r\n");
    home.Write(".config/akonadi_contacts_resource_0rc", "[General]\nPath=~/.local/share/contacts/sub\n");
    const Stores::TContacts contacts = Stores::LoadContacts({});
    EXPECT_EQ(StoreLines(contacts, home.Path()),
              (std::vector<std::string>{"vcard-folder .local/share/contacts 2 ok",
                                        "vcard-folder .local/share/contacts/sub 0 ok"}));
    EXPECT_EQ(std::count_if(contacts.Cards.begin(), contacts.Cards.end(),
                            [](const auto& card) { return card.Name == "Sue Sub"; }),
              1);
}

TEST(VCardStores, AFileOverTheSizeLimitIsLeftOutOfItsFolderAndSkippedWhenNamed)
{
    TPrivateHome home;
    const fs::path big = home.Write(".local/share/contacts/big.vcf", OneCard("Big"));
    fs::resize_file(big, std::uintmax_t{257} << 20); // sparse: no room taken on the disk
    home.Write(".local/share/contacts/small.vcf", OneCard("Small"));
    const std::pair<std::vector<fs::path>, std::string> cases[] = {
        // The folder says that it is not whole: a calendar made from it would lose the big file's events.
        {{}, "vcard-folder .local/share/contacts 1 partly read, 1 file cannot be read (too large)"},
        {{big}, "vcard-file .local/share/contacts/big.vcf 0 cannot be read"},
    };
    for (const auto& [sources, line] : cases)
        EXPECT_EQ(StoreLines(Stores::LoadContacts(sources), home.Path()), std::vector<std::string>{line});
}

} // namespace
