#include "base/quick_info.h"

#include <gtest/gtest.h>

#include "control_ids.h"
#include "optimizer/optimizer_page.h"
#include "tweaks/nt_tweaks.h"

namespace talvane {
namespace {

TEST(QuickInfoTest, RowsGiveTheirLinesAndOthersNone) {
    const std::vector<QuickInfoRow> rows = {{1, 7, kNoSecondLine}, {2, 8, 9}, {3, 173, 174, true}};
    const struct {
        int controlId;
        std::uint32_t totalPhysMB;
        std::optional<QuickInfoLines> lines;
    } cases[] = {
        {1, 512, QuickInfoLines{"Move your cursor to any item to get more information about it.", ""}},
        {2, 512,
         QuickInfoLines{"Define amounts of RAM that Talvane will try to recover when the minimum level is ",
                        "reached. Usually, it is about 1/4 of your RAM."}},
        {4, 512, std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(QuickInfoFromRows(rows, c.controlId, c.totalPhysMB), c.lines) << c.controlId;
    }
    // The disk-cache line names a quarter of the memory, rounded down.
    EXPECT_EQ(QuickInfoFromRows(rows, 3, 512)->second, "at one time. Recommended size: 128 MB.");
    EXPECT_EQ(QuickInfoFromRows(rows, 3, 260)->second, "at one time. Recommended size: 65 MB.");
}

TEST(QuickInfoTest, PagesDescribeTheirAreaAndTheirLabelsOnly) {
    const std::uint32_t memory = 512;  // the page holds on to the live figure
    EXPECT_TRUE(NtTweakQuickInfo(IDC_FORM1_PAGE4, memory));
    EXPECT_EQ(NtTweakQuickInfo(IDC_FORM1_CHECKBOX10, memory)->second, "at one time. Recommended size: 128 MB.");
    EXPECT_TRUE(OptimizerPage::QuickInfo(IDC_FORM1_LABEL4, 512));
    EXPECT_FALSE(OptimizerPage::QuickInfo(IDC_FORM1_TRACKBAR1, 512)) << "sliders have no description";
}

}  // namespace
}  // namespace talvane
