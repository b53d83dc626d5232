// The base of every GUI test: the pointer starts away from the windows, and the Talvane a test started is
// closed afterwards, with anything it left open reported.
#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "driver/gui_driver.h"
#include "gui_config.h"
#include "talvane_app.h"

namespace talvane::gui_test {

class TalvaneTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(wine_driver::ParkPointer()) << "the pointer would not stay in the corner";
        ASSERT_FALSE(Config().mode.empty()) << "TALVANE_MODE is not set";
    }

    void TearDown() override {
        if (!app_) {
            return;
        }
        for (const auto& window : app_->DismissOtherWindows()) {
            ADD_FAILURE() << "left open at the end of the test: " << window;
        }
        if (app_->Proc().Running() && !app_->Close(5000)) {
            ADD_FAILURE() << "Talvane did not exit within 5 s of WM_CLOSE";
        }
    }

    void StartTalvane() {
        std::string error;
        app_ = TalvaneApp::Start(&error);
        ASSERT_TRUE(app_) << error;
    }

    std::optional<TalvaneApp> app_;
};

}  // namespace talvane::gui_test
