// End-to-end tests of Talvane's main window, driven from another process as a user would.
#include <gtest/gtest.h>

#include <cstdio>
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

// How long a press that should change nothing is given to change something anyway.
constexpr DWORD kSettleMs = 500;

constexpr char kQuickInfoDefault[] = "Move your cursor to any item to get more information about it.";
constexpr char kLabel4Line1[] = "Define amounts of RAM that Talvane will try to recover when the minimum level is ";
constexpr char kLabel4Line2[] = "reached. Usually, it is about 1/4 of your RAM.";

constexpr int kPages[] = {IDC_FORM1_PAGE0, IDC_FORM1_PAGE1, IDC_FORM1_PAGE2,
                          IDC_FORM1_PAGE3, IDC_FORM1_PAGE4, IDC_FORM1_PAGE5};

// Base fixture of this file: pages and texts of the main window.
class MainWindowTest : public TalvaneTest {
protected:
    std::vector<int> VisiblePages() const {
        std::vector<int> visible;
        for (int page : kPages) {
            HWND window = app_->Control(page);
            if (window != nullptr && IsWindowVisible(window)) {
                visible.push_back(page);
            }
        }
        return visible;
    }
};

// Fixtures whose tests begin with Talvane already on screen.
class StartedTest : public MainWindowTest {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(MainWindowTest::SetUp());
        ASSERT_NO_FATAL_FAILURE(StartTalvane());
    }
};

class MainWindowStart : public MainWindowTest {};
class MainWindowNavigation : public StartedTest {};
class MainWindowQuickInfo : public StartedTest {};
class MainWindowHelp : public MainWindowTest {};
class MainWindowClose : public StartedTest {};
class MainWindowScreenshot : public StartedTest {};

TEST_F(MainWindowStart, ShowsOneMainWindowWith630x490Client) {
    ASSERT_NO_FATAL_FAILURE(StartTalvane());
    const auto mains = VisibleMainWindows();
    ASSERT_EQ(mains.size(), 1u);
    EXPECT_EQ(driver::ProcessIdOf(mains.front()), app_->Proc().Id());
    const SIZE client = driver::ClientSizeOf(app_->Main());
    EXPECT_EQ(client.cx, 630);
    EXPECT_EQ(client.cy, 490);
    // Labels, images and flat buttons are drawn by their panels at start; each kind must show.
    for (const int id : {IDC_FORM1_TITLE, IDC_FORM1_LABEL4, IDC_FORM1_TITLE_IMAGE, IDC_FORM1_CANCEL,
                         IDC_FORM1_NAV_SYSINFO, IDC_FORM1_SPEEDBUTTON3}) {
        EXPECT_TRUE(driver::WaitUntil([&] { return ShowsSomething(id); }, kReactMs)) << "control " << id;
    }
}

// The window is shown without the erase pass of ShowWindow, yet as ShowWindow would: active, or as its caller asked.
TEST_F(MainWindowStart, ComesUpActiveOrAsItsCallerAsked) {
    ASSERT_NO_FATAL_FAILURE(StartTalvane());
    EXPECT_TRUE(driver::WaitUntil([&] { return GetForegroundWindow() == app_->Main(); }, kReactMs)) << "not active";
    EXPECT_FALSE(IsIconic(app_->Main()));
    ASSERT_TRUE(app_->Close(5000).has_value());

    std::string error;
    app_ = TalvaneApp::StartShown(SW_SHOWMINNOACTIVE, &error);
    ASSERT_TRUE(app_) << error;
    EXPECT_TRUE(driver::WaitUntil([&] { return IsIconic(app_->Main()) != FALSE; }, kReactMs)) << "not minimized";
}

TEST_F(MainWindowStart, SecondStartExitsAndLeavesOneWindow) {
    ASSERT_NO_FATAL_FAILURE(StartTalvane());
    std::string error;
    auto second = driver::Process::Launch(Config().talvane_exe, {}, {}, &error);
    ASSERT_TRUE(second) << error;
    EXPECT_EQ(second->WaitForExit(5000), DWORD{0}) << "the second instance is still running or failed";
    const auto mains = VisibleMainWindows();
    ASSERT_EQ(mains.size(), 1u);
    EXPECT_EQ(mains.front(), app_->Main());
    EXPECT_TRUE(driver::Responsive(app_->Main()));
}

// Which start wins is up to the scheduler, and without a guard one round in three still ends with a single
// control panel, so the race is run several times.
TEST_F(MainWindowStart, TenSimultaneousStartsLeaveOneRunning) {
    for (int round = 1; round <= 5; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        std::string error;
        auto starts = driver::Process::LaunchTogether(Config().talvane_exe, 10, &error);
        ASSERT_EQ(starts.size(), 10u) << error;
        std::vector<driver::Process*> running;
        driver::WaitUntil(
            [&] {
                running.clear();
                for (auto& start : starts) {
                    if (start.Running()) {
                        running.push_back(&start);
                    }
                }
                return running.size() <= 1;
            },
            2 * kStartTimeoutMs);
        ASSERT_EQ(running.size(), 1u) << "control panels still running";
        for (const auto& start : starts) {
            if (&start != running.front()) {
                EXPECT_EQ(start.WaitForExit(0), DWORD{0});
            }
        }
        app_ = TalvaneApp::Attach(std::move(*running.front()), &error);
        ASSERT_TRUE(app_) << error;
        EXPECT_EQ(driver::FindTopLevelWindows({0, kMainClass, kMainCaption, false}).size(), 1u);
        ASSERT_EQ(app_->Close(5000), DWORD{0});
    }
}

