#include "optimizer/optimizer_page.h"

#include <gtest/gtest.h>

namespace talvane {
namespace {

TEST(OptimizerPageTest, SlidersScaleToTheMachineAndClamp) {
    const struct {
        std::uint32_t totalPhysMB;
        std::uint32_t storedTarget;
        std::uint32_t storedMinimum;
        std::uint32_t targetMax;
        std::uint32_t minimumMax;
        const char* targetLabel;
        const char* minimumLabel;
    } cases[] = {
        {256, 500, 0, 192, 128, "192 MB", "0 MB"},
        {512, 128, 32, 384, 256, "128 MB", "32 MB"},
        {24580, 6145, 1536, 18435, 12290, "6145 MB", "1536 MB"},
    };
    for (const auto& c : cases) {
        int changes = 0;
        OptimizerPage page([&] { ++changes; });
        page.SetRanges(c.totalPhysMB);
        page.MoveTarget(c.storedTarget);
        page.MoveMinimum(c.storedMinimum);
        EXPECT_EQ(page.Target().Maximum(), c.targetMax);
        EXPECT_EQ(page.Minimum().Maximum(), c.minimumMax);
        EXPECT_EQ(page.Target().Minimum(), 0u);
        EXPECT_EQ(page.TargetAmount(), c.targetLabel);
        EXPECT_EQ(page.MinimumAmount(), c.minimumLabel);
        EXPECT_EQ(changes, (c.storedTarget != 0 ? 1 : 0) + (c.storedMinimum != 0 ? 1 : 0)) << c.totalPhysMB;
    }
}

TEST(OptimizerPageTest, OnlyRealMovesCountAsChanges) {
    int changes = 0;
    OptimizerPage page([&] { ++changes; });
    page.SetRanges(512);
    page.MoveTarget(100);
    page.MoveTarget(100);
    EXPECT_EQ(changes, 1);
    page.MoveTarget(101);
    page.MoveTarget(100);  // moving back still leaves a change behind
    EXPECT_EQ(changes, 3);
    page.MoveTarget(100000);
    page.MoveTarget(100000);
    EXPECT_EQ(page.Target().Position(), 384u);
    EXPECT_EQ(changes, 4);
}

TEST(OptimizerPageTest, GraphTextsFollowTheSample) {
    MemorySample sample;
    sample.totalPhysMB = 511;
    sample.availPhysMB = 300;
    EXPECT_EQ(OptimizerPage::ScaleLabels(sample), (std::array<std::string, 3>{"511", "255", "0"}));
    EXPECT_EQ(OptimizerPage::FreeRamLine(sample), "Free RAM: 300 MB");
}

}  // namespace
}  // namespace talvane
