// The engine as the control panel starts it: its tray icon and menu, a freeing and its history line, switching off
// from the menu, and its window answering while a freeing runs.
#include <windows.h>

#include <shlobj.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "control_ids.h"
#include "driver/gui_driver.h"
#include "gui_config.h"
#include "gui_fixture.h"

namespace talvane::gui_test {
namespace {

namespace driver = wine_driver;

constexpr UINT kTrayCallback = WM_APP + 10;  // the engine's notification message
constexpr DWORD kEngineMs = 10000;

class EngineTray : public TalvaneTest {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(TalvaneTest::SetUp());
        driver::EndEngines();
        history_ = driver::JoinPath(driver::ShellFolderPath(CSIDL_APPDATA), "Talvane\\freeings.log");
        DeleteFileA(history_.c_str());
        ASSERT_TRUE(driver::DeleteRegistryTree(HKEY_CURRENT_USER, driver::kSettingsKey));
        // Nothing freed by itself: only what the test asks for.
        ASSERT_TRUE(StoreNumber("Minimum Free RAM", 1));
        ASSERT_TRUE(StoreNumber("Talvane_Stat", 0));
        ASSERT_TRUE(StoreNumber("FreeupXMenu_Val1", 48));
        ASSERT_TRUE(StoreNumber("FreeupYMenu_Val1", 512));
        ASSERT_TRUE(StoreNumber("FreeupZMenu_Val1", 16));
        ASSERT_TRUE(StoreText("CurrentDir2", driver::DirectoryOf(Config().talvane_exe)));
        ASSERT_NO_FATAL_FAILURE(StartTalvane());
        ASSERT_TRUE(driver::Click(Control(IDC_FORM1_SPEEDBUTTON5)));  // Enable starts the engine
        engine_ = driver::PollFor(
            []() -> HWND {
                const auto windows = driver::FindEngineWindows();
                return windows.empty() ? nullptr : windows.front();
            },
            kEngineMs);
        ASSERT_NE(engine_, nullptr) << "the engine did not start";
    }

    void TearDown() override {
        TalvaneTest::TearDown();
        driver::EndEngines();
    }

    // Right-clicks the icon as the shell reports it, then walks the menu with the keyboard: `downs` times Down,
    // then Enter. The menu is saved as a screenshot named `shot` when given.
    void ChooseFromMenu(int downs, const char* shot = nullptr) const {
        ASSERT_TRUE(PostMessageA(engine_, kTrayCallback, 1, WM_RBUTTONUP));
        HWND menu = driver::WaitForTopLevelWindow({driver::ProcessIdOf(engine_), "#32768", nullptr, true}, kReactMs);
        ASSERT_NE(menu, nullptr) << "no menu";
        if (shot != nullptr) {
            Sleep(300);
            std::string error;
            EXPECT_TRUE(driver::SaveWindowScreenshot(menu, ScreenshotPath(shot), &error)) << error;
        }
        ASSERT_TRUE(driver::ChooseMenuItem(menu, downs, kReactMs));
    }

    // The history's lines whose trigger is `trigger`, once there are `count` of them.
    std::vector<std::string> HistoryLines(const std::string& trigger, std::size_t count) const {
        std::vector<std::string> lines;
        driver::WaitUntil(
            [&] {
                lines.clear();
                const std::string text = driver::ReadTextFile(history_).value_or("");
                for (std::size_t start = 0; start < text.size();) {
                    const std::size_t end = std::min(text.find('\n', start), text.size());
                    const std::string line = text.substr(start, end - start);
                    if (line.find("\t" + trigger + "\t") != std::string::npos) {
                        lines.push_back(line);
                    }
                    start = end + 1;
                }
                return lines.size() >= count;
            },
            kEngineMs);
        return lines;
    }

    HWND engine_ = nullptr;
    std::string history_;
};

TEST_F(EngineTray, ItsMenuFreesWhileTheEngineKeepsAnsweringAndTheHistorySaysWhatWasGained) {
    ASSERT_TRUE(driver::WaitUntil([&] { return driver::NotifyIconShown(engine_, 1); }, kEngineMs)) << "no tray icon";
    if (HWND tray = driver::WaitForTopLevelWindow({0, "Shell_TrayWnd", nullptr, true}, kReactMs)) {
        std::string error;
        EXPECT_TRUE(driver::SaveWindowScreenshot(tray, ScreenshotPath("engine_tray"), &error)) << error;
    }
    ASSERT_NO_FATAL_FAILURE(ChooseFromMenu(2, "engine_menu"));  // "Free up 512 MB"
    // The freeing runs on its own thread: the control panel's message is answered meanwhile.
    DWORD_PTR result = 0;
    EXPECT_NE(SendMessageTimeoutA(engine_, driver::kEngineReload, 0, 0, SMTO_BLOCK, 1000, &result), 0)
        << "the engine did not answer within 1 s";
    const auto lines = HistoryLines("menu", 1);
    ASSERT_EQ(lines.size(), 1u) << "no history line for the menu's freeing";
    // date time, trigger, available before, after, freed: the freed figure is what available memory gained.
    unsigned before = 0;
    unsigned after = 0;
    int freed = -1;
    const std::string fields = lines[0].substr(lines[0].find("menu\t") + 5);
    ASSERT_EQ(std::sscanf(fields.c_str(), "%u\t%u\t%d", &before, &after, &freed), 3) << lines[0];
    EXPECT_EQ(freed, after > before ? static_cast<int>(after - before) : 0) << lines[0];
    EXPECT_TRUE(driver::NotifyIconShown(engine_, 1));
}

TEST_F(EngineTray, SwitchingOffAndOnIsStoredAndThePanelFollowsAndAHiddenIconGoes) {
    ASSERT_EQ(StoredNumber("Talvane_Stat"), 1u);
    ASSERT_NO_FATAL_FAILURE(ChooseFromMenu(4));  // the three amounts, then Disable
    EXPECT_TRUE(driver::WaitUntil([&] { return StoredNumber("Talvane_Stat") == 0u; }, 2000));
    EXPECT_TRUE(
        driver::WaitUntil([&] { return driver::ReadCheck(Control(IDC_FORM1_SPEEDBUTTON4)) == BST_CHECKED; }, 2000))
        << "the control panel does not show Disable";
    EXPECT_FALSE(driver::FindEngineWindows().empty()) << "a disabled engine keeps running";

    // The on/off hot key switches it back, as the shell delivers a hot key.
    ASSERT_TRUE(PostMessageA(engine_, WM_HOTKEY, 2, 0));
    EXPECT_TRUE(driver::WaitUntil([&] { return StoredNumber("Talvane_Stat") == 1u; }, 2000));
    // Hiding the icon takes effect when the engine re-reads its settings.
    ASSERT_TRUE(StoreNumber("HideTrayIcon", 1));
    DWORD_PTR result = 0;
    ASSERT_NE(SendMessageTimeoutA(engine_, driver::kEngineReload, 0, 0, SMTO_BLOCK, 1000, &result), 0);
    EXPECT_FALSE(driver::NotifyIconShown(engine_, 1));
}

}  // namespace
}  // namespace talvane::gui_test
