#include "engine/engine_clock.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <vector>

#include "fakes/fake_clock.h"

namespace talvane::engine {
namespace {

TEST(EngineClockTest, NeverWrapsNorStepsBack) {
    constexpr std::uint64_t kWrap = std::uint64_t{1} << 32;
    const struct {
        const char* name;
        std::optional<std::uint64_t> tick64;
        std::vector<std::uint32_t> ticks;
        std::vector<std::uint64_t> nowMs;
    } cases[] = {
        {"steady", {}, {5, 1005, 2005}, {5, 1005, 2005}},
        {"one wrap", {}, {0xFFFFFC18u, 0xFFFFFFFFu, 0, 999}, {0xFFFFFC18u, 0xFFFFFFFFu, kWrap, kWrap + 999}},
        {"two wraps",
         {},
         {0xFFFFFFF0u, 16, 0xFFFFFFF0u, 16},
         {0xFFFFFFF0u, kWrap + 16, kWrap + 0xFFFFFFF0u, 2 * kWrap + 16}},
        {"same tick twice", {}, {7, 7}, {7, 7}},
        {"64-bit count where the kernel has it", 3 * kWrap, {1, 0}, {3 * kWrap, 3 * kWrap}},
    };
    for (const auto& c : cases) {
        fakes::FakeClock fake;
        fake.tickCount64 = c.tick64;
        EngineClock clock(fake);
        for (std::size_t i = 0; i < c.ticks.size(); ++i) {
            fake.tickCount = c.ticks[i];
            EXPECT_EQ(clock.NowMs(), c.nowMs[i]) << c.name << " #" << i;
        }
    }
}

}  // namespace
}  // namespace talvane::engine
