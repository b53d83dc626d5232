// The engine's tray icon against Wine's notification area.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "engine/tray_icon.h"

namespace talvane {
namespace {

// Whether the shell holds an icon of this owner: only an icon it has can be modified.
bool ShellHasIcon(HWND owner) {
    NOTIFYICONDATAA data{};
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = owner;
    data.uID = 1;
    data.uFlags = NIF_TIP;
    return Shell_NotifyIconA(NIM_MODIFY, &data) != FALSE;
}

// A ghost icon stays in the tray after its program is gone; one lost with Explorer never comes back by itself.
TEST(TrayIcon, LeavesNoIconBehindAndComesBackAfterTheShellLostIt) {
    const HWND owner = CreateWindowA("STATIC", "tray owner", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(owner, nullptr);
    engine::TrayLook look;
    look.figure = "42";
    {
        engine::TrayIcon tray(owner);
        ASSERT_TRUE(tray.Show(look, "Freed 42 MB"));
        EXPECT_TRUE(ShellHasIcon(owner));
        look.freeing = true;
        EXPECT_TRUE(tray.Show(look, std::string(200, 'x')));
        tray.Hide();
        EXPECT_FALSE(ShellHasIcon(owner));
        EXPECT_TRUE(tray.Show(look, "again"));
        EXPECT_TRUE(ShellHasIcon(owner));

        NOTIFYICONDATAA lost{};
        lost.cbSize = NOTIFYICONDATAA_V1_SIZE;
        lost.hWnd = owner;
        lost.uID = 1;
        ASSERT_TRUE(Shell_NotifyIconA(NIM_DELETE, &lost));
        tray.Restore();
        EXPECT_TRUE(ShellHasIcon(owner));
    }
    EXPECT_FALSE(ShellHasIcon(owner));
    DestroyWindow(owner);
}

}  // namespace
}  // namespace talvane