TEST_F(MainWindowStart, StartsWhileTheEngineRuns) {
    ASSERT_NO_FATAL_FAILURE(StartFakeEngine());
    ASSERT_NO_FATAL_FAILURE(StartTalvane());
    EXPECT_TRUE(app_->Proc().Running());
    const auto mains = VisibleMainWindows();
    ASSERT_EQ(mains.size(), 1u);
    EXPECT_EQ(driver::ProcessIdOf(mains.front()), app_->Proc().Id());
    EXPECT_TRUE(engine_->Proc().Running()) << "starting Talvane ended the engine";
    EXPECT_TRUE(engine_->Close(5000));
}

TEST_F(MainWindowNavigation, EachEntryShowsItsTitleAndOnlyItsPage) {
    struct Entry {
        int button;  // 0: no press, the state after start
        const char* title;
        int page;
    };
    const Entry entries[] = {
        {0, "RAM Optimizer", IDC_FORM1_PAGE0},
        {IDC_FORM1_NAV_SYSINFO, "System Information", IDC_FORM1_PAGE3},
        {IDC_FORM1_NAV_STARTUP, "Startup Manager", IDC_FORM1_PAGE2},
        {IDC_FORM1_NAV_SHORTCUT, "Create Shortcut", IDC_FORM1_PAGE1},
        {IDC_FORM1_NAV_OPTIMIZER, "RAM Optimizer", IDC_FORM1_PAGE0},
    };
    for (const Entry& entry : entries) {
        SCOPED_TRACE(std::string("after pressing for ") + entry.title);
        if (entry.button != 0) {
            ASSERT_TRUE(driver::Click(Control(entry.button)));
        }
        EXPECT_EQ(TextOnceEqual(IDC_FORM1_TITLE, entry.title), entry.title);
        EXPECT_EQ(VisiblePages(), std::vector<int>{entry.page});
    }
}

TEST_F(MainWindowNavigation, TweakEntryFollowsTheWindowsFamily) {
    const WindowsFamily family = FamilyOfMode(Config().mode);
    ASSERT_NE(family, WindowsFamily::kUnknown) << "mode " << Config().mode;
    struct Expectation {
        WindowsFamily family;
        const char* title;
        int page;
    };
    const Expectation expectations[] = {
        {WindowsFamily::kNt, "Windows Tweak", IDC_FORM1_PAGE4},
        {WindowsFamily::k9x, "Windows Tweak", IDC_FORM1_PAGE5},
        {WindowsFamily::kWithoutTweaks, "RAM Optimizer", IDC_FORM1_PAGE0},
    };
    const Expectation* expected = nullptr;
    for (const Expectation& candidate : expectations) {
        if (candidate.family == family) {
            expected = &candidate;
        }
    }
    ASSERT_NE(expected, nullptr);

    ASSERT_TRUE(driver::Click(Control(IDC_FORM1_NAV_TWEAK)));
    if (family == WindowsFamily::kWithoutTweaks) {
        Sleep(kSettleMs);
    }
    EXPECT_EQ(TextOnceEqual(IDC_FORM1_TITLE, expected->title), expected->title) << "mode " << Config().mode;
    EXPECT_EQ(VisiblePages(), std::vector<int>{expected->page}) << "mode " << Config().mode;
}

TEST_F(MainWindowNavigation, PressingTheShownEntryKeepsQuickInfo) {
    ASSERT_TRUE(driver::HoverCenter(Control(IDC_FORM1_LABEL4)));
    ASSERT_EQ(TextOnceEqual(IDC_FORM1_QUICKINFO_LINE1, kLabel4Line1), kLabel4Line1)
        << "hovering Label4 must change the quick info first, or this test proves nothing";
    const std::string line1 = Text(IDC_FORM1_QUICKINFO_LINE1);
    const std::string line2 = Text(IDC_FORM1_QUICKINFO_LINE2);

    ASSERT_TRUE(driver::Click(Control(IDC_FORM1_NAV_OPTIMIZER)));
    Sleep(kSettleMs);
    EXPECT_EQ(Text(IDC_FORM1_QUICKINFO_LINE1), line1);
    EXPECT_EQ(Text(IDC_FORM1_QUICKINFO_LINE2), line2);
    EXPECT_EQ(VisiblePages(), std::vector<int>{IDC_FORM1_PAGE0});
}

