#include "ExcludedStoresChoice.h"
#include "TExcludedStores.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <stdlib.h>

namespace fs = std::filesystem;

TEST(ExcludedStoresChoice, NoFileForAChoiceNeverMadeButAnEarlierChoiceIsUndoneInItsFile)
{
    std::string pattern = (fs::temp_directory_path() / "nelvora-choice-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    const fs::path dir = pattern;
    const std::string file = (dir / TExcludedStores::FileName).string();

    SaveExcludedChoice({}, file);
    EXPECT_FALSE(fs::exists(file)) << "nothing left out, and no list before";

    SaveExcludedChoice({"/home/u/work"}, file);
    TExcludedStores loaded;
    loaded.Load(file);
    EXPECT_EQ(loaded.Paths, std::vector<std::string>{"/home/u/work"});

    SaveExcludedChoice({}, file);
    ASSERT_TRUE(fs::exists(file)) << "taking every book back in is a choice too";
    loaded.Load(file);
    EXPECT_TRUE(loaded.Paths.empty());
    fs::remove_all(dir);
}
