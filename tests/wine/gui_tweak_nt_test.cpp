// The Windows Tweak page of 2000 and XP end to end: a prepared registry shown, the keyboard, Recommended, Default
// and Apply written to the registry, the note about a tweak left at its default, and the restart offered.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "control_ids.h"
#include "driver/gui_driver.h"
#include "gui_fixture.h"

namespace talvane::gui_test {
namespace {

namespace driver = wine_driver;

constexpr char kDesktop[] = R"(Control Panel\Desktop)";
constexpr char kMemory[] = R"(SYSTEM\CurrentControlSet\Control\Session Manager\Memory Management)";

class NtTweaks : public TalvaneTest {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(TalvaneTest::SetUp());
        if (FamilyOfMode(Config().mode) != WindowsFamily::kNt) {
            GTEST_SKIP() << "the NT tweaks are not offered on " << Config().mode;
        }
        for (const char* name : {"WaitToKillAppTimeout", "WaitToKillServiceTimeout", "HungAppTimeout"}) {
            saved_.push_back(std::make_unique<driver::RestoredRegistryValue>(HKEY_CURRENT_USER, kDesktop, name));
            driver::DeleteRegistryValue(HKEY_CURRENT_USER, kDesktop, name);
        }
        for (const char* name : {"DisablePagingExecutive", "LargeSystemCache", "IOPageLockLimit"}) {
            saved_.push_back(std::make_unique<driver::RestoredRegistryValue>(HKEY_LOCAL_MACHINE, kMemory, name));
        }
    }
    void TearDown() override {
        TalvaneTest::TearDown();
        saved_.clear();
    }
    void ShowPage() {
        ASSERT_NO_FATAL_FAILURE(StartTalvane());
        ASSERT_TRUE(driver::Click(Control(IDC_FORM1_NAV_TWEAK)));
    }
    int Check(int id) const { return driver::ReadCheck(Control(id)).value_or(-1); }