TEST_F(MainWindowQuickInfo, HoverShowsItemHelpAndEmptyPageRestoresTheHint) {
    struct Step {
        const char* where;
        int control;  // 0: an empty spot of page 0; -1: no move
        const char* line1;
        const char* line2;
    };
    const Step steps[] = {
        {"after start", -1, kQuickInfoDefault, ""},
        {"over Label4", IDC_FORM1_LABEL4, kLabel4Line1, kLabel4Line2},
        {"over empty page 0", 0, kQuickInfoDefault, ""},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.where);
        if (step.control > 0) {
            ASSERT_TRUE(driver::HoverCenter(Control(step.control)));
        } else if (step.control == 0) {
            const auto spot = driver::EmptySpotIn(Control(IDC_FORM1_PAGE0));
            ASSERT_TRUE(spot) << "page 0 has no empty spot";
            ASSERT_TRUE(driver::MovePointerTo(*spot));
        }
        EXPECT_EQ(TextOnceEqual(IDC_FORM1_QUICKINFO_LINE1, step.line1), step.line1);
        EXPECT_EQ(TextOnceEqual(IDC_FORM1_QUICKINFO_LINE2, step.line2), step.line2);
    }
}

// Wine's viewer shows the help file's own caption and contents but leaves the topic pane blank (no browser engine),
// so the topic itself is checked where the help file is built.
TEST_F(MainWindowHelp, HelpOpensTheHelpFileInTheProgramsViewer) {
    ASSERT_TRUE(StoreText("CurrentDir2", driver::DirectoryOf(Config().talvane_exe)));
    ASSERT_NO_FATAL_FAILURE(StartTalvane());
    for (const int page : {IDC_FORM1_NAV_OPTIMIZER, IDC_FORM1_NAV_SYSINFO}) {
        SCOPED_TRACE(page);
        ASSERT_TRUE(driver::Click(Control(page)));
        ASSERT_TRUE(driver::PostClick(Control(IDC_FORM1_HELP)));
        HWND viewer = driver::WaitForTopLevelWindow({app_->Proc().Id(), "HH Parent", "Talvane Help", true}, 10000);
        ASSERT_NE(viewer, nullptr) << "no viewer with the help file's caption";
        if (page == IDC_FORM1_NAV_OPTIMIZER) {
            SaveScreenshot(viewer, "help_viewer");
        }
        PostMessageA(viewer, WM_CLOSE, 0, 0);
        ASSERT_TRUE(driver::WaitUntil([&] { return IsWindow(viewer) == FALSE; }, kReactMs));
    }
    EXPECT_TRUE(driver::Responsive(app_->Main()));
}

TEST_F(MainWindowHelp, HelpWithoutHelpFileNamesItAndKeepsRunning) {
    const std::string folder = driver::TempFilePath("no_help");
    ASSERT_TRUE(driver::EnsureDirectory(folder));
    ASSERT_TRUE(StoreText("CurrentDir2", folder));
    ASSERT_NO_FATAL_FAILURE(StartTalvane());
    // Posted: the handler may show a modal box, which a sent click would wait for.
    ASSERT_TRUE(driver::PostClick(Control(IDC_FORM1_HELP)));
    const std::string text = AnswerBox(IDOK);
    EXPECT_NE(text.find(driver::JoinPath(folder, "Help.chm")), std::string::npos) << text;
    EXPECT_TRUE(app_->Proc().Running()) << "exit code " << app_->Proc().WaitForExit(0).value_or(0);
    EXPECT_TRUE(driver::Responsive(app_->Main()));
    EXPECT_TRUE(app_->OtherWindows().empty());
    RemoveDirectoryA(folder.c_str());
}

TEST_F(MainWindowClose, WmCloseExitsWithCodeZero) {
    const auto code = app_->Close(5000);
    if (!code) {
        for (const auto& window : app_->DismissOtherWindows()) {
            ADD_FAILURE() << "still open after WM_CLOSE: " << window;
        }
    }
    EXPECT_EQ(code, DWORD{0});
    EXPECT_TRUE(VisibleMainWindows().empty());
}

TEST_F(MainWindowScreenshot, SavesTheFramedMainWindow) {
    SaveScreenshot(app_->Main(), "main");
}

TEST_F(MainWindowScreenshot, SavesEveryPage) {
    struct Page {
        int button;
        const char* name;
    };
    const Page pages[] = {
        {IDC_FORM1_NAV_SYSINFO, "page_sysinfo"},
        {IDC_FORM1_NAV_STARTUP, "page_startup"},
        {IDC_FORM1_NAV_SHORTCUT, "page_shortcut"},
        {IDC_FORM1_NAV_TWEAK, "page_tweak"},
    };
    for (const Page& page : pages) {
        if (page.button == IDC_FORM1_NAV_TWEAK && FamilyOfMode(Config().mode) == WindowsFamily::kWithoutTweaks) {
            continue;
        }
        SCOPED_TRACE(page.name);
        ASSERT_TRUE(driver::Click(Control(page.button)));
        SaveScreenshot(app_->Main(), page.name);
    }
}

}  // namespace
}  // namespace talvane::gui_test
