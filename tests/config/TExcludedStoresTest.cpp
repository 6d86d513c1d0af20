#include "TExcludedStores.h"
#include "TExError.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

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
