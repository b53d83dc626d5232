// The RAM Optimizer page end to end: sliders, Apply, the engine switch, closing and the first run.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "control_ids.h"
#include "driver/gui_driver.h"
#include "gui_fixture.h"

namespace talvane::gui_test {
namespace {

namespace driver = wine_driver;

constexpr char kRunKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr char kRunValue[] = "Talvane Professional";
constexpr char kUnsavedQuestion[] =
    "There are unsaved changes in Talvane Professional. Do you want to apply the changes now?";

class OptimizerPage : public TalvaneTest {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(TalvaneTest::SetUp());
        driver::EndEngines();
        ASSERT_TRUE(driver::DeleteRegistryTree(HKEY_CURRENT_USER, driver::kSettingsKey));
        ASSERT_TRUE(driver::DeleteRegistryValue(HKEY_LOCAL_MACHINE, kRunKey, kRunValue));
    }

    void TearDown() override {
        if (app_ && app_->Proc().Running()) {
            app_->DismissOtherWindows();
            // Unsaved changes make closing ask; No leaves the registry as the test left it.
            PostMessageA(app_->Main(), WM_CLOSE, 0, 0);
            if (HWND box = driver::WaitForMessageBox(app_->Proc().Id(), 1500)) {
                driver::AnswerMessageBox(box, IDNO);
            }
            EXPECT_TRUE(app_->Proc().WaitForExit(5000).has_value()) << "Talvane did not close";
        }
        TalvaneTest::TearDown();
        driver::EndEngines();
    }

