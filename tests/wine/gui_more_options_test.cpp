// End-to-end tests of the More Options dialog, opened from the optimizer page and driven from another process.
#include <gtest/gtest.h>

// windows.h must come before the common controls.
#include <windows.h>

#include <commctrl.h>

#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "control_ids.h"
#include "driver/gui_driver.h"
#include "driver/win_owners.h"
#include "gui_config.h"
#include "gui_fixture.h"
#include "talvane_app.h"

namespace talvane::gui_test {
namespace {

namespace driver = wine_driver;

constexpr DWORD kReactMs = 3000;
constexpr char kDialogClass[] = "TForm4";
constexpr char kDialogCaption[] = "More Options";
constexpr char kSettingsKey[] = "Software\\Talvane";
constexpr UINT kEngineReload = WM_USER + 81;
constexpr COLORREF kRed = RGB(255, 0, 0);

constexpr int kTabSheets[] = {IDC_FORM4_TABSHEET1, IDC_FORM4_TABSHEET2, IDC_FORM4_TABSHEET3, IDC_FORM4_TABSHEET4};

bool SetStoredNumber(const char* name, DWORD value) {
    HKEY raw = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &raw, nullptr) !=
        ERROR_SUCCESS) {
        return false;
    }
    const driver::RegKey key(raw);
    return RegSetValueExA(key.Get(), name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof(value)) ==
           ERROR_SUCCESS;
}

// The pixels of a window as they are on screen now, row by row.
std::vector<COLORREF> ScreenPixels(HWND window) {
    RECT area;
    GetWindowRect(window, &area);
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    const driver::ScreenDc screen(GetDC(nullptr));
    const driver::MemoryDc memory(CreateCompatibleDC(screen.Get()));
    const driver::Bitmap bitmap(CreateCompatibleBitmap(screen.Get(), width, height));
    if (!screen || !memory || !bitmap || width <= 0 || height <= 0) {
        return {};
    }
    {
        driver::SelectGuard select(memory.Get(), bitmap.Get());
        BitBlt(memory.Get(), 0, 0, width, height, screen.Get(), area.left, area.top, SRCCOPY);
    }
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    std::vector<DWORD> raw(static_cast<size_t>(width) * static_cast<size_t>(height));
    if (GetDIBits(memory.Get(), bitmap.Get(), 0, static_cast<UINT>(height), raw.data(), &info, DIB_RGB_COLORS) == 0) {
        return {};
    }
    std::vector<COLORREF> pixels;
    pixels.reserve(raw.size());
    for (DWORD bgr : raw) {
        pixels.push_back(RGB((bgr >> 16) & 0xFF, (bgr >> 8) & 0xFF, bgr & 0xFF));
    }
    return pixels;
}

size_t CountColour(const std::vector<COLORREF>& pixels, COLORREF colour) {
    size_t count = 0;
    for (COLORREF pixel : pixels) {
        count += pixel == colour ? 1 : 0;
    }
    return count;
}

bool HasStyle(HWND window, DWORD style) {
    return (static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE)) & style) == style;
}

class MoreOptionsTest : public TalvaneTest {
protected:
    // The button's handler runs the dialog's modal loop, so the click is posted.
    void OpenDialog() {
        HWND button = app_->Control(IDC_FORM1_SPEEDBUTTON3);
        ASSERT_NE(button, nullptr);
        ASSERT_TRUE(driver::PostClick(button));
        dialog_ = driver::WaitForTopLevelWindow({app_->Proc().Id(), kDialogClass, kDialogCaption, true}, kReactMs);
        ASSERT_NE(dialog_, nullptr) << "no visible " << kDialogClass << " \"" << kDialogCaption << "\"";
    }

    void PressAndWaitClosed(int button) {
        ASSERT_TRUE(driver::PostClick(Control(button)));
        EXPECT_TRUE(driver::WaitUntil([&] { return !IsWindowVisible(dialog_); }, kReactMs))
            << "the dialog is still shown";
    }

    HWND Control(int id) const {
        HWND control = driver::FindControl(dialog_, id);
        EXPECT_NE(control, nullptr) << "no control with ID " << id;
        return control;
    }

    std::string Text(int id) const { return driver::ReadText(Control(id)).value_or("<unreadable>"); }

