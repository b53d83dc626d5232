// The About box end to end: opened from the toolbar, live memory figures, closed by its button and by Escape.
#include <gtest/gtest.h>

#include <string>

#include "control_ids.h"
#include "driver/gui_driver.h"
#include "gui_fixture.h"

namespace talvane::gui_test {
namespace {

namespace driver = wine_driver;

bool EndsWith(const std::string& text, const std::string& tail) {
    return text.size() > tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0 &&
           text.find_first_not_of("0123456789") == text.size() - tail.size();
}

class AboutBox : public StartedTalvaneTest {
protected:
    // Opens the box from the toolbar and returns it once shown.
    HWND Open() {
        EXPECT_TRUE(driver::PostClick(app_->Control(IDC_FORM1_ABOUT)));
        return driver::WaitForTopLevelWindow({app_->Proc().Id(), "TForm3", "About Talvane", true}, 5000);
    }
    bool Hidden(HWND box) const {
        return driver::WaitUntil([&] { return IsWindowVisible(box) == FALSE; }, 3000);
    }
};

TEST_F(AboutBox, ShowsLiveFiguresAndClosesByButtonAndEscape) {
    HWND box = Open();
    ASSERT_NE(box, nullptr) << "the About box did not open";
    EXPECT_FALSE(IsWindowEnabled(app_->Main())) << "the About box is modal";
    EXPECT_EQ(driver::ReadText(driver::FindControl(box, IDC_FORM3_LABEL1)), "Version 1.4.2");
    EXPECT_EQ(driver::ReadText(driver::FindControl(box, IDC_FORM3_LABEL4)), "Memory Load:");
    const std::string load = driver::ReadText(driver::FindControl(box, IDC_FORM3_LABEL11)).value_or("");
    EXPECT_TRUE(EndsWith(load, " %")) << load;
    for (int id : {IDC_FORM3_LABEL12, IDC_FORM3_LABEL13, IDC_FORM3_LABEL14, IDC_FORM3_LABEL15}) {
        const std::string figure = driver::ReadText(driver::FindControl(box, id)).value_or("");
        EXPECT_TRUE(EndsWith(figure, " MB")) << figure;
    }
    SaveScreenshot(box, "about");

    ASSERT_TRUE(driver::PostClick(driver::FindControl(box, IDC_FORM3_SPEEDBUTTON4)));
    EXPECT_TRUE(Hidden(box)) << "Close did not close the box";
    EXPECT_TRUE(driver::WaitUntil([&] { return IsWindowEnabled(app_->Main()) != FALSE; }, 3000));

    box = Open();
    ASSERT_NE(box, nullptr) << "the About box did not open a second time";
    PostMessageA(box, WM_KEYDOWN, VK_ESCAPE, 0);
    PostMessageA(box, WM_KEYUP, VK_ESCAPE, 0);
    EXPECT_TRUE(Hidden(box)) << "Escape did not close the box";
}

}  // namespace
}  // namespace talvane::gui_test
