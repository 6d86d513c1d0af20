#include "TQtTrayIcon.h"

#include <gtest/gtest.h>

// The desktop reports clicks on the icon as activation reasons; only the primary click restores the window.
TEST(TQtTrayIconTest, OnlyThePrimaryClickCallsTheRestoreHandler)
{
    TQtTrayIcon tray;
    int restores = 0;
    tray.SetRestoreHandler([&restores] { ++restores; });

    emit tray.Native().activated(QSystemTrayIcon::Context);
    emit tray.Native().activated(QSystemTrayIcon::MiddleClick);
    emit tray.Native().activated(QSystemTrayIcon::DoubleClick);
    EXPECT_EQ(restores, 0);

    emit tray.Native().activated(QSystemTrayIcon::Trigger);
    EXPECT_EQ(restores, 1);
}

TEST(TQtTrayIconTest, ClickWithoutAHandlerIsHarmless)
{
    TQtTrayIcon tray;
    emit tray.Native().activated(QSystemTrayIcon::Trigger);
    SUCCEED();
}
