// The tests need a QApplication, but never a display: the offscreen platform draws into memory. A private
// runtime folder keeps the toolkit from complaining about (or writing into) the user's.
#include <QApplication>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

int main(int argc, char** argv)
{
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    std::string runtimeDir = (std::filesystem::temp_directory_path() / "nelvora-qt-tests-XXXXXX").string();
    const bool haveRuntimeDir = ::mkdtemp(runtimeDir.data()) != nullptr;
    if (haveRuntimeDir)
        ::setenv("XDG_RUNTIME_DIR", runtimeDir.c_str(), 1);

    int status = 0;
    {
        QApplication app(argc, argv);
        ::testing::InitGoogleTest(&argc, argv);
        status = RUN_ALL_TESTS();
    }
    if (haveRuntimeDir) {
        std::error_code ignored;
        std::filesystem::remove_all(runtimeDir, ignored);
    }
    return status;
}
