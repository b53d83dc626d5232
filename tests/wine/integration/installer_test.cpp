// TalvaneSetup.exe and the uninstaller it writes, both silent, as a user's machine sees them.
#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "driver/gui_driver.h"

namespace talvane {
namespace {

namespace driver = wine_driver;

constexpr DWORD kSetupMs = 60000;
constexpr char kSettingsKey[] = R"(Software\Talvane)";
constexpr char kRunKey[] = R"(SOFTWARE\Microsoft\Windows\CurrentVersion\Run)";
constexpr char kRunValue[] = "Talvane Professional";
constexpr char kDisabledRunKey[] = R"(SOFTWARE\Microsoft\Windows\CurrentVersion\Disabled Run)";
constexpr char kUserItem[] = "Talvane installer test item";
constexpr char kPanelCaption[] = "Talvane Limited Edition";

std::optional<std::string> VersionText(const std::string& file, const char* field) {
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(file.c_str(), &ignored);
    if (size == 0) {
        return std::nullopt;
    }
    std::vector<char> block(size);
    void* text = nullptr;
    UINT length = 0;
    const std::string query = std::string(R"(\StringFileInfo\040904E4\)") + field;
    if (!GetFileVersionInfoA(file.c_str(), 0, size, block.data()) ||
        !VerQueryValueA(block.data(), query.c_str(), &text, &length) || length == 0) {
        return std::nullopt;
    }
    return std::string(static_cast<const char*>(text));
}

class Installer : public ::testing::Test {
protected:
    void SetUp() override {
        setup_ = driver::SetupPath();
        ASSERT_TRUE(driver::FileExists(setup_)) << setup_;
        installDir_ = driver::DefaultInstallFolder();
        menuDir_ = driver::JoinPath(driver::ShellFolderPath(CSIDL_PROGRAMS), "Talvane");
        launcherLink_ = driver::JoinPath(driver::ShellFolderPath(CSIDL_DESKTOPDIRECTORY), "Talvane test launch.lnk");
        ASSERT_FALSE(driver::FileExists(driver::JoinPath(installDir_, "Talvane.exe"))) << "installed before the test";
        driver::DeleteRegistryTree(HKEY_CURRENT_USER, kSettingsKey);
        driver::DeleteRegistryValue(HKEY_LOCAL_MACHINE, kRunKey, kRunValue);
    }

    void TearDown() override {
        if (driver::FileExists(driver::JoinPath(installDir_, "Uninstall.exe"))) {
            Uninstall();
        }
        driver::DeleteRegistryTree(HKEY_CURRENT_USER, kSettingsKey);
        driver::DeleteRegistryValue(HKEY_CURRENT_USER, kRunKey, kUserItem);
        driver::DeleteRegistryValue(HKEY_LOCAL_MACHINE, kDisabledRunKey, kUserItem);
        DeleteFileA(launcherLink_.c_str());
    }

    void Install() const {
        std::string error;
        ASSERT_TRUE(driver::InstallSilently(kSetupMs, &error)) << error;
    }

    void Uninstall() const {
        std::string error;
        ASSERT_TRUE(driver::UninstallSilently(installDir_, kSetupMs, &error)) << error;
    }

    std::vector<std::string> ProgramFiles() const {
        std::vector<std::string> files;
        for (const char* name :
             {"Talvane.exe", "VELK_98.exe", "VELK_ME.exe", "VELK_XP.exe", "Help.chm", "Uninstall.exe"}) {
            files.push_back(driver::JoinPath(installDir_, name));
        }
        files.push_back(driver::JoinPath(driver::WindowsDirectory(), "VelkLaunch.exe"));
        return files;
    }

    std::vector<std::string> MenuLinks() const {
        return {driver::JoinPath(menuDir_, "Talvane.lnk"), driver::JoinPath(menuDir_, "Talvane Help.lnk"),
                driver::JoinPath(menuDir_, "Uninstall Talvane.lnk")};
    }

