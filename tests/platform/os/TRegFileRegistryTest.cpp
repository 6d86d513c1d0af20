#include "TRegFileRegistry.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

constexpr const char* WabKey = "Software\\Microsoft\\WAB\\DLLPath";

std::optional<std::string> DefaultOf(const std::string& text, const std::string& key = WabKey)
{
    const auto keys = TRegFileRegistry::Parse(text);
    if (!keys)
        return "<malformed>";
    // Keys are kept lower-cased: the registry ignores case.
    std::string lower = key;
    for (char& c : lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    const auto found = keys->find(lower);
    if (found == keys->end())
        return "<no key>";
    return found->second;
}

TEST(TRegFileRegistryTest, ReadsDefaultValuesWithTheirEscapes)
{
    const std::string text = "Windows Registry Editor Version 5.00\r\n"
                             "\r\n"
                             "; the address book\r\n"
                             "[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\WAB\\DLLPath]\r\n"
                             "@=\"C:\\\\Program Files\\\\\\\"Common\\\"\\\\wab32.dll\"\r\n"
                             "\"Other\"=\"x\"\r\n";
    EXPECT_EQ(DefaultOf(text, "software\\microsoft\\wab\\dllpath"), "C:\\Program Files\\\"Common\"\\wab32.dll");
}

TEST(TRegFileRegistryTest, TellsAKeyWithoutDefaultFromAMissingKey)
{
    EXPECT_EQ(DefaultOf("[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\WAB\\DLLPath]\n\"Name\"=\"v\"\n"), std::nullopt);
    EXPECT_EQ(DefaultOf("[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\WAB]\n@=\"v\"\n"), "<no key>");
    // Other roots are not HKEY_LOCAL_MACHINE.
    EXPECT_EQ(DefaultOf("[HKEY_CURRENT_USER\\Software\\Microsoft\\WAB\\DLLPath]\n@=\"v\"\n"), "<no key>");
    // Typed data is no string to use.
    EXPECT_EQ(DefaultOf("[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\WAB\\DLLPath]\n"
                        "@=hex(2):25,00,41,00,\\\n  00,00\n"),
              std::nullopt);
}

TEST(TRegFileRegistryTest, LaterLinesWinAndRemovalsApply)
{
    const std::string key = "[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\WAB\\DLLPath]\n";
    EXPECT_EQ(DefaultOf(key + "@=\"a\"\n" + key + "@=\"b\"\n"), "b");
    EXPECT_EQ(DefaultOf(key + "@=\"a\"\n@=-\n"), std::nullopt);
    EXPECT_EQ(DefaultOf(key + "@=\"a\"\n[-HKEY_LOCAL_MACHINE\\Software\\Microsoft]\n"), "<no key>");
}

TEST(TRegFileRegistryTest, ReadsRegeditsUtf16Export)
{
    const std::string utf8 = "Windows Registry Editor Version 5.00\r\n\r\n"
                             "[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\WAB\\DLLPath]\r\n@=\"/opt/w\xC3\xA4"
                             "b/\xF0\x9F\x93\x87.so\"\r\n";
    std::string utf16 = "\xFF\xFE";
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        if (utf8.compare(i, 2, "\xC3\xA4") == 0) {
            utf16 += std::string("\xE4\x00", 2);
            ++i;
        } else if (utf8.compare(i, 4, "\xF0\x9F\x93\x87") == 0) {
            utf16 += std::string("\x3D\xD8\xC7\xDC", 4); // U+1F4C7 as a surrogate pair
            i += 3;
        } else {
            utf16 += utf8[i];
            utf16 += '\0';
        }
    }
    EXPECT_EQ(DefaultOf(utf16), "/opt/w\xC3\xA4"
                                "b/\xF0\x9F\x93\x87.so");
    EXPECT_EQ(DefaultOf("\xEF\xBB\xBF" + utf8), "/opt/w\xC3\xA4"
                                                "b/\xF0\x9F\x93\x87.so");
    EXPECT_EQ(DefaultOf(utf16.substr(0, utf16.size() - 1)), "<malformed>");
}

TEST(TRegFileRegistryTest, AMalformedFileHoldsNoKeys)
{
    const std::string key = "[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\WAB\\DLLPath]\n";
    for (const std::string& bad : {
             key + "@=\"unterminated\n",
             key + "@=\"single \\ backslash\"\n",
             key + "@=\"trailing\" junk\n",
             key + "@\n",
             key + "@=\n",
             key + "@=plain\n",
             key + "garbage line\n",
             "@=\"before any key\"\n" + key,
             "[HKEY_LOCAL_MACHINE\\Software\n" + key + "@=\"a\"\n",
             "[]\n" + key + "@=\"a\"\n",
             std::string("\xFF\xFE\x00\xD8", 4),
         })
        EXPECT_EQ(DefaultOf(bad), "<malformed>") << bad;
}

TEST(TRegFileRegistryTest, SurvivesArbitraryBytes)
{
    std::string text;
    unsigned state = 12345;
    for (int round = 0; round < 2000; ++round) {
        state = state * 1103515245 + 12345;
        const char pieces[][12] = {"[", "]", "\\", "\"", "@", "=", "-", "\n", "\r", "HKEY_", "\xFF\xFE", "x"};
        text += pieces[(state >> 16) % 12];
        (void)TRegFileRegistry::Parse(text);
    }
}

class TRegFileRegistryFileTest : public testing::Test
{
protected:
    void SetUp() override
    {
        path = std::filesystem::path(testing::TempDir()) /
               ("nelvora-" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()) + ".reg");
    }
    void TearDown() override { std::filesystem::remove(path); }

    std::filesystem::path path;
};

TEST_F(TRegFileRegistryFileTest, ReadsTheFileAtEveryQuery)
{
    TRegFileRegistry registry(path.string());
    EXPECT_EQ(registry.ReadDefaultValue(WabKey), std::nullopt); // no file: no keys

    std::ofstream(path)
        << "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\WAB\\DLLPath\\]\n@=\"/usr/lib/w.so\"\n";
    EXPECT_EQ(registry.ReadDefaultValue(WabKey), "/usr/lib/w.so");
    EXPECT_EQ(registry.ReadDefaultValue("Software\\Microsoft\\WAB"), std::nullopt);

    std::ofstream(path) << "[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\WAB\\DLLPath]\n@=\"/usr/lib/w.so\n";
    EXPECT_EQ(registry.ReadDefaultValue(WabKey), std::nullopt);
}

TEST_F(TRegFileRegistryFileTest, ADirectoryInsteadOfAFileHoldsNoKeys)
{
    TRegFileRegistry registry(testing::TempDir());
    EXPECT_EQ(registry.ReadDefaultValue(WabKey), std::nullopt);
}

TEST(TRegFileRegistryDefaultTest, UsesTheSystemFile)
{
    EXPECT_STREQ(TRegFileRegistry::DefaultPath, "/etc/nelvora/registry.reg");
}

} // namespace
