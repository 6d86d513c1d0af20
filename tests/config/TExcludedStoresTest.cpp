#include "TExcludedStores.h"
#include "TExError.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>

#include <sys/resource.h>

namespace fs = std::filesystem;

namespace {

struct TTempDir
{
    TTempDir()
    {
        std::string pattern = (fs::temp_directory_path() / "nelvora-excluded-XXXXXX").string();
        EXPECT_NE(::mkdtemp(pattern.data()), nullptr);
        Path = pattern;
    }
    ~TTempDir() { fs::remove_all(Path); }
    fs::path Path;
};

} // namespace

TEST(TExcludedStores, ReadsWhatItWroteAndLeavesNothingElseBehind)
{
    const TTempDir dir;
    const std::string file = (dir.Path / TExcludedStores::FileName).string();
    TExcludedStores stores;
    stores.Load(file); // missing: nothing excluded
    EXPECT_TRUE(stores.Paths.empty());

    stores.Paths = {"/home/u/work dir", "/home/u/.thunderbird/p/abook.sqlite"};
    stores.Save(file);
    stores.Paths = {"/home/u/other"};
    stores.Save(file);
    TExcludedStores loaded;
    loaded.Load(file);
    EXPECT_EQ(loaded.Paths, std::vector<std::string>{"/home/u/other"});
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path), fs::directory_iterator()), 1);

    stores.Paths = {"/a\nb"};
    EXPECT_THROW(stores.Save(file), TExError);
    loaded.Load(file);
    EXPECT_EQ(loaded.Paths, std::vector<std::string>{"/home/u/other"}) << "a refused save keeps the old list";
}

TEST(TExcludedStores, ADamagedListIsAnErrorAndExcludesNothing)
{
    const TTempDir dir;
    const std::string file = (dir.Path / TExcludedStores::FileName).string();
    for (const std::string& bytes : {std::string("/ok\nrelative\n"), std::string("/a\r\n"), std::string("/a\0b\n", 5),
                                     std::string(TExcludedStores::MaxFileSize + 1, '/')}) {
        std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
        TExcludedStores stores;
        stores.Paths = {"/left/over"};
        EXPECT_THROW(stores.Load(file), TExError) << bytes.substr(0, 20);
        EXPECT_TRUE(stores.Paths.empty());
    }
    fs::create_directory(dir.Path / "folder");
    TExcludedStores stores;
    EXPECT_THROW(stores.Load((dir.Path / "folder").string()), TExError);
}

TEST(TExcludedStores, SavingWhatLoadingWouldRefuseIsRefused)
{
    const TTempDir dir;
    const std::string file = (dir.Path / TExcludedStores::FileName).string();
    for (const std::string& path : {std::string("/a\tb"), std::string("relative"), std::string("/a\x7f"),
                                    std::string("/a\rb"), std::string("/a\0b", 4)}) {
        std::vector<std::string> parsed;
        std::string why;
        EXPECT_FALSE(TExcludedStores::Parse(path + "\n", parsed, why)) << path;
        TExcludedStores stores;
        stores.Paths = {"/fine", path};
        EXPECT_THROW(stores.Save(file), TExError) << path;
        EXPECT_FALSE(fs::exists(file)) << path;
    }
    // An empty line loads as no line at all: the list would lose a path without a word.
    TExcludedStores empty;
    empty.Paths = {""};
    EXPECT_THROW(empty.Save(file), TExError);

    // Sixteen lines of 64 KiB fill the largest list exactly; one byte more is too large both ways.
    TExcludedStores stores;
    stores.Paths.assign(16, "/" + std::string(64 * 1024 - 2, 'a'));
    stores.Save(file);
    EXPECT_EQ(fs::file_size(file), TExcludedStores::MaxFileSize);
    TExcludedStores loaded;
    loaded.Load(file);
    EXPECT_EQ(loaded.Paths, stores.Paths);
    stores.Paths.back() += 'a';
    EXPECT_THROW(stores.Save(file), TExError);
    loaded.Load(file);
    EXPECT_EQ(loaded.Paths.size(), 16u) << "the refused list left the old one";
}

// Users who keep their settings in a dotfiles repository link the file there.
TEST(TExcludedStores, ASaveWritesThroughALinkKeepsTheModeAndLeavesNothingBehindWhenItFails)
{
    const TTempDir dir;
    fs::create_directory(dir.Path / "dotfiles");
    const fs::path real = dir.Path / "dotfiles" / "excluded-stores";
    std::ofstream(real) << "/old\n";
    fs::permissions(real, fs::perms::owner_read | fs::perms::owner_write);
    const fs::path link = dir.Path / TExcludedStores::FileName;
    fs::create_symlink("dotfiles/excluded-stores", link);
    TExcludedStores stores;
    stores.Paths = {"/home/u/work"};
    stores.Save(link.string());

    // A file size limit fails the next save's write as a full disk would, also for root.
    rlimit old{};
    ::getrlimit(RLIMIT_FSIZE, &old);
    const auto handler = std::signal(SIGXFSZ, SIG_IGN);
    const rlimit small{8, old.rlim_max};
    ::setrlimit(RLIMIT_FSIZE, &small);
    TExcludedStores longer;
    longer.Paths = {"/home/u/a longer path than the limit allows"};
    EXPECT_THROW(longer.Save(link.string()), TExError);
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, handler);

    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(fs::status(real).permissions() & fs::perms::all, fs::perms::owner_read | fs::perms::owner_write);
    TExcludedStores loaded;
    loaded.Load(real.string());
    EXPECT_EQ(loaded.Paths, stores.Paths);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path / "dotfiles"), fs::directory_iterator()), 1)
        << "a temporary file was left";
}

TEST(TExcludedStores, AnOnlineBookIsLeftOutByItsAddress)
{
    const TTempDir dir;
    const std::string file = (dir.Path / TExcludedStores::FileName).string();
    std::ofstream(file, std::ios::binary | std::ios::trunc) << "/home/u/contacts\nhttps://dav.example.org/u/work/\n";
    TExcludedStores stores;
    stores.Load(file);
    EXPECT_EQ(stores.Paths, (std::vector<std::string>{"/home/u/contacts", "https://dav.example.org/u/work/"}));
    std::ofstream(file, std::ios::binary | std::ios::trunc) << "ftp://dav.example.org/\n";
    EXPECT_THROW(stores.Load(file), TExError);
}