    std::vector<std::unique_ptr<driver::RestoredRegistryValue>> saved_;
};

TEST_F(NtTweaks, ShowsTheRegistryAndAppliesWhatTheButtonsAndKeysChose) {
    ASSERT_TRUE(driver::WriteRegistryDword(HKEY_LOCAL_MACHINE, kMemory, "IOPageLockLimit", 4096));
    ASSERT_TRUE(driver::WriteRegistryString(HKEY_CURRENT_USER, kDesktop, "HungAppTimeout", "10000"));
    ASSERT_TRUE(driver::WriteRegistryDword(HKEY_LOCAL_MACHINE, kMemory, "LargeSystemCache", 0));
    ASSERT_NO_FATAL_FAILURE(ShowPage());
    EXPECT_EQ(Check(IDC_FORM1_CHECKBOX10), BST_CHECKED);
    EXPECT_EQ(Text(IDC_FORM1_COMBOBOX2), "4 MB");
    EXPECT_EQ(Check(IDC_FORM1_CHECKBOX88), BST_CHECKED);
    EXPECT_EQ(Text(IDC_FORM1_SPINEDIT12), "5000") << "a stored time-out beyond the field's range";
    EXPECT_EQ(Check(IDC_FORM1_CHECKBOX6), BST_UNCHECKED);

    ASSERT_TRUE(driver::ToggleCheckWithSpace(Control(IDC_FORM1_CHECKBOX87)));
    EXPECT_TRUE(ApplyEnabled()) << "the space bar counts like a click";
    EXPECT_TRUE(IsWindowVisible(Control(IDC_FORM1_SPINEDIT10)));
    EXPECT_EQ(Text(IDC_FORM1_LABEL25), "Application Time Out Value:");

    ASSERT_TRUE(driver::Click(Control(IDC_FORM1_NT_DEFAULT)));
    EXPECT_EQ(Check(IDC_FORM1_CHECKBOX10), BST_UNCHECKED);
    EXPECT_EQ(Text(IDC_FORM1_COMBOBOX2), "");
    ASSERT_TRUE(driver::Click(Control(IDC_FORM1_NT_RECOMMENDED)));
    EXPECT_EQ(Text(IDC_FORM1_SPINEDIT10) + Text(IDC_FORM1_SPINEDIT11) + Text(IDC_FORM1_SPINEDIT12), "500050002000");
    const std::string cache = Text(IDC_FORM1_COMBOBOX2);
    SaveScreenshot(app_->Main(), "page_tweak_nt");
    ASSERT_TRUE(driver::Click(Control(IDC_FORM1_APPLY)));

    EXPECT_EQ(driver::ReadRegistryString(HKEY_CURRENT_USER, kDesktop, "WaitToKillAppTimeout"), "5000");
    EXPECT_EQ(driver::ReadRegistryString(HKEY_CURRENT_USER, kDesktop, "HungAppTimeout"), "2000");
    EXPECT_EQ(driver::ReadRegistryDword(HKEY_LOCAL_MACHINE, kMemory, "IOPageLockLimit"),
              DWORD(std::stoul(cache) * 1024))
        << cache;
    EXPECT_FALSE(ApplyEnabled());
    ASSERT_NO_FATAL_FAILURE(CloseDecliningTheRestart());
}

// A check box takes the mouse itself; its description must still reach the quick info.
TEST_F(NtTweaks, CheckBoxesShowTheirQuickInfo) {
    ASSERT_NO_FATAL_FAILURE(ShowPage());
    const std::string disk =
        "This setting will increase the number of pages the system will read or write to the hard disk";
    EXPECT_EQ(QuickInfoOver(IDC_FORM1_CHECKBOX10, disk), disk);
    const std::string second = Text(IDC_FORM1_QUICKINFO_LINE2);
    EXPECT_EQ(second.rfind("at one time. Recommended size: ", 0), 0u) << second;
    EXPECT_EQ(second.substr(second.size() - 4), " MB.") << second;
    const std::string paging = "Force Executive files to remain resident in the RAM instead of being moved to Virtual";
    EXPECT_EQ(QuickInfoOver(IDC_FORM1_CHECKBOX9, paging), paging);
}

TEST_F(NtTweaks, ATweakLeftAtItsDefaultIsUncheckedWithANote) {
    ASSERT_NO_FATAL_FAILURE(ShowPage());
    ASSERT_TRUE(driver::Click(Control(IDC_FORM1_CHECKBOX88)));
    EXPECT_EQ(Text(IDC_FORM1_SPINEDIT12), "5000");
    ASSERT_TRUE(driver::PostClick(Control(IDC_FORM1_APPLY)));
    const HWND note = driver::WaitForTopLevelWindow({app_->Proc().Id(), "TForm2", nullptr, true}, kReactMs);
    ASSERT_NE(note, nullptr) << "no note";
    EXPECT_EQ(driver::CaptionOf(note), "Just a note");
    EXPECT_EQ(driver::ReadText(driver::FindControl(note, IDC_FORM2_LABEL7)),
              "Because you did not change the value for the option below,");
    EXPECT_EQ(driver::ReadListBox(driver::FindControl(note, IDC_FORM2_LISTBOX1)),
              std::vector<std::string>{"Windows Tweak -> Change Hung Application Timeout Value"});
    SaveScreenshot(note, "dialog_note");
    ASSERT_TRUE(driver::Click(driver::FindControl(note, IDC_FORM2_SPEEDBUTTON5)));
    EXPECT_TRUE(driver::WaitUntil([&] { return !IsWindowVisible(note); }, kReactMs));
    EXPECT_EQ(Check(IDC_FORM1_CHECKBOX88), BST_UNCHECKED);
    EXPECT_EQ(driver::ReadRegistryString(HKEY_CURRENT_USER, kDesktop, "HungAppTimeout").value_or("5000"), "5000")
        << "a missing value is the Windows default";
    ASSERT_NO_FATAL_FAILURE(CloseDecliningTheRestart());
}

}  // namespace
}  // namespace talvane::gui_test
