// The engine's tray icon against Wine's notification area.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "driver/shell_files.h"
#include "engine/tray_icon.h"

namespace talvane {
namespace {

// A ghost icon stays in the tray after its program is gone; one lost with Explorer never comes back by itself.
TEST(TrayIcon, LeavesNoIconBehindAndComesBackAfterTheShellLostIt) {
    const HWND owner = CreateWindowA("STATIC", "tray owner", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(owner, nullptr);
    engine::TrayLook look;
    look.figure = "42";
    {
        engine::TrayIcon tray(owner);
        ASSERT_TRUE(tray.Show(look, "Freed 42 MB"));
        EXPECT_TRUE(wine_driver::NotifyIconShown(owner, 1));
        look.freeing = true;
        EXPECT_TRUE(tray.Show(look, std::string(200, 'x')));
        tray.Hide();
        EXPECT_FALSE(wine_driver::NotifyIconShown(owner, 1));
        EXPECT_TRUE(tray.Show(look, "again"));
        EXPECT_TRUE(wine_driver::NotifyIconShown(owner, 1));

        NOTIFYICONDATAA lost{};
        lost.cbSize = NOTIFYICONDATAA_V1_SIZE;
        lost.hWnd = owner;
        lost.uID = 1;
        ASSERT_TRUE(Shell_NotifyIconA(NIM_DELETE, &lost));
        tray.Restore();
        EXPECT_TRUE(wine_driver::NotifyIconShown(owner, 1));
    }
    EXPECT_FALSE(wine_driver::NotifyIconShown(owner, 1));
    DestroyWindow(owner);
}

}  // namespace
}  // namespace talvane
