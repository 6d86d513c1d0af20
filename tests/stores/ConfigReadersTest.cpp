#include "ConfigFile.h"
#include "KhardConfig.h"
#include "TKeyFile.h"
#include "TStoreEnvironment.h"
#include "VdirsyncerConfig.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

namespace {

using namespace Stores;

TEST(ConfigReaders, KeyFilesTakeKdeFlagsEscapesAndTheLastValue)
{
    const TKeyFile file("# comment\n[General]\nPath[$e]=$HOME/My\\sContacts\nName[de]=Kontakte\n"
                        "[Other]\nPath=/elsewhere\n[General]\r\nReadOnly = true\r\nReadOnly=false\n");
    EXPECT_TRUE(file.HasGroup("Other"));
    EXPECT_EQ(file.Value("General", "Path"), "$HOME/My Contacts");
    EXPECT_EQ(file.Value("General", "ReadOnly"), "false");
    EXPECT_FALSE(file.Value("General", "Name"));
    EXPECT_FALSE(file.Value("Missing", "Path"));
}

TEST(ConfigReaders, LinesWithANulByteAndVeryLongLinesDoNoHarm)
{
    std::string text = "[General]\nPath=/a\0b\nKey=";
    text.push_back('\0');
    text += "\n" + std::string(1 << 20, 'x') + "\nPath=/fine\n";
    EXPECT_EQ(TKeyFile(text).Value("General", "Path"), "/fine");
    EXPECT_TRUE(ParseVdirsyncerConfig(text).empty());
    EXPECT_TRUE(ParseKhardConfig(text).empty());
}

TEST(ConfigReaders, VdirsyncerValuesAreJsonStrings)
{
    const auto storages = ParseVdirsyncerConfig("[storage a]\ntype = \"filesystem\"\npath = \"~/a\\u00e9\\\"b\"\n"
                                                "fileext = \".vcf\"\n[storage b]\ntype = filesystem\npath = null\n"
                                                "[pair a_b]\npath = \"~/no\"\n");
    ASSERT_EQ(storages.size(), 2u);
    EXPECT_EQ(storages[0].Path, "~/a\xc3\xa9\"b");
    EXPECT_EQ(storages[0].FileExt, ".vcf");
    EXPECT_EQ(storages[1].Type, "");
    EXPECT_EQ(storages[1].Path, "");
    EXPECT_EQ(JsonString("\"\\ud83d\\ude00x\""), "\xF0\x9F\x98\x80x");
    EXPECT_FALSE(JsonString("\"\\u0000\""));
    EXPECT_FALSE(JsonString("\"\\ud800\""));
    EXPECT_FALSE(JsonString(std::string("\"a\0b\"", 5)));
}

TEST(ConfigReaders, KhardBooksAreTheSubsectionsOfAddressbooks)
{
    const auto books = ParseKhardConfig("[general]\n[[nested]]\npath = /not/a/book\n[addressbooks]\n[[home]]\n"
                                        "path = '~/c # d'  # comment\n[[nopath]]\n[[dav]]\npath=~/dav/*\n"
                                        "type = discover\n[[bare]]\npath = ~/books/a  # mine\n"
                                        "[contact table]\npath = /no\n");
    ASSERT_EQ(books.size(), 3u);
    EXPECT_EQ(books[0].Name, "home");
    EXPECT_EQ(books[0].Path, "~/c # d");
    EXPECT_FALSE(books[0].Discover);
    EXPECT_EQ(books[1].Path, "~/dav/*");
    EXPECT_TRUE(books[1].Discover);
    EXPECT_EQ(books[2].Path, "~/books/a");
}

TEST(ConfigReaders, PathsFromConfigurationFilesAreExpandedAgainstTheHomeFolder)
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

TEST(ConfigReaders, OnlyRegularFilesOfAReasonableSizeAreRead)
{
    TTempFolder folder;
    std::string bytes;
    EXPECT_TRUE(ReadConfigFile(folder.Write("ok", "[a]\n"), bytes));
    EXPECT_EQ(bytes, "[a]\n");
    EXPECT_FALSE(ReadConfigFile("/dev/zero", bytes));
    EXPECT_FALSE(ReadConfigFile(folder.Write("huge", std::string(5 << 20, '#')), bytes));
    EXPECT_TRUE(bytes.empty());
}

} // namespace
