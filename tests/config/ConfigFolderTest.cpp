#include "ConfigFolder.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include <pwd.h>
#include <unistd.h>

namespace {

// The folder for an environment of only these variables.
std::string FolderFor(const std::map<std::string, std::string>& variables)
{
    return ConfigFolder([&](const char* name) -> const char* {
        const auto found = variables.find(name);
        return found == variables.end() ? nullptr : found->second.c_str();
    });
}

} // namespace

// The same cases as the launcher's test: both must name one folder.
TEST(ConfigFolder, FollowsTheBaseDirectoryRulesAsTheLauncherDoes)
{
    EXPECT_EQ(FolderFor({{"XDG_CONFIG_HOME", "/x/cfg"}, {"HOME", "/home/u"}}), "/x/cfg/nelvora");
    EXPECT_EQ(FolderFor({{"XDG_CONFIG_HOME", "cfg"}, {"HOME", "/home/u"}}), "/home/u/.config/nelvora");
    EXPECT_EQ(FolderFor({{"XDG_CONFIG_HOME", ""}, {"HOME", "/home/u"}}), "/home/u/.config/nelvora");
    EXPECT_EQ(FolderFor({{"HOME", "/home/u/"}}), "/home/u/.config/nelvora");
    EXPECT_EQ(FolderFor({{"HOME", "/"}}), "/.config/nelvora");

    // Without HOME, the account's own home folder.
    const passwd* account = ::getpwuid(::getuid());
    ASSERT_NE(account, nullptr);
    const std::string home = account->pw_dir;
    const std::string expected = home == "/" ? "/.config/nelvora" : home + "/.config/nelvora";
    EXPECT_EQ(FolderFor({}), expected);
    EXPECT_EQ(FolderFor({{"HOME", ""}}), expected);
}
