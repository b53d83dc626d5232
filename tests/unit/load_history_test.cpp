#include "optimizer/load_history.h"

#include <gtest/gtest.h>

namespace talvane {
namespace {

TEST(LoadHistoryTest, LoadMapsToGraphHeight) {
    const struct {
        std::uint32_t load;
        std::int32_t height;
    } cases[] = {{0, 0}, {1, 1}, {50, 60}, {99, 119}, {100, 119}, {37, 44}, {38, 46}, {4000000000u, 119}};
    for (const auto& c : cases) {
        EXPECT_EQ(LoadHistory::HeightForLoad(c.load), c.height) << c.load;
    }
}

TEST(LoadHistoryTest, StartsFlatAndScrollsNewestFirst) {
    LoadHistory history;
    history.Fill(50);
    for (std::int32_t point : history.Points()) {
        EXPECT_EQ(point, 60);
    }
    history.Shift(0);
    history.Shift(100);
    EXPECT_EQ(history.Points()[0], 119);
    EXPECT_EQ(history.Points()[1], 0);
    EXPECT_EQ(history.Points()[2], 60);
    EXPECT_EQ(history.Points()[LoadHistory::kPoints - 1], 60);
    for (int i = 0; i < LoadHistory::kPoints; ++i) {
        history.Shift(10);
    }
    EXPECT_EQ(history.Points()[LoadHistory::kPoints - 1], 12) << "the oldest points drop out";
}

}  // namespace
}  // namespace talvane
