#include "base/quick_info.h"

#include <gtest/gtest.h>

#include "control_ids.h"
#include "optimizer/optimizer_page.h"
#include "shell/plain_pages.h"

namespace talvane {
namespace {

// The quick-info rows of every page of the main window, found through the pages themselves.
std::optional<QuickInfoLines> Describe(int controlId, std::uint32_t totalPhysMB) {
    if (auto lines = OptimizerPage::QuickInfo(controlId, totalPhysMB)) {
        return lines;
    }
    for (const ui::PlainPageEntry* entry : {&ShortcutPageEntry(), &StartupPageEntry(), &SystemInfoPageEntry(),
                                            &TweakNtPageEntry(), &Tweak9xPageEntry()}) {
        if (auto lines = QuickInfoFromRows(entry->quickInfo, controlId, totalPhysMB)) {
            return lines;
        }
    }
    return std::nullopt;
}

TEST(QuickInfoTest, EachDescribedControlShowsItsRows) {
    const struct {
        int controlId;
        const char* first;
        const char* second;
    } cases[] = {
        {IDC_FORM1_PAGE0, "Move your cursor to any item to get more information about it.", ""},
        {IDC_FORM1_LABEL4, "Define amounts of RAM that Talvane will try to recover when the minimum level is ",
         "reached. Usually, it is about 1/4 of your RAM."},
        {IDC_FORM1_LABEL50, "Define the minimum level which Talvane will start recover your RAM when it is reached.",
         "Usually, it is about 1/16 of your RAM."},
        {IDC_FORM1_LABEL34, "Enter program name.", ""},
        {IDC_FORM1_LABEL37, "Enter program path. To make sure the path entered corectly, Talvane do not allow you",
         "to enter it manually. Please use the browse button to enter the path."},
        {IDC_FORM1_LABEL38, "Define directory where you will place the shortcut.", ""},
        {IDC_FORM1_CHECKBOX89, "Use this option to unload DLLs automatically when the application using them has been",
         "closed. Read help for more information."},
        {IDC_FORM1_CHECKBOX8, "Enable this option to increase your system performace.", ""},
        {IDC_FORM1_CHECKBOX97, "Force Windows to use physical memory (RAM) as much as possible before using the",
         "virtual memory."},
        {IDC_FORM1_PAGE1, "Move your cursor to any item to get more information about it.", ""},
        {IDC_FORM1_PAGE4, "Move your cursor to any item to get more information about it.", ""},
        {IDC_FORM1_PAGE5, "Move your cursor to any item to get more information about it.", ""},
    };
    for (const auto& c : cases) {
        const auto lines = Describe(c.controlId, 512);
        ASSERT_TRUE(lines) << c.controlId;
        EXPECT_EQ(lines->first, c.first) << c.controlId;
        EXPECT_EQ(lines->second, c.second) << c.controlId;
    }
}

TEST(QuickInfoTest, DiskCacheLineNamesAQuarterOfTheMemory) {
    EXPECT_EQ(Describe(IDC_FORM1_CHECKBOX10, 512)->second, "at one time. Recommended size: 128 MB.");
    EXPECT_EQ(Describe(IDC_FORM1_CHECKBOX10, 260)->second, "at one time. Recommended size: 65 MB.");
}

TEST(QuickInfoTest, ControlsWithoutADescriptionHaveNone) {
    // Sliders, amounts, buttons and the pages without an area description.
    for (const int id : {IDC_FORM1_TRACKBAR1, IDC_FORM1_LABEL5, IDC_FORM1_SPEEDBUTTON5, IDC_FORM1_PAGE2,
                         IDC_FORM1_PAGE3, IDC_FORM1_GRAPH_BOX}) {
        EXPECT_FALSE(Describe(id, 512)) << id;
    }
}

}  // namespace
}  // namespace talvane
