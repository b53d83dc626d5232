#include "base/uptime.h"

#include <gtest/gtest.h>

#include "fakes/fake_clock.h"

namespace talvane {
namespace {

constexpr std::uint64_t kSecond = 1000;
constexpr std::uint64_t kMinute = 60 * kSecond;
constexpr std::uint64_t kHour = 60 * kMinute;
constexpr std::uint64_t kDay = 24 * kHour;

TEST(UptimeTest, Text) {
    const struct {
        std::uint64_t milliseconds;
        const char* text;
    } cases[] = {
        {0, "0 hours, 0 minutes, 0 seconds"},
        {999, "0 hours, 0 minutes, 0 seconds"},
        {kSecond, "0 hours, 0 minutes, 1 seconds"},
        {59999, "0 hours, 0 minutes, 59 seconds"},
        {kHour + kMinute, "1 hours, 1 minutes, 0 seconds"},
        {14 * kHour, "14 hours, 0 minutes, 0 seconds"},
        {kDay - 1, "23 hours, 59 minutes, 59 seconds"},
        {kDay, "1 days, 0 hours, 0 minutes, 0 seconds"},
        {2 * kDay + 3 * kHour + 4 * kMinute + 5 * kSecond + 678, "2 days, 3 hours, 4 minutes, 5 seconds"},
        {std::uint64_t{1} << 31, "24 days, 20 hours, 31 minutes, 23 seconds"},
        {std::uint64_t{1} << 32, "49 days, 17 hours, 2 minutes, 47 seconds"},
        {1000 * kDay + 10 * kMinute, "1000 days, 0 hours, 10 minutes, 0 seconds"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(UptimeText(c.milliseconds), c.text) << c.milliseconds;
    }
}

TEST(UptimeTest, SixtyFourBitCountWhereWindowsHasIt) {
    const struct {
        std::uint32_t tickCount;
        std::optional<std::uint64_t> tickCount64;
        const char* text;
    } cases[] = {
        {5000, std::nullopt, "0 hours, 0 minutes, 5 seconds"},
        {0xFFFFFFFF, std::nullopt, "49 days, 17 hours, 2 minutes, 47 seconds"},
        // 49.7 days and 5 seconds: the 32-bit count has started again, the 64-bit one has not.
        {5000, (std::uint64_t{1} << 32) + 5000, "49 days, 17 hours, 2 minutes, 52 seconds"},
        {1000, 400 * kDay + 1000, "400 days, 0 hours, 0 minutes, 1 seconds"},
    };
    for (const auto& c : cases) {
        fakes::FakeClock clock;
        clock.tickCount = c.tickCount;
        clock.tickCount64 = c.tickCount64;
        EXPECT_EQ(UptimeText(UptimeMilliseconds(clock)), c.text) << c.tickCount;
    }
}

}  // namespace
}  // namespace talvane