    std::optional<int> SelectedTab() const {
        const auto selected = driver::SendWithTimeout(Control(IDC_FORM4_PAGECONTROL1), TCM_GETCURSEL, 0, 0);
        return selected ? std::optional<int>(static_cast<int>(*selected)) : std::nullopt;
    }

    std::vector<int> VisibleSheets() const {
        std::vector<int> visible;
        for (int sheet : kTabSheets) {
            if (IsWindowVisible(Control(sheet))) {
                visible.push_back(sheet);
            }
        }
        return visible;
    }

    // The arrow keys a user would press on the focused tab control.
    void GoToTab(int tab) {
        HWND tabs = Control(IDC_FORM4_PAGECONTROL1);
        const auto current = SelectedTab();
        ASSERT_TRUE(current);
        const WPARAM key = tab > *current ? VK_RIGHT : VK_LEFT;
        for (int step = *current; step != tab; step += tab > *current ? 1 : -1) {
            PostMessageA(tabs, WM_KEYDOWN, key, 0);
            PostMessageA(tabs, WM_KEYUP, key, 0xC0000001);
        }
        ASSERT_TRUE(driver::WaitUntil([&] { return VisibleSheets() == std::vector<int>{kTabSheets[tab]}; }, kReactMs))
            << "tab " << tab << " did not come up";
        EXPECT_EQ(SelectedTab(), tab);
    }

    HWND dialog_ = nullptr;
};

TEST_F(MoreOptionsTest, OpensFromTheOptimizerPageOnTheMainTab) {
    ASSERT_NO_FATAL_FAILURE(StartTalvane());
    ASSERT_NO_FATAL_FAILURE(OpenDialog());
    const SIZE client = driver::ClientSizeOf(dialog_);
    EXPECT_EQ(client.cx, 472);
    EXPECT_EQ(client.cy, 353);
    EXPECT_EQ(SelectedTab(), 0);
    EXPECT_EQ(VisibleSheets(), std::vector<int>{IDC_FORM4_TABSHEET1});
    EXPECT_EQ(Text(IDC_FORM4_CHECKBOX1), "Start automatically with Windows");
    EXPECT_EQ(Text(IDC_FORM4_SPEEDBUTTON22), "OK");
    EXPECT_FALSE(IsWindowEnabled(app_->Main())) << "the main window must wait while the dialog is open";
    RECT browse;
    ASSERT_TRUE(GetWindowRect(Control(IDC_FORM4_SPEEDBUTTON3), &browse));
    const bool xp = Config().mode == "winxp" || Config().mode == "winxp64";
    EXPECT_EQ(browse.bottom - browse.top, xp ? 23 : 21) << "the browse button grows on XP only";

    // Leaving on another tab must not carry over to the next showing.
    ASSERT_NO_FATAL_FAILURE(GoToTab(3));
    ASSERT_NO_FATAL_FAILURE(PressAndWaitClosed(IDC_FORM4_SPEEDBUTTON23));
    ASSERT_NO_FATAL_FAILURE(OpenDialog());
    EXPECT_EQ(SelectedTab(), 0);
    EXPECT_EQ(VisibleSheets(), std::vector<int>{IDC_FORM4_TABSHEET1});
    ASSERT_NO_FATAL_FAILURE(PressAndWaitClosed(IDC_FORM4_SPEEDBUTTON23));
    EXPECT_TRUE(IsWindowEnabled(app_->Main()));
}

