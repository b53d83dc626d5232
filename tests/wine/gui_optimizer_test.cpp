// The RAM Optimizer page end to end: sliders, Apply, the engine switch, closing and the first run.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "control_ids.h"
#include "driver/gui_driver.h"
#include "gui_config.h"
#include "gui_fixture.h"
#include "talvane_app.h"

namespace talvane::gui_test {
namespace {

namespace driver = wine_driver;

constexpr char kSettingsKey[] = "Software\\Talvane";
constexpr char kRunKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr char kRunValue[] = "Talvane Professional";
constexpr DWORD kReactMs = 3000;
constexpr char kUnsavedQuestion[] =
    "There are unsaved changes in Talvane Professional. Do you want to apply the changes now?";

void SetDword(const char* name, DWORD value) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof(value));
    RegCloseKey(key);
}

void SetText(const char* name, const std::string& value) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.data()), static_cast<DWORD>(value.size()));
    RegCloseKey(key);
}

std::optional<DWORD> StoredDword(const char* name) {
    return driver::ReadRegistryDword(HKEY_CURRENT_USER, kSettingsKey, name);
}

std::vector<HWND> EngineWindows() {
    return driver::FindTopLevelWindows({0, "TForm1", "Talvane", false});
}

// Every engine, real or fake, is asked to end, so each test starts with none running.
void EndEngines() {
    for (HWND window : EngineWindows()) {
        PostMessageA(window, WM_CLOSE, 0, 0);
    }
    driver::WaitUntil([] { return EngineWindows().empty(); }, 5000);
}

std::string EngineFileForMode(const std::string& mode) {
    if (mode == "win98") {
        return "VELK_98.exe";
    }
    if (mode == "winme") {
        return "VELK_ME.exe";
    }
    return "VELK_XP.exe";
}

std::string DirectoryOf(const std::string& path) {
    const auto slash = path.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

class OptimizerPage : public TalvaneTest {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(TalvaneTest::SetUp());
        EndEngines();
        ASSERT_TRUE(driver::DeleteRegistryTree(HKEY_CURRENT_USER, kSettingsKey));
        HKEY run = nullptr;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kRunKey, 0, KEY_SET_VALUE, &run) == ERROR_SUCCESS) {
            RegDeleteValueA(run, kRunValue);
            RegCloseKey(run);
        }
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
        EndEngines();
        if (!engineLog_.empty()) {
            DeleteFileA(engineLog_.c_str());
            DeleteFileA((engineLog_ + ".settings").c_str());
        }
    }

    void StartFakeEngine() {
        engineLog_ = driver::TempFilePath("engine_log");
        std::string error;
        engine_ = driver::Process::Launch(Config().fake_engine_exe, "\"" + engineLog_ + "\" 60000", {}, &error);
        ASSERT_TRUE(engine_) << error;
        ASSERT_NE(driver::WaitForTopLevelWindow({engine_->Id(), "TForm1", "Talvane", false}, 10000), nullptr);
    }

    std::vector<std::string> SettingsAtReload() const {
        std::ifstream in(engineLog_ + ".settings");
        std::vector<std::string> lines;
        for (std::string line; std::getline(in, line);) {
            lines.push_back(line);
        }
        return lines;
    }

    HWND Control(int id) const { return app_->Control(id); }
    std::string Text(int id) const { return app_->Text(id).value_or("<unreadable>"); }
    bool ApplyEnabled() const { return IsWindowEnabled(Control(IDC_FORM1_APPLY)) != FALSE; }
    std::optional<int> Check(int id) const { return driver::ReadCheck(Control(id)); }

    std::optional<driver::Process> engine_;
    std::string engineLog_;
};

std::uint32_t TotalPhysMB() {
    MEMORYSTATUSEX status{};
    status.dwLength = sizeof(status);
    GlobalMemoryStatusEx(&status);
    const auto mb = static_cast<std::uint32_t>(status.ullTotalPhys >> 20);
    return mb + 4 - mb % 4;
}

TEST_F(OptimizerPage, StoredValuesShowOnTheSlidersAndApplyStartsDisabled) {
    SetDword("Target Fre RAM", 100);
    SetDword("Minimum Free RAM", 20);
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
    SetDword("Target Fre RAM", 100);
    SetDword("Minimum Free RAM", 20);
    ASSERT_NO_FATAL_FAILURE(StartFakeEngine());
    ASSERT_NO_FATAL_FAILURE(StartTalvane());

    EXPECT_EQ(driver::PressTrackbarKeys(Control(IDC_FORM1_TRACKBAR1), 3), 103);
    EXPECT_TRUE(driver::WaitUntil([&] { return Text(IDC_FORM1_LABEL5) == "103 MB"; }, kReactMs));
    EXPECT_TRUE(ApplyEnabled());
    EXPECT_EQ(driver::PressTrackbarKeys(Control(IDC_FORM1_TRACKBAR2), -2), 18);
    EXPECT_EQ(StoredDword("Target Fre RAM"), 100u) << "moving a slider writes nothing";
    EXPECT_TRUE(SettingsAtReload().empty()) << "moving a slider tells the engine nothing";

    ASSERT_TRUE(driver::Click(Control(IDC_FORM1_APPLY)));
    EXPECT_EQ(StoredDword("Target Fre RAM"), 103u);
    EXPECT_EQ(StoredDword("Minimum Free RAM"), 18u);
    EXPECT_FALSE(ApplyEnabled());

    // Every reload the engine saw already found both values stored.
    const auto reloads = SettingsAtReload();
    ASSERT_FALSE(reloads.empty()) << "Apply did not tell the engine";
    for (const std::string& reload : reloads) {
        EXPECT_NE(reload.find("Target Fre RAM=103;"), std::string::npos) << reload;
        EXPECT_NE(reload.find("Minimum Free RAM=18;"), std::string::npos) << reload;
    }
}

