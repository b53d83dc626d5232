#include "base/memory_freeing.h"

#include <gtest/gtest.h>

#include <vector>

#include "fakes/fake_memory_reclaim.h"

namespace talvane {
namespace {

constexpr std::uint64_t kMB = fakes::FakeMemoryReclaim::kMB;

TEST(MemoryFreeingTest, NothingAskedTouchesNothing) {
    fakes::FakeMemoryReclaim memory;
    memory.reclaimable = 100 * kMB;
    EXPECT_EQ(FreeMemory(memory, true, 0), 0u);
    EXPECT_TRUE(memory.log.Entries().empty());
}

TEST(MemoryFreeingTest, TrimmingFirstOnNtAndOnlyTheRestIsTouched) {
    fakes::FakeMemoryReclaim memory;
    memory.trimmable = 30 * kMB;
    memory.reclaimable = 200 * kMB;
    EXPECT_EQ(FreeMemory(memory, true, 50), 50u);
    EXPECT_EQ(memory.log.Entries(), (std::vector<std::string>{"measure", "trim", "measure", "touch 20", "measure"}));

    fakes::FakeMemoryReclaim nine;
    nine.trimmable = 30 * kMB;
    nine.reclaimable = 200 * kMB;
    EXPECT_EQ(FreeMemory(nine, false, 50), 50u);
    EXPECT_EQ(nine.log.IndexOf("trim"), -1) << "9x has no working sets to trim";
    EXPECT_EQ(nine.touched, 50 * kMB);
}

TEST(MemoryFreeingTest, TouchingStaysWithinTheAskedAmountAndAboveASixteenth) {
    const struct {
        const char* name;
        std::uint64_t available, reclaimable, loss;
        std::uint32_t asked, gained;
        std::uint64_t touched;
    } cases[] = {
        // Steps of 64 MB until the asked 150 are reached.
        {"plenty", 200 * kMB, 1000 * kMB, 0, 150, 150, 150 * kMB},
        // A step that gains nothing ends the work.
        {"nothing to push out", 200 * kMB, 0, 0, 150, 0, 64 * kMB},
        {"gains run out", 200 * kMB, 70 * kMB, 0, 150, 70, 150 * kMB},
        // Others take more than a step gives: the gain is 0, not negative, and the loop stops.
        {"others allocate", 200 * kMB, 1000 * kMB, 100 * kMB, 150, 0, 64 * kMB},
        // 256 MB machine, floor 16 MB: 20 MB available leaves a step of 4 MB at most.
        {"near the floor", 20 * kMB, 1000 * kMB, 0, 10, 10, 10 * kMB},
        {"at the floor", 16 * kMB, 1000 * kMB, 0, 10, 0, 0},
    };
    for (const auto& c : cases) {
        fakes::FakeMemoryReclaim memory;
        memory.available = c.available;
        memory.reclaimable = c.reclaimable;
        memory.lossPerTouch = c.loss;
        EXPECT_EQ(FreeMemory(memory, false, c.asked), c.gained) << c.name;
        EXPECT_EQ(memory.touched, c.touched) << c.name;
        EXPECT_GE(memory.lowestWhileTouching, static_cast<std::int64_t>(memory.total / 16)) << c.name;
    }
}

TEST(MemoryFreeingTest, MemoryThatCannotBeCommittedEndsTheWork) {
    fakes::FakeMemoryReclaim memory;
    memory.trimmable = 5 * kMB;
    memory.reclaimable = 100 * kMB;
    memory.failTouch = true;
    EXPECT_EQ(FreeMemory(memory, true, 50), 5u);
    EXPECT_EQ(memory.log.Entries().back(), "touch 45");
}

}  // namespace
}  // namespace talvane
