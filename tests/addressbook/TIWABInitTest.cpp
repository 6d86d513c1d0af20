#include "TIWAB.h"

#include "FakePlatform.h"
#include "TDlLibraryLoader.h"
#include "TExError.h"
#include "TRegFileRegistry.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace {

using testing::ElementsAre;

constexpr const char* WabKey = "Software\\Microsoft\\WAB\\DLLPath";

HRESULT AnyWABOpen(IAddrBook**, IWABObject**, WAB_PARAM*, ULONG)
{
    return S_OK;
}

class TIWABInitTest : public testing::Test
{
protected:
    TIWABInitTest() : wab(registry, loader)
    {
        loader.Handle = &library;
        loader.Symbols["WABOpen"] = reinterpret_cast<void*>(&AnyWABOpen);
    }

    std::string InitError()
    {
        try {
            wab.Init();
        } catch (const TExError& error) {
            EXPECT_EQ(error.Id, 0);
            EXPECT_STREQ(error.ClassName, "");
            EXPECT_STREQ(error.MethodName, "Init");
            return error.Log;
        }
        return {};
    }

    int library = 0;
    TFakeRegistry registry;
    TFakeLibraryLoader loader;
    TIWAB wab;
};

TEST_F(TIWABInitTest, StartsUnbound)
{
    EXPECT_EQ(wab.LibraryHandle, nullptr);
    EXPECT_EQ(wab.WABOpenEntry, nullptr);
    EXPECT_EQ(wab.AddressBook.GetCount(), 0);
    EXPECT_TRUE(wab.Sources.empty());
}

TEST_F(TIWABInitTest, WithoutTheKeyLoadsTheBareDefaultName)
{
    EXPECT_EQ(InitError(), "");

    EXPECT_THAT(registry.Asked, ElementsAre(WabKey));
    EXPECT_THAT(loader.Loaded, ElementsAre("libwab32.so"));
    EXPECT_THAT(loader.Looked, ElementsAre("WABOpen"));
    EXPECT_EQ(wab.LibraryHandle, &library);
    EXPECT_EQ(wab.WABOpenEntry, &AnyWABOpen);
}

TEST_F(TIWABInitTest, AKeyWithoutDefaultValueLoadsTheBareDefaultName)
{
    registry.Keys[WabKey] = std::nullopt;
    wab.Init();
    EXPECT_THAT(loader.Loaded, ElementsAre("libwab32.so"));
}

TEST_F(TIWABInitTest, PassesTheStoredPathUnchangedWithoutExpandingVariables)
{
    registry.Keys[WabKey] = "%CommonProgramFiles%/System/wab32.so";
    wab.Init();
    EXPECT_THAT(loader.Loaded, ElementsAre("%CommonProgramFiles%/System/wab32.so"));
}

TEST_F(TIWABInitTest, APathOf259CharactersIsUsedAndOneOf260IsNot)
{
    const std::string fits = "/" + std::string(258, 'a');
    registry.Keys[WabKey] = fits;
    wab.Init();

    TIWAB other(registry, loader);
    registry.Keys[WabKey] = fits + "b";
    other.Init();

    EXPECT_THAT(loader.Loaded, ElementsAre(fits, "libwab32.so"));
}

TEST_F(TIWABInitTest, ALibraryThatDoesNotLoadThrowsWithTheFixedName)
{
    registry.Keys[WabKey] = "/nowhere/wab.so";
    loader.Handle = nullptr;

    EXPECT_EQ(InitError(), ":Init - LoadLibrary failed for WAB.DLL! [id:0]\n");
    EXPECT_EQ(wab.LibraryHandle, nullptr);
    EXPECT_EQ(wab.WABOpenEntry, nullptr);
    EXPECT_TRUE(loader.Looked.empty());
}

TEST_F(TIWABInitTest, AMissingExportThrowsAndLeavesTheLibraryLoaded)
{
    loader.Symbols.clear();

    EXPECT_EQ(InitError(), ":Init - Can't get entry point for WABOpen function! [id:0]\n");
    EXPECT_EQ(wab.LibraryHandle, &library);
    EXPECT_EQ(wab.WABOpenEntry, nullptr);
}

// ---- With the dynamic linker and real modules ----

class TIWABModuleTest : public testing::Test
{
protected:
    void SetUp() override
    {
        directory = std::filesystem::path(testing::TempDir()) /
                    ("nelvora-init-" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::create_directories(directory);
        registryFile = directory / "registry.reg";
    }

    void TearDown() override { std::filesystem::remove_all(directory); }

    void WriteRegistry(const std::string& libraryPath)
    {
        std::ofstream out(registryFile);
        out << "Windows Registry Editor Version 5.00\n\n[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\WAB\\DLLPath]\n@=\"";
        for (char c : libraryPath) {
            if (c == '\\' || c == '"')
                out << '\\';
            out << c;
        }
        out << "\"\n";
    }

    std::filesystem::path directory;
    std::filesystem::path registryFile;
    TDlLibraryLoader loader;
};

TEST_F(TIWABModuleTest, BindsAModuleNamedInTheRegistryFileAndLoadsItsContacts)
{
    WriteRegistry(FAKE_WAB_MODULE);
    TRegFileRegistry registry(registryFile.string());
    TIWAB wab(registry, loader);

    wab.Init();
    wab.Load();

    ASSERT_NE(wab.LibraryHandle, nullptr);
    ASSERT_EQ(wab.AddressBook.GetCount(), 1);
    EXPECT_EQ(wab.AddressBook.GetItem(0)->Name, "Module Contact");
    EXPECT_EQ(wab.AddressBook.GetItem(0)->Birthday, 29358);
}

TEST_F(TIWABModuleTest, FindsABareModuleNameThroughTheProgramsRunPath)
{
    WriteRegistry(std::filesystem::path(FAKE_WAB_MODULE).filename().string());
    TRegFileRegistry registry(registryFile.string());
    TIWAB wab(registry, loader);

    wab.Init();

    EXPECT_NE(wab.WABOpenEntry, nullptr);
}

TEST_F(TIWABModuleTest, AModuleWithoutWABOpenStaysLoaded)
{
    WriteRegistry(FAKE_WAB_MODULE_NO_EXPORT);
    TRegFileRegistry registry(registryFile.string());
    TIWAB wab(registry, loader);

    std::string log;
    try {
        wab.Init();
    } catch (const TExError& error) {
        log = error.Log;
    }

    EXPECT_EQ(log, ":Init - Can't get entry point for WABOpen function! [id:0]\n");
    ASSERT_NE(wab.LibraryHandle, nullptr);
    EXPECT_EQ(wab.WABOpenEntry, nullptr);
    EXPECT_NE(loader.Symbol(wab.LibraryHandle, "WABOpenNotHere"), nullptr); // never closed
}

TEST_F(TIWABModuleTest, AMissingModuleFailsToLoad)
{
    WriteRegistry((directory / "libnothere.so").string());
    TRegFileRegistry registry(registryFile.string());
    TIWAB wab(registry, loader);

    EXPECT_THROW(wab.Init(), TExError);
    EXPECT_EQ(wab.LibraryHandle, nullptr);
}

} // namespace
