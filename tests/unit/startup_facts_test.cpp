#include "base/startup_facts.h"

#include <gtest/gtest.h>

#include "fakes/fake_platform.h"

namespace talvane {
namespace {

using platform::ShellFolder;

TEST(StartupFactsTest, ReadsFoldersInTheirOrderAndForms) {
    fakes::CallLog log;
    fakes::FakeSystem system(&log);
    fakes::FakeShell shell(&log);
    shell.folders = {
        {ShellFolder::StartMenu, "C:\\U\\Start Menu"},
        {ShellFolder::Desktop, "C:\\U\\Desktop"},
        {ShellFolder::Startup, "C:\\U\\Start Menu\\Programs\\Startup"},
        {ShellFolder::Programs, "C:\\U\\Start Menu\\Programs"},
        {ShellFolder::CommonPrograms, "C:\\All\\Programs"},
        // no common Startup folder, as on a Windows 98 without profiles
    };
    StartupFacts facts;
    ReadWindowsDirectories(system, facts);
    ReadShellFolders(shell, 5, facts);

    EXPECT_EQ(log.Entries(), (std::vector<std::string>{"GetSystemDirectory", "GetWindowsDirectory", "SpecialFolder 11",
                                                       "SpecialFolder 0", "SpecialFolder 24", "SpecialFolder 7",
                                                       "SpecialFolder 23", "SpecialFolder 2"}));
    EXPECT_EQ(facts.startMenuDir, "C:\\U\\Start Menu");
    EXPECT_EQ(facts.desktopDir, "C:\\U\\Desktop");
    EXPECT_EQ(facts.startupDir, "C:\\U\\Start Menu\\Programs\\Startup\\");
    EXPECT_EQ(facts.programsDir, "C:\\U\\Start Menu\\Programs\\");
    EXPECT_EQ(facts.commonProgramsDir, "C:\\All\\Programs\\");
    EXPECT_EQ(facts.commonStartupDir, "") << "a missing folder is not turned into a bare backslash";
    EXPECT_EQ(facts.systemDir, "C:\\WINDOWS\\system32");
}

TEST(StartupFactsTest, DirectoryLongerThanTheBufferIsNotTruncatedIntoAWrongPath) {
    fakes::FakeSystem system;
    system.windowsDir = "C:\\" + std::string(150, 'w');
    StartupFacts facts;
    ReadWindowsDirectories(system, facts);
    EXPECT_EQ(facts.windowsDir, "");
}

TEST(StartupFactsTest, HelpFileLivesInTheInstallDir) {
    StartupFacts facts;
    SetInstallDir(facts, "C:\\Program Files\\Talvane");
    EXPECT_EQ(facts.helpFilePath, "C:\\Program Files\\Talvane\\Help.chm");
}

}  // namespace
}  // namespace talvane
