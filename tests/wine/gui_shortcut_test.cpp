// The Create Shortcut page end to end: the link it writes, and the program that link starts through the launcher.
#include <gtest/gtest.h>

#include <shlobj.h>

#include <string>

#include "control_ids.h"
#include "driver/gui_driver.h"
#include "gui_fixture.h"

namespace talvane::gui_test {
namespace {

namespace driver = wine_driver;

class ShortcutPage : public StartedTalvaneTest {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(StartedTalvaneTest::SetUp());
        char temp[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, temp);
        // A space in the folder's name, as in "Program Files".
        folder_ = std::string(temp) + "talvane shortcut " + std::to_string(GetCurrentProcessId());
        ASSERT_TRUE(driver::EnsureDirectory(folder_));
        program_ = folder_ + "\\launch recorder.exe";
        ASSERT_TRUE(CopyFileA(driver::LaunchRecorderPath().c_str(), program_.c_str(), FALSE));
        record_ = folder_ + "\\record.txt";
        desktopLink_ = driver::ShellFolderPath(CSIDL_DESKTOPDIRECTORY) + name_ + ".lnk";
        char startMenu[MAX_PATH] = {};
        SHGetSpecialFolderPathA(nullptr, startMenu, CSIDL_STARTMENU, FALSE);
        startMenuLink_ = std::string(startMenu) + "\\Programs\\" + name_ + ".lnk";
        ASSERT_TRUE(driver::Click(Control(IDC_FORM1_NAV_SHORTCUT)));
    }
    void TearDown() override {
        TalvaneTest::TearDown();
        for (const std::string& file : {desktopLink_, startMenuLink_, record_, program_}) {
            DeleteFileA(file.c_str());
        }
        RemoveDirectoryA(folder_.c_str());
    }

    void SetText(int id, const std::string& text) {
        ASSERT_TRUE(driver::SendWithTimeout(Control(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str())));
    }
    bool CreateEnabled() const { return IsWindowEnabled(Control(IDC_FORM1_SPEEDBUTTON19)) != FALSE; }

    const std::string name_ = "TalvaneTest Tool";
    std::string folder_;
    std::string program_;
    std::string record_;
    std::string desktopLink_;
    std::string startMenuLink_;
};

TEST_F(ShortcutPage, LinksOnTheDesktopAndInTheStartMenuStartTheProgramAsAsked) {
    ASSERT_TRUE(driver::HoverCenter(Control(IDC_FORM1_LABEL37)));
    EXPECT_EQ(TextOnceEqual(IDC_FORM1_QUICKINFO_LINE2,
                            "to enter it manually. Please use the browse button to enter the path."),
              "to enter it manually. Please use the browse button to enter the path.")
        << "the path label describes itself";
    ASSERT_NO_FATAL_FAILURE(SetText(IDC_FORM1_EDIT4, name_));
    EXPECT_FALSE(CreateEnabled()) << "no program yet";
    ASSERT_NO_FATAL_FAILURE(SetText(IDC_FORM1_EDIT5, program_));
    EXPECT_TRUE(CreateEnabled());
    ASSERT_NO_FATAL_FAILURE(SetText(IDC_FORM1_EDIT9, "-a  b"));
    EXPECT_EQ(driver::PressTrackbarKeys(Control(IDC_FORM1_TRACKBAR3), 2), 2);
    EXPECT_EQ(Text(IDC_FORM1_LABEL41), "2 MB of RAM");
    ASSERT_TRUE(driver::SendWithTimeout(Control(IDC_FORM1_COMBOBOX5), CB_SETCURSEL, 2, 0));  // High priority
    ASSERT_TRUE(driver::Click(Control(IDC_FORM1_SPEEDBUTTON19)));
    SaveScreenshot(app_->Main(), "page_shortcut_filled");

    const auto link = driver::ReadShellLink(desktopLink_);
    ASSERT_TRUE(link) << "no link on the desktop: " << desktopLink_;
    EXPECT_TRUE(driver::SamePath(link->target, driver::WindowsDirectory() + "\\VelkLaunch.exe")) << link->target;
    std::string escaped = program_;
    for (std::size_t at = escaped.find(' '); at != std::string::npos; at = escaped.find(' ', at)) {
        escaped.replace(at, 1, "%80");
    }
    EXPECT_EQ(link->arguments, "2 2 " + escaped + " -a%80%80b");
    EXPECT_TRUE(driver::SamePath(link->working_directory, folder_ + "\\")) << link->working_directory;
    EXPECT_TRUE(driver::SamePath(link->icon_file, program_)) << link->icon_file;

    ASSERT_TRUE(driver::SendWithTimeout(Control(IDC_FORM1_COMBOBOX4), CB_SETCURSEL, 1, 0));  // Start Menu
    ASSERT_TRUE(driver::Click(Control(IDC_FORM1_SPEEDBUTTON19)));
    EXPECT_TRUE(driver::ReadShellLink(startMenuLink_)) << "no link in " << startMenuLink_;

    // What double-clicking the link does.
    SetEnvironmentVariableA("TALVANE_LAUNCH_RECORD", record_.c_str());
    auto launched = driver::Process::Launch(link->target, link->arguments, link->working_directory);
    SetEnvironmentVariableA("TALVANE_LAUNCH_RECORD", nullptr);
    ASSERT_TRUE(launched);
    EXPECT_EQ(launched->WaitForExit(20000), DWORD{0}) << "the launcher failed";
    const auto record = driver::WaitForLaunchRecord(record_, 10000);
    ASSERT_TRUE(record) << "the program was not started";
    EXPECT_EQ(record->arguments, "-a  b");
    EXPECT_TRUE(driver::SamePath(record->directory, folder_)) << record->directory;
    EXPECT_EQ(record->priority_class, DWORD{HIGH_PRIORITY_CLASS});
}

TEST_F(ShortcutPage, ALinkThatCannotBeSavedIsSaidAndTheFieldsStay) {
    ASSERT_NO_FATAL_FAILURE(SetText(IDC_FORM1_EDIT4, name_));
    ASSERT_NO_FATAL_FAILURE(SetText(IDC_FORM1_EDIT5, program_));
    const std::string missing = folder_ + "\\missing";
    ASSERT_NO_FATAL_FAILURE(SetText(IDC_FORM1_COMBOBOX4, missing));
    ASSERT_TRUE(driver::PostClick(Control(IDC_FORM1_SPEEDBUTTON19)));
    const std::string text = AnswerBox(IDOK);
    EXPECT_NE(text.find(missing + "\\" + name_ + ".lnk"), std::string::npos) << text;
    EXPECT_NE(text.find("does not exist"), std::string::npos) << text;
    EXPECT_EQ(Text(IDC_FORM1_EDIT4), name_);
    EXPECT_FALSE(driver::FolderExists(missing));
}

}  // namespace
}  // namespace talvane::gui_test
