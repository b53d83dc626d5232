#include "shell/about_box.h"

#include <gtest/gtest.h>

#include "fakes/fake_platform.h"

namespace talvane {
namespace {

TEST(AboutBoxTest, FiguresFollowTheMemoryRules) {
    constexpr std::uint64_t kMB = 1024 * 1024;
    const struct {
        std::uint64_t total;
        const char* totalText;
    } cases[] = {{256 * kMB, "260 MB"}, {255 * kMB + 300 * 1024, "256 MB"}};
    for (const auto& c : cases) {
        fakes::FakeSystem system;
        system.SetPhysicalMemory(c.total, 100 * kMB + 512 * 1024, 61);
        const auto figures = AboutFigures(TakeMemorySample(system));
        EXPECT_EQ(figures[0], "61 %");
        EXPECT_EQ(figures[1], c.totalText);
        EXPECT_EQ(figures[2], "100 MB");
    }
}

}  // namespace
}  // namespace talvane
