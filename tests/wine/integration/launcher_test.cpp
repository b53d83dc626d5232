// VelkLaunch.exe: a line or program it cannot use gets an error box that names it, and exit code 1.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "base/launcher_line.h"
#include "driver/gui_driver.h"

namespace talvane {
namespace {

using wine_driver::Process;

constexpr DWORD kExitMs = 20000;

// The launcher as a shortcut starts it, from the Windows folder; the programs it cannot start lie in a folder with
// a space in its name, as in "Program Files". (The GUI test of the shortcut page starts a program through it.)
TEST(LauncherTest, ALineOrProgramItCannotUseIsNamedInAnErrorBox) {
    std::string error;
    const std::string launcher = wine_driver::InstallLauncher(&error);
    ASSERT_FALSE(launcher.empty()) << error;
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    const std::string folder = std::string(temp) + "talvane launch " + std::to_string(GetCurrentProcessId()) + "\\";
    ASSERT_TRUE(wine_driver::EnsureDirectory(folder.substr(0, folder.size() - 1)));
    const std::string notAProgram = folder + "notes.exe";
    ASSERT_TRUE(wine_driver::WriteTextFile(notAProgram, "not a program"));
    const struct {
        std::string line;
        std::string says;
    } cases[] = {
        {"abc 1 x.exe", "The amount of memory \"abc\" is not a number."},
        {"64 7 x.exe", "The priority \"7\" is none of -1, 0, 1 and 2."},
        {"", "are missing"},
        {LauncherArguments(0, 1, folder + "gone.exe", ""), "\"" + folder + "gone.exe\" does not exist"},
        {LauncherArguments(0, 1, notAProgram, ""), "\"" + notAProgram + "\" could not be started"},
    };
    for (const auto& c : cases) {
        auto process = Process::Launch(launcher, c.line, {}, &error);
        ASSERT_TRUE(process) << error;
        HWND box = wine_driver::WaitForMessageBox(process->Id(), kExitMs);
        ASSERT_NE(box, nullptr) << "no error box for: " << c.line;
        char caption[64] = {};
        GetWindowTextA(box, caption, sizeof(caption));
        EXPECT_STREQ(caption, "Talvane");
        const std::string text = wine_driver::MessageBoxText(box);
        EXPECT_NE(text.find(c.says), std::string::npos) << text;
        EXPECT_TRUE(wine_driver::AnswerMessageBox(box, IDOK));
        EXPECT_EQ(process->WaitForExit(kExitMs), DWORD{1}) << c.line;
    }
    DeleteFileA(notAProgram.c_str());
    RemoveDirectoryA(folder.c_str());
}

}  // namespace
}  // namespace talvane
