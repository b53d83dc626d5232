// End-to-end tests of the More Options dialog, opened from the optimizer page and driven from another process.
#include <gtest/gtest.h>

// windows.h must come before the common controls.
#include <windows.h>

#include <commctrl.h>

#include <optional>
#include <string>
#include <vector>

#include "control_ids.h"
#include "driver/gui_driver.h"
#include "gui_fixture.h"

namespace talvane::gui_test {
namespace {

namespace driver = wine_driver;

constexpr char kDialogClass[] = "TForm4";
constexpr char kDialogCaption[] = "More Options";
constexpr COLORREF kRed = RGB(255, 0, 0);

constexpr int kTabSheets[] = {IDC_FORM4_TABSHEET1, IDC_FORM4_TABSHEET2, IDC_FORM4_TABSHEET3, IDC_FORM4_TABSHEET4};

size_t RedPixels(HWND window) {
    return driver::CaptureWindow(window).Count(kRed);
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
    const bool xp = IsXpOrLater(Config().mode);
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
    ASSERT_TRUE(StoreNumber("Hotkey1", 0));
    ASSERT_TRUE(StoreNumber("TrayIconTextColor", 0));
    ASSERT_NO_FATAL_FAILURE(StartFakeEngine());

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
    EXPECT_EQ(RedPixels(sample), 0u) << "the stored colour is black";
    HWND colours = Control(IDC_FORM4_COLORCOMBOBOX1);
    PostMessageA(colours, WM_CHAR, 'R', 1);
    EXPECT_TRUE(driver::WaitUntil(
        [&] {
            const auto combo = driver::ReadCombo(colours);
            return combo && combo->selected_text == "Red";
        },
        kReactMs));
    // Both samples are redrawn as soon as the colour is picked, before anything is saved.
    EXPECT_TRUE(driver::WaitUntil([&] { return RedPixels(sample) > 10; }, kReactMs));
    EXPECT_GT(RedPixels(busy_sample), 10u);
    EXPECT_EQ(StoredNumber("Hotkey1"), DWORD{0}) << "saved before OK";

    const size_t reloads_before = engine_->Received(driver::kEngineReload);
    ASSERT_NO_FATAL_FAILURE(PressAndWaitClosed(IDC_FORM4_SPEEDBUTTON22));
    EXPECT_EQ(StoredNumber("Hotkey1"), DWORD{'R'});
    EXPECT_EQ(StoredNumber("TrayIconTextColor"), DWORD{0x0000FF});
    EXPECT_EQ(engine_->Received(driver::kEngineReload), reloads_before + 1) << "OK must send EngineReload once";
    // The fake engine notes the key as it stands when the reload arrives.
    const auto snapshots = engine_->SettingsAtReload();
    const std::string at_reload = snapshots.empty() ? std::string() : snapshots.back();
    EXPECT_NE(at_reload.find("Hotkey1=82;"), std::string::npos) << at_reload;
    EXPECT_NE(at_reload.find("TrayIconTextColor=255;"), std::string::npos) << at_reload;
    EXPECT_TRUE(engine_->Close(5000));
}

// As for a user without administrator rights: the Run entry is refused, said once, and OK still closes.
TEST_F(MoreOptionsTest, ARefusedRunEntryIsWarnedOfOnceAndOkStillCloses) {
    if (FamilyOfMode(Config().mode) == WindowsFamily::k9x) {
        GTEST_SKIP() << "98 and Me have no user rights, and Wine keeps no key security in their modes";
    }
    const char* run = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
    const driver::RestoredRegistryValue entry(HKEY_LOCAL_MACHINE, run, "Talvane Professional");
    ASSERT_TRUE(driver::DeleteRegistryValue(HKEY_LOCAL_MACHINE, run, "Talvane Professional"));
    ASSERT_TRUE(StoreNumber("AutoStart", 0));
    const driver::ReadOnlyRegistryKey refused(HKEY_LOCAL_MACHINE, run);
    ASSERT_TRUE(refused.Holds()) << "Wine did not refuse a write to the Run key";
    ASSERT_NO_FATAL_FAILURE(StartTalvane());

    ASSERT_NO_FATAL_FAILURE(OpenDialog());
    ASSERT_TRUE(driver::Click(Control(IDC_FORM4_CHECKBOX1)));
    ASSERT_TRUE(driver::PostClick(Control(IDC_FORM4_SPEEDBUTTON22)));
    const std::string warning = AnswerBox(IDOK);
    EXPECT_NE(warning.find("could not be set to start with Windows"), std::string::npos) << warning;
    EXPECT_TRUE(driver::WaitUntil([&] { return !IsWindowVisible(dialog_); }, kReactMs)) << "the dialog stayed open";
    EXPECT_EQ(StoredNumber("AutoStart"), DWORD{1});
    EXPECT_FALSE(driver::ReadRegistryValue(HKEY_LOCAL_MACHINE, run, "Talvane Professional"));

    ASSERT_NO_FATAL_FAILURE(OpenDialog());
    ASSERT_NO_FATAL_FAILURE(PressAndWaitClosed(IDC_FORM4_SPEEDBUTTON22));
    EXPECT_EQ(driver::WaitForMessageBox(app_->Proc().Id(), 500), nullptr) << "warned again";
}

TEST_F(MoreOptionsTest, CloseDiscardsATick) {
    ASSERT_TRUE(StoreNumber("PlaySound", 0));
    ASSERT_NO_FATAL_FAILURE(StartTalvane());
    ASSERT_NO_FATAL_FAILURE(OpenDialog());
    ASSERT_NO_FATAL_FAILURE(GoToTab(3));
    HWND box = Control(IDC_FORM4_CHECKBOX13);
    ASSERT_EQ(driver::ReadCheck(box), BST_UNCHECKED);
    ASSERT_TRUE(driver::Click(box));
    ASSERT_EQ(driver::ReadCheck(box), BST_CHECKED);
    ASSERT_NO_FATAL_FAILURE(PressAndWaitClosed(IDC_FORM4_SPEEDBUTTON23));
    EXPECT_EQ(StoredNumber("PlaySound"), DWORD{0});

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
        ASSERT_NO_FATAL_FAILURE(SaveScreenshot(dialog_, std::string("more_options_") + names[tab]));
    }
    ASSERT_NO_FATAL_FAILURE(PressAndWaitClosed(IDC_FORM4_SPEEDBUTTON23));
}

}  // namespace
}  // namespace talvane::gui_test
