#include "config/ConfigFile.h"
#include "config/KhardConfig.h"
#include "config/TKeyFile.h"
#include "config/ThunderbirdConfig.h"
#include "config/VdirsyncerConfig.h"

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

TEST(ConfigReaders, AVdirsyncerSinglefilePathGivesEachCollectionsFileAndNothingItsOwnCharactersWouldMatch)
{
    TTempFolder folder;
    const std::string root = folder.Path().string();
    folder.Write("[work]*/home.vcf", "");
    folder.Write("[work]*/family.vcf", "");
    folder.Write("[work]*/notes.txt", "");
    folder.Write("w-other/home.vcf", "");
    EXPECT_EQ(GlobPaths(SinglefilePattern(root + "/[work]*/%s.vcf")),
              (std::vector<std::filesystem::path>{root + "/[work]*/family.vcf", root + "/[work]*/home.vcf"}));
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

TEST(ThunderbirdConfig, PrefsWithOddQuotingAndEscapesNameTheBooksThunderbirdWouldRead)
{
    const std::string prefs = "\xEF\xBB\xBF// Mozilla User Preferences\n"
                              "user_pref('ldap_2.servers.a.filename', 'abook-1.sqlite');\n"
                              "user_pref(\"ldap_2.servers.b.filename\", \"q\\\"u\\\\o'te.sqlite\");\n"
                              "user_pref(\"ldap_2.servers.c.filename\",\n  \"\\u00e9\\x41\\ud83d\\ude00.sqlite\" ) ;\n"
                              "user_pref(\"ldap_2.servers.\\u0064.filename\", \"d.sqlite\");\n"
                              "user_pref(\"ldap_2.servers.k.filename\", \"caf\\xE9.sqlite\");\n"
                              "// user_pref(\"ldap_2.servers.x.filename\", \"line-comment.sqlite\");\n"
                              "# user_pref(\"ldap_2.servers.x.filename\", \"hash-comment.sqlite\");\n"
                              "/* user_pref(\"ldap_2.servers.x.filename\", \"block.sqlite\"); */\n"
                              "user_pref(\"ldap_2.servers.e.filename\" \"no-comma.sqlite\");\n"
                              "user_pref(\"ldap_2.servers.f.filename\", \"../../etc/passwd\");\n"
                              "user_pref(\"ldap_2.servers.g.filename\", \"nul\\x00.sqlite\");\n"
                              "user_pref(\"ldap_2.servers.i.filename\", \"unknown\\q.sqlite\");\n"
                              "user_pref(\"ldap_2.servers.j.filename\", \"\\ud83d-half.sqlite\");\n"
                              "user_pref(\"ldap_2.servers.history.filename\", \"history.sqlite\");\n"
                              "user_pref(\"ldap_2.servers.a.dirType\", -101);\n"
                              "pref(\"ldap_2.servers.h.filename\", \"h.sqlite\", locked, sticky);\n"
                              "user_pref(\"ldap_2.servers.a.filename\", \"abook-9.sqlite\");\n"
                              "user_pref(\"ldap_2.servers.z.filename\", \"unterminated";
    EXPECT_EQ(ThunderbirdBookFiles(prefs), (std::vector<std::string>{"abook-9.sqlite", "q\"u\\o'te.sqlite",
                                                                     "\xC3\xA9"
                                                                     "A\xF0\x9F\x98\x80.sqlite",
                                                                     "d.sqlite", "caf\xC3\xA9.sqlite", "h.sqlite"}));
}

} // namespace