    std::optional<int> Check(int id) const { return driver::ReadCheck(Control(id)); }
};

std::uint32_t TotalPhysMB() {
    MEMORYSTATUSEX status{};
    status.dwLength = sizeof(status);
    GlobalMemoryStatusEx(&status);
    const auto mb = static_cast<std::uint32_t>(status.ullTotalPhys >> 20);
    return mb + 4 - mb % 4;
}

TEST_F(OptimizerPage, StoredValuesShowOnTheSlidersAndApplyStartsDisabled) {
    ASSERT_TRUE(StoreNumber("Target Fre RAM", 100));
    ASSERT_TRUE(StoreNumber("Minimum Free RAM", 20));
    ASSERT_NO_FATAL_FAILURE(StartTalvane());

    const auto target = driver::ReadTrackbar(Control(IDC_FORM1_TRACKBAR1));
    const auto minimum = driver::ReadTrackbar(Control(IDC_FORM1_TRACKBAR2));
    ASSERT_TRUE(target && minimum);
    EXPECT_EQ(target->pos, 100);
    EXPECT_EQ(target->min, 0);
    EXPECT_EQ(static_cast<std::uint32_t>(target->max), TotalPhysMB() * 3 / 4);
    EXPECT_EQ(minimum->pos, 20);
    EXPECT_EQ(static_cast<std::uint32_t>(minimum->max), TotalPhysMB() / 2);
    EXPECT_EQ(Text(IDC_FORM1_LABEL5), "100 MB");
    EXPECT_EQ(Text(IDC_FORM1_LABEL6), "20 MB");
    EXPECT_FALSE(ApplyEnabled());
    EXPECT_EQ(Text(IDC_FORM1_LABEL15).rfind("Free RAM: ", 0), 0u) << Text(IDC_FORM1_LABEL15);
}

TEST_F(OptimizerPage, KeyboardMoveEnablesApplyAndApplyWritesBeforeTheEngineReloads) {
    ASSERT_TRUE(StoreNumber("Target Fre RAM", 100));
    ASSERT_TRUE(StoreNumber("Minimum Free RAM", 20));
    ASSERT_NO_FATAL_FAILURE(StartFakeEngine());
    ASSERT_NO_FATAL_FAILURE(StartTalvane());
    EXPECT_TRUE(driver::WaitUntil([&] { return Ink(IDC_FORM1_LABEL5) > 0; }, kReactMs)) << "the value is on the screen";
    const driver::ScreenPixels shown = Pixels(IDC_FORM1_LABEL5);

    EXPECT_EQ(driver::PressTrackbarKeys(Control(IDC_FORM1_TRACKBAR1), 3), 103);
    EXPECT_TRUE(driver::WaitUntil([&] { return Text(IDC_FORM1_LABEL5) == "103 MB"; }, kReactMs));
    EXPECT_TRUE(driver::WaitUntil([&] { return Pixels(IDC_FORM1_LABEL5) != shown; }, kReactMs))
        << "the new value is on the screen";
    EXPECT_TRUE(ApplyEnabled());
    EXPECT_EQ(driver::PressTrackbarKeys(Control(IDC_FORM1_TRACKBAR2), -2), 18);
    EXPECT_EQ(StoredNumber("Target Fre RAM"), 100u) << "moving a slider writes nothing";
    EXPECT_TRUE(engine_->SettingsAtReload().empty()) << "moving a slider tells the engine nothing";

    ASSERT_TRUE(driver::Click(Control(IDC_FORM1_APPLY)));
    EXPECT_EQ(StoredNumber("Target Fre RAM"), 103u);
    EXPECT_EQ(StoredNumber("Minimum Free RAM"), 18u);
    EXPECT_FALSE(ApplyEnabled());

    // Every reload the engine saw already found both values stored.
    const auto reloads = engine_->SettingsAtReload();
    ASSERT_FALSE(reloads.empty()) << "Apply did not tell the engine";
    for (const std::string& reload : reloads) {
        EXPECT_NE(reload.find("Target Fre RAM=103;"), std::string::npos) << reload;
        EXPECT_NE(reload.find("Minimum Free RAM=18;"), std::string::npos) << reload;
    }
}

TEST_F(OptimizerPage, EnableStartsTheEngineAndDisableLeavesItRunning) {
    ASSERT_TRUE(StoreNumber("Talvane_Stat", 0));
    ASSERT_NO_FATAL_FAILURE(StartTalvane());
    EXPECT_EQ(Check(IDC_FORM1_SPEEDBUTTON4), BST_CHECKED) << "no engine runs";

    ASSERT_TRUE(driver::Click(Control(IDC_FORM1_SPEEDBUTTON5)));
    EXPECT_EQ(StoredNumber("Talvane_Stat"), 1u);
    EXPECT_TRUE(driver::WaitUntil([] { return !driver::FindEngineWindows().empty(); }, 10000))
        << "the engine did not start";
    // The next ticks must keep Enable pressed now that the engine's window exists.
    Sleep(1500);
    EXPECT_EQ(Check(IDC_FORM1_SPEEDBUTTON5), BST_CHECKED);
    EXPECT_EQ(Check(IDC_FORM1_SPEEDBUTTON4), BST_UNCHECKED);

    ASSERT_TRUE(driver::Click(Control(IDC_FORM1_SPEEDBUTTON4)));
    EXPECT_EQ(StoredNumber("Talvane_Stat"), 0u);
    Sleep(1500);
    EXPECT_FALSE(driver::FindEngineWindows().empty()) << "Disable must not end the engine";
    EXPECT_EQ(Check(IDC_FORM1_SPEEDBUTTON4), BST_CHECKED);
    EXPECT_EQ(Check(IDC_FORM1_SPEEDBUTTON5), BST_UNCHECKED);
}

TEST_F(OptimizerPage, WithoutARunningEngineTheSwitchShowsDisable) {
    ASSERT_TRUE(StoreNumber("Talvane_Stat", 1));
    ASSERT_NO_FATAL_FAILURE(StartTalvane());
    EXPECT_EQ(Check(IDC_FORM1_SPEEDBUTTON4), BST_CHECKED);
    EXPECT_EQ(Check(IDC_FORM1_SPEEDBUTTON5), BST_UNCHECKED);
}

TEST_F(OptimizerPage, ClosingWithUnsavedChangesAsksAndYesSaves) {
    ASSERT_TRUE(StoreNumber("Target Fre RAM", 64));
    ASSERT_NO_FATAL_FAILURE(StartTalvane());
    EXPECT_EQ(driver::PressTrackbarKeys(Control(IDC_FORM1_TRACKBAR1), 1), 65);
    PostMessageA(app_->Main(), WM_CLOSE, 0, 0);
    EXPECT_EQ(AnswerBox(IDYES, 5000), kUnsavedQuestion) << "closing with changes must ask";
    EXPECT_EQ(app_->Proc().WaitForExit(5000), DWORD{0});
    EXPECT_EQ(StoredNumber("Target Fre RAM"), 65u);
}

TEST_F(OptimizerPage, CancelEndsWithoutAskingOrWriting) {
    ASSERT_TRUE(StoreNumber("Target Fre RAM", 64));
    ASSERT_NO_FATAL_FAILURE(StartTalvane());
    EXPECT_EQ(driver::PressTrackbarKeys(Control(IDC_FORM1_TRACKBAR1), 5), 69);
    ASSERT_TRUE(driver::PostClick(Control(IDC_FORM1_CANCEL)));
    EXPECT_EQ(app_->Proc().WaitForExit(5000), DWORD{0}) << "Cancel must close without a question";
    EXPECT_EQ(StoredNumber("Target Fre RAM"), 64u);
}

TEST_F(OptimizerPage, FirstRunStartsTheEngineOnceAndWritesTheRunEntry) {
    const std::string installDir = driver::DirectoryOf(Config().talvane_exe);
    ASSERT_TRUE(StoreText("CurrentDir2", installDir));
    ASSERT_TRUE(StoreText("FirstTime", "1"));
    ASSERT_NO_FATAL_FAILURE(StartTalvane());

    EXPECT_TRUE(driver::WaitUntil([] { return !driver::FindEngineWindows().empty(); }, 10000))
        << "the engine did not start";
    EXPECT_EQ(StoredText("FirstTime"), "0");
    EXPECT_EQ(StoredNumber("AutoStart"), 1u);
    EXPECT_FALSE(StoredNumber("Talvane_Stat").has_value()) << "the first run leaves the engine state alone";
    const std::string expectedRun = installDir + "\\" + driver::EngineFileName();
    EXPECT_EQ(driver::ReadRegistryString(HKEY_LOCAL_MACHINE, kRunKey, kRunValue), expectedRun);
    EXPECT_EQ(Check(IDC_FORM1_SPEEDBUTTON5), BST_CHECKED);

    ASSERT_EQ(app_->Close(5000), DWORD{0});
    driver::EndEngines();
    ASSERT_NO_FATAL_FAILURE(StartTalvane());
    Sleep(2000);
    EXPECT_TRUE(driver::FindEngineWindows().empty()) << "the next start must not start the engine";
    EXPECT_EQ(StoredText("FirstTime"), "0");
    EXPECT_EQ(driver::ReadRegistryString(HKEY_LOCAL_MACHINE, kRunKey, kRunValue), expectedRun);
    EXPECT_EQ(Check(IDC_FORM1_SPEEDBUTTON4), BST_CHECKED);
}

}  // namespace
}  // namespace talvane::gui_test