TEST_F(MoreOptionsTest, HotkeyAndColourAreSavedOnOkAndTheEngineIsTold) {
    ASSERT_TRUE(SetStoredNumber("Hotkey1", 0));
    ASSERT_TRUE(SetStoredNumber("TrayIconTextColor", 0));
    const std::string log = driver::TempFilePath("engine_log");
    std::string error;
    auto engine = driver::Process::Launch(Config().fake_engine_exe, "\"" + log + "\" 60000", {}, &error);
    ASSERT_TRUE(engine) << error;
    HWND engine_window = driver::WaitForTopLevelWindow({engine->Id(), "TForm1", "Talvane", false}, kStartTimeoutMs);
    ASSERT_NE(engine_window, nullptr) << "the fake engine did not create its window";

    ASSERT_NO_FATAL_FAILURE(StartTalvane());
    ASSERT_NO_FATAL_FAILURE(OpenDialog());

    HWND hotkey = Control(IDC_FORM4_EDIT2);
    ASSERT_TRUE(driver::SendWithTimeout(hotkey, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("")));
    PostMessageA(hotkey, WM_CHAR, 'r', 1);
    EXPECT_TRUE(driver::WaitUntil([&] { return driver::ReadText(hotkey) == "R"; }, kReactMs))
        << "the hot key shows \"" << Text(IDC_FORM4_EDIT2) << "\"";

    ASSERT_NO_FATAL_FAILURE(GoToTab(1));
    HWND sample = Control(IDC_FORM4_IMAGE3);
    HWND busy_sample = Control(IDC_FORM4_IMAGE6);
    EXPECT_EQ(CountColour(ScreenPixels(sample), kRed), 0u) << "the stored colour is black";
    HWND colours = Control(IDC_FORM4_COLORCOMBOBOX1);
    PostMessageA(colours, WM_CHAR, 'R', 1);
    EXPECT_TRUE(driver::WaitUntil(
        [&] {
            const auto combo = driver::ReadCombo(colours);
            return combo && combo->selected_text == "Red";
        },
        kReactMs));
    // Both samples are redrawn as soon as the colour is picked, before anything is saved.
    EXPECT_TRUE(driver::WaitUntil([&] { return CountColour(ScreenPixels(sample), kRed) > 10; }, kReactMs));
    EXPECT_GT(CountColour(ScreenPixels(busy_sample), kRed), 10u);
    EXPECT_EQ(driver::ReadRegistryDword(HKEY_CURRENT_USER, kSettingsKey, "Hotkey1"), DWORD{0}) << "saved before OK";

    const size_t reloads_before = [&] {
        size_t count = 0;
        for (const auto& entry : driver::ReadEngineLog(log)) {
            count += entry.message == kEngineReload ? 1 : 0;
        }
        return count;
    }();
    ASSERT_NO_FATAL_FAILURE(PressAndWaitClosed(IDC_FORM4_SPEEDBUTTON22));
    EXPECT_EQ(driver::ReadRegistryDword(HKEY_CURRENT_USER, kSettingsKey, "Hotkey1"), DWORD{'R'});
    EXPECT_EQ(driver::ReadRegistryDword(HKEY_CURRENT_USER, kSettingsKey, "TrayIconTextColor"), DWORD{0x0000FF});
    size_t reloads_after = 0;
    for (const auto& entry : driver::ReadEngineLog(log)) {
        reloads_after += entry.message == kEngineReload ? 1 : 0;
    }
    EXPECT_EQ(reloads_after, reloads_before + 1) << "OK must send EngineReload once";
    // The fake engine notes the key as it stands when the reload arrives.
    std::ifstream snapshots(log + ".settings");
    std::string at_reload;
    for (std::string line; std::getline(snapshots, line);) {
        at_reload = line;
    }
    EXPECT_NE(at_reload.find("Hotkey1=82;"), std::string::npos) << at_reload;
    EXPECT_NE(at_reload.find("TrayIconTextColor=255;"), std::string::npos) << at_reload;
    snapshots.close();

    PostMessageA(engine_window, WM_CLOSE, 0, 0);
    EXPECT_TRUE(engine->WaitForExit(5000));
    DeleteFileA(log.c_str());
    DeleteFileA((log + ".settings").c_str());
}

TEST_F(MoreOptionsTest, CloseDiscardsATick) {
    ASSERT_TRUE(SetStoredNumber("PlaySound", 0));
    ASSERT_NO_FATAL_FAILURE(StartTalvane());
    ASSERT_NO_FATAL_FAILURE(OpenDialog());
    ASSERT_NO_FATAL_FAILURE(GoToTab(3));
    HWND box = Control(IDC_FORM4_CHECKBOX13);
    ASSERT_EQ(driver::ReadCheck(box), BST_UNCHECKED);
    ASSERT_TRUE(driver::Click(box));
    ASSERT_EQ(driver::ReadCheck(box), BST_CHECKED);
    ASSERT_NO_FATAL_FAILURE(PressAndWaitClosed(IDC_FORM4_SPEEDBUTTON23));
    EXPECT_EQ(driver::ReadRegistryDword(HKEY_CURRENT_USER, kSettingsKey, "PlaySound"), DWORD{0});

    ASSERT_NO_FATAL_FAILURE(OpenDialog());
    EXPECT_EQ(driver::ReadCheck(Control(IDC_FORM4_CHECKBOX13)), BST_UNCHECKED);
    ASSERT_NO_FATAL_FAILURE(PressAndWaitClosed(IDC_FORM4_SPEEDBUTTON23));
}

