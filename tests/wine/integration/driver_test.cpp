// The GUI driver against windows whose contents are known: a fixture program and the fake engine, each in its
// own process, as the program under test will be.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "driver/gui_driver.h"
#include "driver_fixture_ids.h"

namespace talvane::wine_driver {
namespace {

namespace fx = wine_fixture;

constexpr DWORD kWindowTimeoutMs = 10000;

class DriverTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(ParkPointer());
        std::string error;
        fixture_ = Process::Launch(ProgramPath("TALVANE_DRIVER_FIXTURE", "driver_fixture.exe"), {}, {}, &error);
        ASSERT_TRUE(fixture_) << error;
        window_ = WaitForTopLevelWindow({fixture_->Id(), fx::kWindowClass, fx::kCaption, true}, kWindowTimeoutMs);
        ASSERT_NE(window_, nullptr) << "no fixture window within " << kWindowTimeoutMs << " ms";
    }

    void TearDown() override {
        if (fixture_ && fixture_->Running()) {
            PostMessageA(window_, WM_CLOSE, 0, 0);
            EXPECT_TRUE(fixture_->WaitForExit(5000)) << "fixture ignored WM_CLOSE";
        }
    }

    HWND Control(int id) const {
        HWND control = FindControl(window_, id);
        EXPECT_NE(control, nullptr) << "no control " << id;
        return control;
    }

    std::optional<Process> fixture_;
    HWND window_ = nullptr;
};

TEST_F(DriverTest, FindsOnlyTheWindowsOfTheAskedProcess) {
    const auto mine = FindTopLevelWindows({fixture_->Id(), fx::kWindowClass, nullptr, true});
    ASSERT_EQ(mine.size(), 1u);
    EXPECT_EQ(mine.front(), window_);
    EXPECT_TRUE(FindTopLevelWindows({GetCurrentProcessId(), fx::kWindowClass, nullptr, true}).empty());
    EXPECT_EQ(FindControls(window_, fx::kListViewId).size(), 1u);
    EXPECT_EQ(FindControl(window_, 4242), nullptr);
}

TEST_F(DriverTest, ReadsListViewRowsAndCheckBoxesAcrossProcesses) {
    struct Row {
        std::vector<std::string> texts;
        bool checked;
    };
    const Row expected[] = {
        {{"Scheduler", "C:\\sched.exe /q"}, true},
        {{"Updater", "C:\\Program Files\\up.exe"}, false},
        {{"Tray", ""}, true},
    };
    HWND list = Control(fx::kListViewId);
    ASSERT_EQ(ListViewItemCount(list), 3);
    ASSERT_EQ(ListViewColumnCount(list), 2);
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE("row " + std::to_string(i));
        EXPECT_EQ(ListViewRow(list, i), expected[i].texts);
        EXPECT_EQ(ListViewItemChecked(list, i), expected[i].checked);
    }
    EXPECT_EQ(ListViewItemText(list, 7, 0), std::optional<std::string>(""));
}

TEST_F(DriverTest, ReadsComboProgressCheckAndTrackbar) {
    const auto combo = ReadCombo(Control(fx::kComboId));
    ASSERT_TRUE(combo);
    EXPECT_EQ(combo->selected, 1);
    EXPECT_EQ(combo->selected_text, "Beta");
    EXPECT_EQ(combo->count, 3);
    EXPECT_EQ(ReadComboItem(Control(fx::kComboId), 2), "Gamma");
    EXPECT_EQ(ReadProgressPos(Control(fx::kProgressId)), 42);
    EXPECT_EQ(ReadCheck(Control(fx::kCheckId)), BST_CHECKED);
    const auto trackbar = ReadTrackbar(Control(fx::kTrackbarId));
    ASSERT_TRUE(trackbar);
    EXPECT_EQ(trackbar->pos, 5);
    EXPECT_EQ(trackbar->min, 0);
    EXPECT_EQ(trackbar->max, 20);
}

TEST_F(DriverTest, ClickTogglesCheckBox) {
    HWND check = Control(fx::kCheckId);
    ASSERT_TRUE(Click(check));
    EXPECT_EQ(ReadCheck(check), BST_UNCHECKED);
    ASSERT_TRUE(Click(check));
    EXPECT_EQ(ReadCheck(check), BST_CHECKED);
}

TEST_F(DriverTest, TrackbarKeysMoveByLineSizeAndStopAtTheEnds) {
    struct Step {
        int keys;
        int position;
    };
    // Line size 3, range 0..20, starting at 5.
    const Step steps[] = {{1, 8}, {2, 14}, {-1, 11}, {5, 20}, {-10, 0}};
    HWND trackbar = Control(fx::kTrackbarId);
    for (const Step& step : steps) {
        SCOPED_TRACE("keys " + std::to_string(step.keys));
        EXPECT_EQ(PressTrackbarKeys(trackbar, step.keys), step.position);
        const auto state = ReadTrackbar(trackbar);
        ASSERT_TRUE(state);
        EXPECT_EQ(state->pos, step.position);
    }
}

