// VelkLaunch.exe from the Windows directory, as a launcher shortcut starts it: the program it starts sees its
// parameters, its own folder and the asked priority; a line or program it cannot use gets an error box and exit 1.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "base/launcher_line.h"
#include "driver/gui_driver.h"

namespace talvane {
namespace {

using wine_driver::Process;

constexpr DWORD kExitMs = 20000;

class LauncherTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        std::string error;
        launcher_ = wine_driver::InstallLauncher(&error);
        ASSERT_FALSE(launcher_.empty()) << error;
        char temp[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, temp);
        // A space in the folder's name, as in "Program Files".
        folder_ = std::string(temp) + "talvane launch " + std::to_string(GetCurrentProcessId()) + "\\";
        ASSERT_TRUE(wine_driver::EnsureDirectory(folder_.substr(0, folder_.size() - 1)));
        recorder_ = folder_ + "launch recorder.exe";
        ASSERT_TRUE(CopyFileA(wine_driver::LaunchRecorderPath().c_str(), recorder_.c_str(), FALSE))
            << wine_driver::LaunchRecorderPath();
        record_ = folder_ + "record.txt";
        SetEnvironmentVariableA("TALVANE_LAUNCH_RECORD", record_.c_str());
    }
    static void TearDownTestSuite() {
        SetEnvironmentVariableA("TALVANE_LAUNCH_RECORD", nullptr);
        DeleteFileA(record_.c_str());
        DeleteFileA(recorder_.c_str());
        RemoveDirectoryA(folder_.c_str());
    }
    void SetUp() override { DeleteFileA(record_.c_str()); }

    // The launcher's exit code.
    static std::optional<DWORD> Launch(const std::string& line, std::optional<Process>* started = nullptr) {
        std::string error;
        auto process = Process::Launch(launcher_, line, {}, &error);
        EXPECT_TRUE(process) << error;
        if (!process) {
            return std::nullopt;
        }
        if (started != nullptr) {
            *started = std::move(process);
            return std::nullopt;
        }
        return process->WaitForExit(kExitMs);
    }

    static std::string launcher_;
    static std::string folder_;
    static std::string recorder_;
    static std::string record_;
};
std::string LauncherTest::launcher_;
std::string LauncherTest::folder_;
std::string LauncherTest::recorder_;
std::string LauncherTest::record_;

TEST_F(LauncherTest, StartsTheProgramInItsFolderWithItsParametersAtThePriority) {
    const struct {
        std::uint32_t megabytes;
        int priority;
        DWORD priorityClass;
    } cases[] = {
        {0, 2, HIGH_PRIORITY_CLASS},
        {0, 0, IDLE_PRIORITY_CLASS},
        {16, kTypedPriority, NORMAL_PRIORITY_CLASS},
    };
    const std::string parameters = "-a b  \"c d\" 100%";
    for (const auto& c : cases) {
        SetUp();
        EXPECT_EQ(Launch(LauncherArguments(c.megabytes, c.priority, recorder_, parameters)), DWORD{0}) << c.priority;
        const auto record = wine_driver::WaitForLaunchRecord(record_, kExitMs);
        ASSERT_TRUE(record) << "the program was not started at priority " << c.priority;
        EXPECT_EQ(record->arguments, parameters);
        EXPECT_EQ(record->directory + "\\", folder_);
        EXPECT_EQ(record->priority_class, c.priorityClass) << c.priority;
    }
}

TEST_F(LauncherTest, ALineOrProgramItCannotUseIsNamedInAnErrorBox) {
    const std::string notAProgram = folder_ + "notes.exe";
    ASSERT_TRUE(wine_driver::WriteTextFile(notAProgram, "not a program"));
    const struct {
        std::string line;
        std::string says;
    } cases[] = {
        {"abc 1 x.exe", "The amount of memory \"abc\" is not a number."},
        {"64 7 x.exe", "The priority \"7\" is none of -1, 0, 1 and 2."},
        {"", "are missing"},
        {LauncherArguments(0, 1, folder_ + "gone.exe", ""), "\"" + folder_ + "gone.exe\" does not exist"},
        {LauncherArguments(0, 1, notAProgram, ""), "\"" + notAProgram + "\" could not be started"},
    };
    for (const auto& c : cases) {
        std::optional<Process> process;
        Launch(c.line, &process);
        ASSERT_TRUE(process);
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
    EXPECT_FALSE(wine_driver::FileExists(record_)) << "nothing was to be started";
    DeleteFileA(notAProgram.c_str());
}

}  // namespace
}  // namespace talvane