TEST_F(MoreOptionsTest, DisplayListAndResourceWarningFollowTheFamily) {
    const WindowsFamily family = FamilyOfMode(Config().mode);
    if (family != WindowsFamily::kNt && family != WindowsFamily::k9x) {
        GTEST_SKIP() << "no engine options for mode " << Config().mode;
    }
    const bool nine_x = family == WindowsFamily::k9x;
    ASSERT_NO_FATAL_FAILURE(StartTalvane());
    ASSERT_NO_FATAL_FAILURE(OpenDialog());

    std::vector<std::string> entries;
    HWND display = Control(IDC_FORM4_COMBOBOX1);
    const auto combo = driver::ReadCombo(display);
    ASSERT_TRUE(combo);
    for (int i = 0; i < combo->count; ++i) {
        entries.push_back(driver::ReadComboItem(display, i).value_or("<unreadable>"));
    }
    std::vector<std::string> expected = {"Total CPU usage", "Free physical memory"};
    if (nine_x) {
        expected.push_back("System resources");
    }
    EXPECT_EQ(entries, expected);
    for (int id : {IDC_FORM4_PANEL2, IDC_FORM4_CHECKBOX4, IDC_FORM4_SPINEDIT6}) {
        EXPECT_EQ(HasStyle(Control(id), WS_VISIBLE), nine_x) << "control " << id << " in mode " << Config().mode;
    }
    ASSERT_NO_FATAL_FAILURE(PressAndWaitClosed(IDC_FORM4_SPEEDBUTTON23));
}

// The common dialog library is loaded only when Browse is first pressed: the dialog must still come up.
TEST_F(MoreOptionsTest, BrowseOpensTheFileDialog) {
    ASSERT_NO_FATAL_FAILURE(StartTalvane());
    ASSERT_NO_FATAL_FAILURE(OpenDialog());
    const std::string music = Text(IDC_FORM4_EDIT1);
    ASSERT_TRUE(driver::PostClick(Control(IDC_FORM4_SPEEDBUTTON3)));
    HWND picker = driver::WaitForTopLevelWindow({app_->Proc().Id(), "#32770", nullptr, true}, 2 * kReactMs);
    ASSERT_NE(picker, nullptr) << "no file dialog came up";
    PostMessageA(picker, WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(driver::WaitUntil([&] { return !IsWindow(picker) || !IsWindowVisible(picker); }, kReactMs));
    EXPECT_TRUE(IsWindowVisible(dialog_)) << "cancelling the file dialog closed More Options";
    EXPECT_EQ(Text(IDC_FORM4_EDIT1), music) << "a cancelled browse changed the sound";
    ASSERT_NO_FATAL_FAILURE(PressAndWaitClosed(IDC_FORM4_SPEEDBUTTON23));
}

TEST_F(MoreOptionsTest, SavesAScreenshotOfEachTab) {
    ASSERT_NO_FATAL_FAILURE(StartTalvane());
    ASSERT_NO_FATAL_FAILURE(OpenDialog());
    const char* const names[] = {"main", "tray_icon", "popup_menu", "others"};
    for (int tab = 0; tab < 4; ++tab) {
        SCOPED_TRACE(names[tab]);
        ASSERT_NO_FATAL_FAILURE(GoToTab(tab));
        app_->Proc().WaitForIdle(kReactMs);
        Sleep(300);  // idle can come before the children's last WM_PAINT
        const std::string path = driver::JoinPath(
            Config().screenshot_dir, std::string("more_options_") + names[tab] + "_" + Config().mode + ".bmp");
        std::string error;
        ASSERT_TRUE(driver::SaveWindowScreenshot(dialog_, path, &error)) << error;
        const auto summary = driver::SummarizeBmp(path);
        ASSERT_TRUE(summary) << path;
        EXPECT_GT(summary->width, 472) << "the frame is missing";
        EXPECT_GT(summary->distinct_colours, 8u) << "the capture looks blank";
    }
    ASSERT_NO_FATAL_FAILURE(PressAndWaitClosed(IDC_FORM4_SPEEDBUTTON23));
}

}  // namespace
}  // namespace talvane::gui_test