TEST_F(DriverTest, HoverSendsMouseMovesToTheWindowUnderThePointer) {
    HWND label = Control(fx::kHoverLabelId);
    ASSERT_EQ(ReadText(label), "");
    ASSERT_TRUE(HoverCenter(Control(fx::kHoverPadId)));
    EXPECT_TRUE(WaitUntil([&] { return ReadText(label) == fx::kHoverPadText; }, 2000));
    EXPECT_EQ(ReadText(label), fx::kHoverPadText);

    const auto empty = EmptySpotIn(window_);
    ASSERT_TRUE(empty);
    ASSERT_TRUE(MovePointerTo(*empty));
    EXPECT_TRUE(WaitUntil([&] { return ReadText(label) == fx::kHoverMainText; }, 2000));
    EXPECT_EQ(ReadText(label), fx::kHoverMainText);
}

TEST_F(DriverTest, ScreenshotHoldsTheFramedWindow) {
    RECT frame = {};
    ASSERT_TRUE(GetWindowRect(window_, &frame));
    const std::string path = TempFilePath("fixture_shot") + ".bmp";
    std::string error;
    ASSERT_TRUE(WaitUntil([&] { return Responsive(window_); }, 2000));
    ASSERT_TRUE(SaveWindowScreenshot(window_, path, &error)) << error;
    const auto summary = SummarizeBmp(path);
    DeleteFileA(path.c_str());
    ASSERT_TRUE(summary);
    EXPECT_EQ(summary->width, frame.right - frame.left);
    EXPECT_EQ(summary->height, frame.bottom - frame.top);
    EXPECT_GT(summary->width, ClientSizeOf(window_).cx) << "the frame is missing";
    EXPECT_GT(summary->distinct_colours, 4u) << "the capture is blank";
}

class DriverMessageBoxTest : public DriverTest, public testing::WithParamInterface<int> {};

TEST_P(DriverMessageBoxTest, ReadsTheBoxAndPressesTheButton) {
    const int button = GetParam();
    // The box is modal inside the click handler: a sent BM_CLICK would not return until it is answered.
    ASSERT_TRUE(PostClick(Control(fx::kAskButtonId)));
    HWND box = WaitForMessageBox(fixture_->Id(), kWindowTimeoutMs);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageBoxText(box), fx::kAskText);
    EXPECT_EQ(CaptionOf(box), fx::kCaption);
    ASSERT_TRUE(AnswerMessageBox(box, button));
    EXPECT_EQ(fixture_->WaitForExit(5000), static_cast<DWORD>(button));
}

INSTANTIATE_TEST_SUITE_P(Answers, DriverMessageBoxTest, testing::Values(IDYES, IDNO));

TEST(FakeEngineTest, LogsEveryMessageInOrderAndAnswersReload) {
    std::string error;
    const auto engine = FakeEngine::Start(30000, &error);
    ASSERT_TRUE(engine) << error;
    EXPECT_FALSE(IsWindowVisible(engine->Window()));

    EXPECT_EQ(SendWithTimeout(engine->Window(), kEngineReload, 7, 9), LRESULT{0});
    // Logged before answering: the line is on disk by the time SendMessage returns.
    const auto after_reload = engine->Log();
    ASSERT_FALSE(after_reload.empty());
    EXPECT_EQ(after_reload.back().message, kEngineReload);
    EXPECT_EQ(after_reload.back().wparam, 7u);
    EXPECT_EQ(after_reload.back().lparam, 9u);

    EXPECT_EQ(engine->Close(5000), DWORD{0});

    const auto entries = engine->Log();
    ASSERT_GT(entries.size(), after_reload.size());
    for (size_t i = 0; i < entries.size(); ++i) {
        EXPECT_EQ(entries[i].sequence, i + 1) << "line " << i;
    }
    bool close_logged = false;
    for (size_t i = after_reload.size(); i < entries.size(); ++i) {
        close_logged = close_logged || entries[i].message == WM_CLOSE;
    }
    EXPECT_TRUE(close_logged);
    EXPECT_EQ(entries.front().message, static_cast<std::uint32_t>(WM_GETMINMAXINFO)) << "creation is logged too";
}

TEST(FakeEngineTest, EndsByItselfAfterItsTimeout) {
    std::string error;
    const auto engine = FakeEngine::Start(1500, &error);
    ASSERT_TRUE(engine) << error;
    EXPECT_EQ(engine->Proc().WaitForExit(6500), DWORD{0});
    EXPECT_FALSE(engine->Log().empty());
}

}  // namespace
}  // namespace talvane::wine_driver
