#include <QApplication>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

// The window tests need a QApplication but never a display: Qt draws offscreen, and its runtime directory is a
// private one so that nothing of the user's session is touched.
namespace {

QtMessageHandler g_defaultHandler = nullptr;

// The offscreen platform cannot make windows transparent or raise them and says so on every call; the tests check
// the window's own state instead, so these notes are only noise.
void QuietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.startsWith(QLatin1String("This plugin does not support")))
        return;
    g_defaultHandler(type, context, message);
}

} // namespace

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);

    char runtimeDir[] = "/tmp/nelvora-ui-tests-XXXXXX";
    if (mkdtemp(runtimeDir) == nullptr)
        return 2;
    chmod(runtimeDir, 0700);
    setenv("XDG_RUNTIME_DIR", runtimeDir, 1);

    // A primary screen that does not start at 0,0 (as beside a second screen to its left): placement must take
    // its origin into account.
    const std::string screens = std::string(runtimeDir) + "/screens.json";
    if (FILE* file = std::fopen(screens.c_str(), "w")) {
        std::fputs(R"({"screens": [{"name": "primary", "x": 1024, "y": 168, "width": 1280, "height": 800}]})", file);
        std::fclose(file);
    }
    setenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + screens).c_str(), 1);

    g_defaultHandler = qInstallMessageHandler(QuietHandler);
    int result = 0;
    {
        QApplication application(argc, argv);
        result = RUN_ALL_TESTS();
    }
    std::remove(screens.c_str());
    rmdir(runtimeDir);
    return result;
}
