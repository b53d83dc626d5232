// TalvaneSetup.exe and its uninstaller as a user clicks through them, with a screenshot of each page and question.
#include <gtest/gtest.h>

#include <string>

#include "driver/gui_driver.h"
#include "gui_fixture.h"

namespace talvane::gui_test {
namespace {

namespace driver = wine_driver;

constexpr DWORD kPageMs = 30000;
constexpr int kNextButton = 1;  // Next, Install, Finish, Uninstall and Close in turn
constexpr char kSettingsKey[] = R"(Software\Talvane)";

class SetupWizard : public TalvaneTest {
protected:
    // A test that stopped half-way leaves nothing installed for the next.
    void TearDown() override {
        if (driver::FileExists(driver::JoinPath(driver::DefaultInstallFolder(), "Uninstall.exe"))) {
            static_cast<void>(driver::UninstallSilently(driver::DefaultInstallFolder(), kPageMs));
        }
        TalvaneTest::TearDown();
    }

    // Screenshots the wizard's page once its main button reads `button`, then presses it.
    void Press(HWND wizard, const char* button, const std::string& screenshot) const {
        HWND next = driver::FindControl(wizard, kNextButton);
        ASSERT_TRUE(driver::WaitUntil([&] { return driver::CaptionOf(next) == button; }, kPageMs))
            << "the button reads \"" << driver::CaptionOf(next) << "\", not \"" << button << "\"" << OpenDialogs();
        SaveScreenshot(wizard, screenshot);
        ASSERT_TRUE(driver::PostClick(next));
    }

    // What else is on screen when a page does not come: a question of the installer's, most likely.
    static std::string OpenDialogs() {
        std::string open;
        for (HWND window : driver::FindTopLevelWindows({0, "#32770", nullptr, true})) {
            open += "; open: \"" + driver::CaptionOf(window) + "\" " + driver::MessageBoxText(window);
        }
        return open;
    }

    // The uninstaller runs as a copy of itself, so its windows are found by caption (the pages add a space to it)
    // and, for its questions, by text.
    static HWND WaitForUninstaller(const std::string& part) {
        return driver::PollFor(
            [&]() -> HWND {
                for (HWND window : driver::FindTopLevelWindows({0, "#32770", nullptr, true})) {
                    if (driver::CaptionOf(window).rfind("Talvane Uninstall", 0) == 0 &&
                        driver::MessageBoxText(window).find(part) != std::string::npos) {
                        return window;
                    }
                }
                return nullptr;
            },
            kPageMs);
    }
};

TEST_F(SetupWizard, InstallsPageByPageStartsTalvaneAndUninstallsClosingItAndAskingAboutTheSettings) {
    const std::string installDir = driver::DefaultInstallFolder();
    ASSERT_FALSE(driver::FolderExists(installDir)) << "installed before the test";
    driver::DeleteRegistryTree(HKEY_CURRENT_USER, kSettingsKey);
    std::string error;
    auto setup = driver::Process::Launch(driver::SetupPath(), {}, {}, &error);
    ASSERT_TRUE(setup) << error;
    HWND wizard = driver::WaitForTopLevelWindow({setup->Id(), "#32770", "Talvane Setup", true}, kPageMs);
    ASSERT_NE(wizard, nullptr);
    ASSERT_NO_FATAL_FAILURE(Press(wizard, "&Next >", "setup_welcome"));
    ASSERT_NO_FATAL_FAILURE(Press(wizard, "&Install", "setup_folder"));
    // Finish with "Start Talvane now" checked, as offered.
    ASSERT_NO_FATAL_FAILURE(Press(wizard, "&Finish", "setup_finish"));
    EXPECT_EQ(setup->WaitForExit(kPageMs), DWORD{0});
    HWND main = driver::WaitForTopLevelWindow({0, "TForm1", "Talvane Limited Edition", true}, kPageMs);
    ASSERT_NE(main, nullptr) << "Talvane did not start from the last page";
    EXPECT_TRUE(driver::WaitUntil([] { return !driver::FindEngineWindows().empty(); }, kPageMs))
        << "the first start did not start the engine";

    auto uninstall = driver::Process::Launch(driver::JoinPath(installDir, "Uninstall.exe"), {}, {}, &error);
    ASSERT_TRUE(uninstall) << error;
    HWND remover = WaitForUninstaller("");
    ASSERT_NE(remover, nullptr);
    ASSERT_NO_FATAL_FAILURE(Press(remover, "&Uninstall", "uninstall_confirm"));
    HWND running = WaitForUninstaller("is running");
    ASSERT_NE(running, nullptr) << "no question about the running control panel and engine";
    SaveScreenshot(running, "uninstall_running");
    ASSERT_TRUE(driver::AnswerMessageBox(running, IDOK));
    HWND keep = WaitForUninstaller("Keep your Talvane settings");
    ASSERT_NE(keep, nullptr);
    SaveScreenshot(keep, "uninstall_keep_settings");
    ASSERT_TRUE(driver::AnswerMessageBox(keep, IDNO));
    ASSERT_NO_FATAL_FAILURE(Press(remover, "&Close", "uninstall_done"));

    EXPECT_TRUE(driver::WaitUntil([&] { return IsWindow(remover) == FALSE; }, kPageMs));
    EXPECT_FALSE(IsWindow(main)) << "the control panel was not closed";
    EXPECT_TRUE(driver::FindEngineWindows().empty()) << "the engine was not closed";
    EXPECT_FALSE(driver::FolderExists(installDir));
    EXPECT_FALSE(driver::RegistryKeyExists(HKEY_CURRENT_USER, kSettingsKey)) << "the settings were kept";
}

}  // namespace
}  // namespace talvane::gui_test
