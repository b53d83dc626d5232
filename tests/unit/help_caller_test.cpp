#include "base/help_caller.h"

#include <gtest/gtest.h>

#include "fakes/fake_files.h"
#include "fakes/fake_platform.h"

namespace talvane {
namespace {

class HelpCallerTest : public ::testing::Test {
protected:
    fakes::FakeHtmlHelp help;
    fakes::FakeSystem system;
    fakes::FakePrompts prompts;
    fakes::FakeShell shell;
    fakes::FakeFiles files;
    HelpCaller caller{help, system, prompts, shell, files};
};

TEST_F(HelpCallerTest, OpensTheTopicAndLoadsTheLibraryOnce) {
    files.AddFile("C:\\T\\Help.chm");
    caller.Show(7, "C:\\T\\Help.chm::/Process.htm");
    caller.Show(7, "C:\\T\\Help.chm::/Memory.htm");
    EXPECT_EQ(help.loadAttempts, 1);
    EXPECT_EQ(help.topics, (std::vector<std::string>{"C:\\T\\Help.chm::/Process.htm", "C:\\T\\Help.chm::/Memory.htm"}));
    EXPECT_TRUE(system.beeps.empty());
    EXPECT_TRUE(prompts.shown.empty());
}

TEST_F(HelpCallerTest, MissingLibraryBeepsAndOffersTheDownloadUntilAccepted) {
    help.available = false;
    prompts.answers = {platform::Answer::Cancel, platform::Answer::Ok};

    caller.Show(7, "a");  // Cancel
    caller.Show(7, "a");  // OK: the download page opens
    caller.Show(7, "a");  // accepted before: only the beep

    EXPECT_EQ(help.loadAttempts, 3);
    ASSERT_EQ(system.beeps.size(), 3u);
    EXPECT_EQ(system.beeps[0], std::make_pair(1000u, 100u));
    ASSERT_EQ(prompts.shown.size(), 2u);
    EXPECT_EQ(prompts.shown[0].text,
              "Unable to load \"HHCtrl.ocx\" library !!!\r\n"
              "Press OK Button to download and install the latest version\r\n"
              "of the HTML Help Workshop from the Microsoft Web Site.");
    ASSERT_EQ(shell.executions.size(), 1u);
    EXPECT_EQ(shell.executions[0].verb, "open");
    EXPECT_EQ(shell.executions[0].owner, 0u);
    EXPECT_EQ(shell.executions[0].show, platform::kSwShowNormal);
    EXPECT_TRUE(help.topics.empty());
}

TEST_F(HelpCallerTest, LibraryFoundLaterIsUsedFromThen) {
    files.AddFile("b");
    files.AddFile("c");
    help.available = false;
    caller.Show(7, "a");
    help.available = true;
    caller.Show(7, "b");
    caller.Show(7, "c");
    EXPECT_EQ(help.loadAttempts, 2);
    EXPECT_EQ(help.topics, (std::vector<std::string>{"b", "c"}));
}

TEST_F(HelpCallerTest, MissingHelpFileIsNamedOnce) {
    caller.Show(7, "C:\\T\\Help.chm::/Process.htm");
    EXPECT_TRUE(help.topics.empty());
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].caption, "Information");
    EXPECT_NE(prompts.shown[0].text.find("\"C:\\T\\Help.chm\""), std::string::npos);
    EXPECT_TRUE(system.beeps.empty()) << "the library's own handling stays for a missing library";
}

}  // namespace
}  // namespace talvane
