#include "shortcut/launcher_shortcut.h"

#include <gtest/gtest.h>

#include "fakes/fake_files.h"
#include "fakes/fake_shell_links.h"

namespace talvane {
namespace {

StartupFacts Facts() {
    StartupFacts facts;
    facts.windowsDir = "C:\\WINDOWS";
    facts.desktopDir = "C:\\Me\\Desktop";
    facts.startMenuDir = "C:\\Me\\Start Menu";
    return facts;
}

TEST(LauncherShortcutTest, TheFolderFollowsTheBoxAndEndsInABackslash) {
    const struct {
        int index;
        const char* text;
        const char* folder;
    } cases[] = {
        {0, "Desktop", "C:\\Me\\Desktop\\"},
        {1, "Start Menu", "C:\\Me\\Start Menu\\Programs\\"},  // whatever this Windows calls its Programs folder
        {2, "Browse ...", "Browse ...\\"},                    // a cancelled browse: the text, which fails later
        {3, "D:\\Links", "D:\\Links\\"},
        {-1, "D:\\", "D:\\"},
        {-1, "", ""},
    };
    for (const auto& c : cases) {
        LauncherShortcut shortcut;
        shortcut.folderIndex = c.index;
        shortcut.folderText = c.text;
        EXPECT_EQ(LinkFolder(shortcut, Facts()), c.folder) << c.index << " " << c.text;
    }
}

TEST(LauncherShortcutTest, TheLinkStartsTheLauncherInTheProgramsFolderWithItsIcon) {
    fakes::FakeFiles files;
    files.AddFolder("C:\\Me\\Desktop");
    fakes::FakeShellLinks links(files);
    SaveReport report;
    const LauncherShortcut shortcut{"Editor", "C:\\Program Files\\Editor\\ed.exe", "-a b", 64, 2, 0, "Desktop"};
    ASSERT_TRUE(CreateLauncherLink(links, Facts(), shortcut, report));
    ASSERT_EQ(links.written.size(), 1u);
    const platform::LinkRequest& link = links.written[0];
    EXPECT_EQ(link.target, "C:\\WINDOWS\\VelkLaunch.exe");
    EXPECT_EQ(link.linkFile, "C:\\Me\\Desktop\\Editor.lnk");
    EXPECT_EQ(link.workingDirectory, "C:\\Program Files\\Editor\\");
    EXPECT_EQ(link.iconFile, "C:\\Program Files\\Editor\\ed.exe");
    EXPECT_EQ(link.arguments, "64 2 C:\\Program%80Files\\Editor\\ed.exe -a%80b");
    EXPECT_TRUE(report.Empty());
}

// Nothing is deleted before the new link is saved, and a link that was not saved is said.
TEST(LauncherShortcutTest, ALinkThatCannotBeSavedLeavesTheOldOneAndIsReported) {
    const struct {
        const char* folderText;
        long status;
        const char* line;
    } cases[] = {
        {"D:\\Missing", 0, "Create \"D:\\Missing\\Editor.lnk\": the folder \"D:\\Missing\" does not exist."},
        {"D:\\Links", 5, "Create \"D:\\Links\\Editor.lnk\": access was denied."},
        {"", 0, "Create \"Editor.lnk\": a folder to create it in is needed."},
    };
    for (const auto& c : cases) {
        fakes::FakeFiles files;
        fakes::FakeShellLinks links(files);
        links.AddLink("D:\\Links\\Editor.lnk", "C:\\old.exe", "");
        links.writeStatus = c.status;
        SaveReport report;
        const LauncherShortcut shortcut{"Editor", "C:\\ed.exe", "", 0, 1, -1, c.folderText};
        EXPECT_FALSE(CreateLauncherLink(links, Facts(), shortcut, report)) << c.line;
        EXPECT_EQ(report.Message(), std::string("These changes could not be made:\n") + c.line);
        EXPECT_EQ(links.Read("D:\\Links\\Editor.lnk").path, "C:\\old.exe") << c.line;
    }
}

}  // namespace
}  // namespace talvane