TEST_F(OptimizerPage, EnableStartsTheEngineAndDisableLeavesItRunning) {
    SetDword("Talvane_Stat", 0);
    ASSERT_NO_FATAL_FAILURE(StartTalvane());
    EXPECT_EQ(Check(IDC_FORM1_SPEEDBUTTON4), BST_CHECKED) << "no engine runs";

    ASSERT_TRUE(driver::Click(Control(IDC_FORM1_SPEEDBUTTON5)));
    EXPECT_EQ(StoredDword("Talvane_Stat"), 1u);
    EXPECT_TRUE(driver::WaitUntil([] { return !EngineWindows().empty(); }, 10000)) << "the engine did not start";
    // The next ticks must keep Enable pressed now that the engine's window exists.
    Sleep(1500);
    EXPECT_EQ(Check(IDC_FORM1_SPEEDBUTTON5), BST_CHECKED);
    EXPECT_EQ(Check(IDC_FORM1_SPEEDBUTTON4), BST_UNCHECKED);

    ASSERT_TRUE(driver::Click(Control(IDC_FORM1_SPEEDBUTTON4)));
    EXPECT_EQ(StoredDword("Talvane_Stat"), 0u);
    Sleep(1500);
    EXPECT_FALSE(EngineWindows().empty()) << "Disable must not end the engine";
    EXPECT_EQ(Check(IDC_FORM1_SPEEDBUTTON4), BST_CHECKED);
    EXPECT_EQ(Check(IDC_FORM1_SPEEDBUTTON5), BST_UNCHECKED);
}

TEST_F(OptimizerPage, WithoutARunningEngineTheSwitchShowsDisable) {
    SetDword("Talvane_Stat", 1);
    ASSERT_NO_FATAL_FAILURE(StartTalvane());
    EXPECT_EQ(Check(IDC_FORM1_SPEEDBUTTON4), BST_CHECKED);
    EXPECT_EQ(Check(IDC_FORM1_SPEEDBUTTON5), BST_UNCHECKED);
}

TEST_F(OptimizerPage, ClosingWithUnsavedChangesAsksAndYesSaves) {
    SetDword("Target Fre RAM", 64);
    ASSERT_NO_FATAL_FAILURE(StartTalvane());
    EXPECT_EQ(driver::PressTrackbarKeys(Control(IDC_FORM1_TRACKBAR1), 1), 65);
    PostMessageA(app_->Main(), WM_CLOSE, 0, 0);
    HWND box = driver::WaitForMessageBox(app_->Proc().Id(), 5000);
    ASSERT_NE(box, nullptr) << "closing with changes must ask";
    EXPECT_EQ(driver::MessageBoxText(box), kUnsavedQuestion);
    ASSERT_TRUE(driver::AnswerMessageBox(box, IDYES));
    EXPECT_EQ(app_->Proc().WaitForExit(5000), DWORD{0});
    EXPECT_EQ(StoredDword("Target Fre RAM"), 65u);
}

TEST_F(OptimizerPage, CancelEndsWithoutAskingOrWriting) {
    SetDword("Target Fre RAM", 64);
    ASSERT_NO_FATAL_FAILURE(StartTalvane());
    EXPECT_EQ(driver::PressTrackbarKeys(Control(IDC_FORM1_TRACKBAR1), 5), 69);
    ASSERT_TRUE(driver::PostClick(Control(IDC_FORM1_CANCEL)));
    EXPECT_EQ(app_->Proc().WaitForExit(5000), DWORD{0}) << "Cancel must close without a question";
    EXPECT_EQ(StoredDword("Target Fre RAM"), 64u);
}

TEST_F(OptimizerPage, FirstRunStartsTheEngineOnceAndWritesTheRunEntry) {
    const std::string installDir = DirectoryOf(Config().talvane_exe);
    SetText("CurrentDir2", installDir);
    SetText("FirstTime", "1");
    ASSERT_NO_FATAL_FAILURE(StartTalvane());

    EXPECT_TRUE(driver::WaitUntil([] { return !EngineWindows().empty(); }, 10000)) << "the engine did not start";
    EXPECT_EQ(driver::ReadRegistryString(HKEY_CURRENT_USER, kSettingsKey, "FirstTime"), "0");
    EXPECT_EQ(StoredDword("AutoStart"), 1u);
    EXPECT_FALSE(StoredDword("Talvane_Stat").has_value()) << "the first run leaves the engine state alone";
    const std::string expectedRun = installDir + "\\" + EngineFileForMode(Config().mode);
    EXPECT_EQ(driver::ReadRegistryString(HKEY_LOCAL_MACHINE, kRunKey, kRunValue), expectedRun);
    EXPECT_EQ(Check(IDC_FORM1_SPEEDBUTTON5), BST_CHECKED);

    ASSERT_EQ(app_->Close(5000), DWORD{0});
    EndEngines();
    ASSERT_NO_FATAL_FAILURE(StartTalvane());
    Sleep(2000);
    EXPECT_TRUE(EngineWindows().empty()) << "the next start must not start the engine";
    EXPECT_EQ(driver::ReadRegistryString(HKEY_CURRENT_USER, kSettingsKey, "FirstTime"), "0");
    EXPECT_EQ(driver::ReadRegistryString(HKEY_LOCAL_MACHINE, kRunKey, kRunValue), expectedRun);
    EXPECT_EQ(Check(IDC_FORM1_SPEEDBUTTON4), BST_CHECKED);
}

}  // namespace
}  // namespace talvane::gui_test
