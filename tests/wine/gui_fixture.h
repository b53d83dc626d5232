// The base of every GUI test: the pointer starts away from the windows, and the Talvane a test started is
// closed afterwards, with anything it left open reported.
#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>

#include "control_ids.h"
#include "driver/gui_driver.h"
#include "gui_config.h"
#include "talvane_app.h"

namespace talvane::gui_test {

// How long the program may take to react to a click, a key or a message.
inline constexpr DWORD kReactMs = 3000;
inline constexpr char kRestartQuestion[] =
    "You must restart this computer for the changes to take affect. Do you want to restart your computer now?";

class TalvaneTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(wine_driver::ParkPointer()) << "the pointer would not stay in the corner";
        ASSERT_FALSE(Config().mode.empty()) << "TALVANE_MODE is not set";
    }

    void TearDown() override {
        if (app_) {
            for (const auto& window : app_->DismissOtherWindows()) {
                ADD_FAILURE() << "left open at the end of the test: " << window;
            }
            if (app_->Proc().Running() && !app_->Close(5000)) {
                ADD_FAILURE() << "Talvane did not exit within 5 s of WM_CLOSE";
            }
        }
        engine_.reset();
    }

    void StartTalvane() {
        std::string error;
        app_ = TalvaneApp::Start(&error);
        ASSERT_TRUE(app_) << error;
    }

    // The fake engine, running for a minute at most and ended with the test.
    void StartFakeEngine() {
        std::string error;
        auto engine = wine_driver::FakeEngine::Start(60000, &error);
        ASSERT_TRUE(engine) << error;
        engine_.emplace(std::move(*engine));
    }

    // A control of the main window.
    HWND Control(int id) const {
        HWND control = app_->Control(id);
        EXPECT_NE(control, nullptr) << "no control with ID " << id;
        return control;
    }
    std::string Text(int id) const { return app_->Text(id).value_or("<unreadable>"); }
    // What the screen shows in a control's client area.
    wine_driver::ScreenPixels Pixels(int id) const { return wine_driver::CaptureClient(Control(id)); }
    // Anything drawn there: an unpainted area is black all over, a bare panel its colour all over.
    bool ShowsSomething(int id) const {
        const wine_driver::ScreenPixels shot = Pixels(id);
        return !shot.pixels.empty() && shot.Count(shot.pixels.front()) < shot.pixels.size();
    }
    // How much black text stands on a lighter ground there; none while the area is unpainted, black all over.
    size_t Ink(int id) const {
        const wine_driver::ScreenPixels shot = Pixels(id);
        return shot.pixels.empty() || shot.pixels.front() == RGB(0, 0, 0) ? 0 : shot.Count(RGB(0, 0, 0));
    }
    // Waits until the control shows text (or the time is up) and returns what it shows then.
    std::string TextOnceEqual(int id, const std::string& text, DWORD timeout_ms = kReactMs) const {
        wine_driver::WaitUntil([&] { return app_->Text(id) == text; }, timeout_ms);
        return Text(id);
    }
    // Rests the pointer on a control and returns the quick info's first line once it reads `line1`.
    std::string QuickInfoOver(int id, const std::string& line1) const {
        EXPECT_TRUE(wine_driver::HoverCenter(Control(id)));
        return TextOnceEqual(IDC_FORM1_QUICKINFO_LINE1, line1);
    }
    bool ApplyEnabled() const { return IsWindowEnabled(Control(IDC_FORM1_APPLY)) != FALSE; }
    // Waits for Talvane's next message box, answers it and returns its text once it has gone; "<no box>" when none
    // came.
    std::string AnswerBox(int answer, DWORD timeout_ms = kReactMs) const {
        const HWND box = wine_driver::WaitForMessageBox(app_->Proc().Id(), timeout_ms);
        if (box == nullptr) {
            return "<no box>";
        }
        const std::string text = wine_driver::MessageBoxText(box);
        EXPECT_TRUE(wine_driver::AnswerMessageBox(box, answer));
        EXPECT_TRUE(wine_driver::WaitUntil([&] { return IsWindow(box) == FALSE; }, kReactMs));
        return text;
    }

    // Closing after a tweak changed offers to restart Windows; the test declines.
    void CloseDecliningTheRestart() const {
        ASSERT_TRUE(PostMessageA(app_->Main(), WM_CLOSE, 0, 0));
        EXPECT_EQ(AnswerBox(IDNO), kRestartQuestion);
        EXPECT_TRUE(app_->Proc().WaitForExit(5000)) << "Talvane did not close after the restart was declined";
    }

    // Saves the window as NAME_MODE.bmp once Talvane (if started) is idle, and checks the file holds it framed and
    // painted.
    void SaveScreenshot(HWND window, const std::string& name) const {
        if (app_) {
            app_->Proc().WaitForIdle(kReactMs);
        }
        // Idle can come before the last WM_PAINT of the child controls.
        Sleep(300);
        const std::string path = ScreenshotPath(name);
        std::string error;
        ASSERT_TRUE(wine_driver::SaveWindowScreenshot(window, path, &error)) << error;
        const auto summary = wine_driver::SummarizeBmp(path);
        ASSERT_TRUE(summary) << path;
        const SIZE client = wine_driver::ClientSizeOf(window);
        EXPECT_GT(summary->width, client.cx) << "the frame is missing";
        EXPECT_GT(summary->height, client.cy) << "the caption is missing";
        EXPECT_GT(summary->distinct_colours, 8u) << "the capture looks blank";
    }

    std::optional<TalvaneApp> app_;
    std::optional<wine_driver::FakeEngine> engine_;
};

// Tests that begin with Talvane already on screen.
class StartedTalvaneTest : public TalvaneTest {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(TalvaneTest::SetUp());
        ASSERT_NO_FATAL_FAILURE(StartTalvane());
    }
};

}  // namespace talvane::gui_test
