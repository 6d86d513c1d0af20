#include "TDlLibraryLoader.h"

#include <gtest/gtest.h>

namespace {

TEST(TDlLibraryLoaderTest, LoadsASystemLibraryAndFindsItsExports)
{
    TDlLibraryLoader loader;
    void* library = loader.Load("libm.so.6");
    ASSERT_NE(library, nullptr);

    auto* cosine = reinterpret_cast<double (*)(double)>(loader.Symbol(library, "cos"));
    ASSERT_NE(cosine, nullptr);
    EXPECT_EQ(cosine(0.0), 1.0);
    EXPECT_EQ(loader.Symbol(library, "no_such_export_here"), nullptr);
}

TEST(TDlLibraryLoaderTest, AnswersNullForWhatCannotBeLoaded)
{
    TDlLibraryLoader loader;
    EXPECT_EQ(loader.Load("libnelvora-does-not-exist.so"), nullptr);
    EXPECT_EQ(loader.Load("/nonexistent/dir/libwab32.so"), nullptr);
    // dlopen would hand back the program itself for these.
    EXPECT_EQ(loader.Load(""), nullptr);
    EXPECT_EQ(loader.Load(nullptr), nullptr);
    EXPECT_EQ(loader.Symbol(nullptr, "cos"), nullptr);
}

} // namespace
