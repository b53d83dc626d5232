#include "shell/quick_info.h"

#include <gtest/gtest.h>

#include "control_ids.h"

namespace talvane {
namespace {

TEST(QuickInfoTest, EachItemShowsItsRows) {
    const struct {
        QuickInfoItem item;
        const char* first;
        const char* second;
    } cases[] = {
        {QuickInfoItem::OptimizerArea, "Move your cursor to any item to get more information about it.", ""},
        {QuickInfoItem::TargetLabel,
         "Define amounts of RAM that Talvane will try to recover when the minimum level is ",
         "reached. Usually, it is about 1/4 of your RAM."},
        {QuickInfoItem::MinimumLabel,
         "Define the minimum level which Talvane will start recover your RAM when it is reached.",
         "Usually, it is about 1/16 of your RAM."},
        {QuickInfoItem::ProgramNameLabel, "Enter program name.", ""},
        {QuickInfoItem::ProgramPathLabel,
         "Enter program path. To make sure the path entered corectly, Talvane do not allow you",
         "to enter it manually. Please use the browse button to enter the path."},
        {QuickInfoItem::LocationLabel, "Define directory where you will place the shortcut.", ""},
        {QuickInfoItem::UnloadDllCheck,
         "Use this option to unload DLLs automatically when the application using them has been",
         "closed. Read help for more information."},
        {QuickInfoItem::DiskCache9xCheck, "Enable this option to increase your system performace.", ""},
        {QuickInfoItem::UseRamCheck, "Force Windows to use physical memory (RAM) as much as possible before using the",
         "virtual memory."},
    };
    for (const auto& c : cases) {
        const QuickInfoLines lines = QuickInfoFor(c.item, 512);
        EXPECT_EQ(lines.first, c.first) << static_cast<int>(c.item);
        EXPECT_EQ(lines.second, c.second) << static_cast<int>(c.item);
    }
}

TEST(QuickInfoTest, DiskCacheLineNamesAQuarterOfTheMemory) {
    EXPECT_EQ(QuickInfoFor(QuickInfoItem::DiskCacheCheck, 512).second, "at one time. Recommended size: 128 MB.");
    EXPECT_EQ(QuickInfoFor(QuickInfoItem::DiskCacheCheck, 260).second, "at one time. Recommended size: 65 MB.");
}

TEST(QuickInfoTest, ControlsAndPageAreasMapToTheirItems) {
    EXPECT_EQ(QuickInfoItemForControl(IDC_FORM1_LABEL4), QuickInfoItem::TargetLabel);
    EXPECT_EQ(QuickInfoItemForControl(IDC_FORM1_LABEL50), QuickInfoItem::MinimumLabel);
    EXPECT_EQ(QuickInfoItemForControl(IDC_FORM1_CHECKBOX10), QuickInfoItem::DiskCacheCheck);
    EXPECT_EQ(QuickInfoItemForControl(IDC_FORM1_CHECKBOX97), QuickInfoItem::UseRamCheck);
    // Sliders, amounts and buttons have no description.
    EXPECT_FALSE(QuickInfoItemForControl(IDC_FORM1_TRACKBAR1));
    EXPECT_FALSE(QuickInfoItemForControl(IDC_FORM1_LABEL5));
    EXPECT_FALSE(QuickInfoItemForControl(IDC_FORM1_SPEEDBUTTON5));
    EXPECT_FALSE(QuickInfoItemForControl(IDC_FORM1_PAGE0));

    EXPECT_EQ(QuickInfoItemForPage(0), QuickInfoItem::OptimizerArea);
    EXPECT_EQ(QuickInfoItemForPage(1), QuickInfoItem::ShortcutArea);
    EXPECT_EQ(QuickInfoItemForPage(4), QuickInfoItem::TweakNtArea);
    EXPECT_EQ(QuickInfoItemForPage(5), QuickInfoItem::Tweak9xArea);
    EXPECT_FALSE(QuickInfoItemForPage(2));
    EXPECT_FALSE(QuickInfoItemForPage(3));
}

}  // namespace
}  // namespace talvane
