#include "TStoreEnvironment.h"

#include <gtest/gtest.h>

namespace {

using namespace Stores;

TEST(StoreEnvironment, PathsFromConfigurationFilesAreExpandedAgainstTheHomeFolder)
{
    TStoreEnvironment environment;
    environment.Home = "/home/u";
    EXPECT_EQ(environment.Expand("~"), "/home/u");
    EXPECT_EQ(environment.Expand("~/a/"), "/home/u/a");
    EXPECT_EQ(environment.Expand("$HOME/a"), "/home/u/a");
    EXPECT_EQ(environment.Expand("${HOME}/a/../b"), "/home/u/b");
    EXPECT_EQ(environment.Expand("file:///home/u/My%20Book.vcf"), "/home/u/My Book.vcf");
    EXPECT_EQ(environment.Expand("file://localhost/home/u/a.vcf"), "/home/u/a.vcf");
    EXPECT_EQ(environment.Expand("file:///home/u/a%20"), "/home/u/a ");
    EXPECT_EQ(environment.Expand("file://server/share"), "");
    EXPECT_EQ(environment.Expand("books"), "/home/u/books");
    EXPECT_EQ(environment.Expand(""), "");
}

} // namespace