    std::string setup_;
    std::string installDir_;
    std::string menuDir_;
    std::string launcherLink_;
};

TEST_F(Installer, InstallsStartsTheEngineOnFirstStartAndUninstallsOnlyItsOwn) {
    // The user's own startup items and launcher shortcut, made before.
    ASSERT_TRUE(driver::WriteRegistryString(HKEY_CURRENT_USER, kRunKey, kUserItem, "C:\\tools\\item.exe"));
    ASSERT_TRUE(driver::WriteRegistryString(HKEY_LOCAL_MACHINE, kDisabledRunKey, kUserItem, "C:\\tools\\off.exe"));
    ASSERT_TRUE(driver::WriteShellLink(launcherLink_, driver::JoinPath(driver::WindowsDirectory(), "VelkLaunch.exe"),
                                       "64 1 \"C:\\tools\\item.exe\""));

    ASSERT_NO_FATAL_FAILURE(Install());
    for (const auto& file : ProgramFiles()) {
        EXPECT_TRUE(driver::FileExists(file)) << file;
    }
    // Every program and the installer carry the same version, and each program its own file name.
    const auto version = VersionText(setup_, "ProductVersion");
    ASSERT_TRUE(version);
    for (const auto& file : ProgramFiles()) {
        const std::string name = file.substr(file.rfind('\\') + 1);
        if (name != "Help.chm") {
            EXPECT_EQ(VersionText(file, "ProductVersion"), version) << file;
        }
        if (name != "Help.chm" && name != "Uninstall.exe") {
            EXPECT_EQ(VersionText(file, "OriginalFilename"), name) << file;
        }
    }
    for (const auto& link : MenuLinks()) {
        EXPECT_TRUE(driver::FileExists(link)) << link;
    }
    const auto panelLink = driver::ReadShellLink(MenuLinks().front());
    ASSERT_TRUE(panelLink);
    EXPECT_TRUE(driver::SamePath(panelLink->target, driver::JoinPath(installDir_, "Talvane.exe"))) << panelLink->target;
    EXPECT_EQ(driver::ReadRegistryString(HKEY_CURRENT_USER, kSettingsKey, "CurrentDir2"), installDir_);
    EXPECT_EQ(driver::ReadRegistryString(HKEY_CURRENT_USER, kSettingsKey, "FirstTime"), "1");
    EXPECT_TRUE(driver::ReadRegistryString(HKEY_LOCAL_MACHINE, driver::kUninstallKey, "UninstallString"));

    // The first start, from the Start Menu's folder as a user would: engine started, Run entry written.
    std::string error;
    auto panel = driver::Process::Launch(driver::JoinPath(installDir_, "Talvane.exe"), {}, installDir_, &error);
    ASSERT_TRUE(panel) << error;
    HWND main = driver::WaitForTopLevelWindow({panel->Id(), "TForm1", kPanelCaption, true}, 10000);
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(driver::WaitUntil([] { return !driver::FindEngineWindows().empty(); }, 10000))
        << "the engine did not start";
    const std::string runEntry = driver::JoinPath(installDir_, driver::EngineFileName());
    EXPECT_TRUE(driver::WaitUntil(
        [&] { return driver::ReadRegistryString(HKEY_LOCAL_MACHINE, kRunKey, kRunValue) == runEntry; }, 5000))
        << "no Run entry " << runEntry;
    EXPECT_EQ(driver::ReadRegistryString(HKEY_CURRENT_USER, kSettingsKey, "FirstTime"), "0");
    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(panel->WaitForExit(10000), DWORD{0});

    // The engine still runs: the uninstaller has to end it.
    ASSERT_NO_FATAL_FAILURE(Uninstall());
    EXPECT_TRUE(driver::FindEngineWindows().empty());
    for (const auto& file : ProgramFiles()) {
        EXPECT_FALSE(driver::FileExists(file)) << file;
    }
    EXPECT_FALSE(driver::FolderExists(installDir_));
    EXPECT_FALSE(driver::FolderExists(menuDir_));
    EXPECT_FALSE(driver::ReadRegistryString(HKEY_LOCAL_MACHINE, kRunKey, kRunValue));
    EXPECT_TRUE(driver::RegistryKeyExists(HKEY_CURRENT_USER, kSettingsKey)) << "a silent uninstall keeps settings";
    EXPECT_EQ(driver::ReadRegistryString(HKEY_CURRENT_USER, kRunKey, kUserItem), "C:\\tools\\item.exe");
    EXPECT_EQ(driver::ReadRegistryString(HKEY_LOCAL_MACHINE, kDisabledRunKey, kUserItem), "C:\\tools\\off.exe");
    EXPECT_TRUE(driver::FileExists(launcherLink_));
}

TEST_F(Installer, InstallingAgainOverTheRunningProgramsClosesThemAndKeepsTheSettings) {
    ASSERT_NO_FATAL_FAILURE(Install());
    ASSERT_TRUE(driver::WriteRegistryDword(HKEY_CURRENT_USER, kSettingsKey, "Target Fre RAM", 77));
    ASSERT_TRUE(driver::WriteRegistryString(HKEY_CURRENT_USER, kSettingsKey, "FirstTime", "0"));
    std::string error;
    auto engine =
        driver::Process::Launch(driver::JoinPath(installDir_, driver::EngineFileName()), {}, installDir_, &error);
    ASSERT_TRUE(engine) << error;
    ASSERT_TRUE(driver::WaitUntil([] { return !driver::FindEngineWindows().empty(); }, 10000));
    auto panel = driver::Process::Launch(driver::JoinPath(installDir_, "Talvane.exe"), {}, installDir_, &error);
    ASSERT_TRUE(panel) << error;
    ASSERT_NE(driver::WaitForTopLevelWindow({panel->Id(), "TForm1", kPanelCaption, true}, 10000), nullptr);

    ASSERT_NO_FATAL_FAILURE(Install());
    EXPECT_TRUE(engine->WaitForExit(0)) << "the running engine was not closed";
    EXPECT_TRUE(panel->WaitForExit(0)) << "the running control panel was not closed";
    EXPECT_EQ(driver::ReadRegistryDword(HKEY_CURRENT_USER, kSettingsKey, "Target Fre RAM"), DWORD{77});
    EXPECT_EQ(driver::ReadRegistryString(HKEY_CURRENT_USER, kSettingsKey, "FirstTime"), "1");
    EXPECT_EQ(driver::ReadRegistryString(HKEY_CURRENT_USER, kSettingsKey, "CurrentDir2"), installDir_);
}

}  // namespace
}  // namespace talvane
