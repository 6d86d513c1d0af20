#include "TQtLauncher.h"

#include <gtest/gtest.h>

TEST(TQtLauncherTest, StartingAProgramThatIsNotThereReportsFailure)
{
    TQtLauncher launcher;
    EXPECT_FALSE(launcher.StartProgram("/nonexistent/nelvora-no-such-program", {}));
    EXPECT_FALSE(launcher.StartProgram("", {}));
}

TEST(TQtLauncherTest, ProgramsAreFoundOnThePath)
{
    TQtLauncher launcher;
    EXPECT_TRUE(launcher.FindProgram("sh").endsWith("/sh"));
    EXPECT_TRUE(launcher.FindProgram("nelvora-no-such-program").isEmpty());
}

TEST(TQtLauncherTest, AnAddressThatIsNotOneOpensNothing)
{
    TQtLauncher launcher;
    EXPECT_FALSE(launcher.OpenUrl("http://[::1"));
}
