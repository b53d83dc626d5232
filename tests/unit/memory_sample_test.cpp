#include "base/memory_sample.h"

#include <gtest/gtest.h>

#include "fakes/fake_platform.h"

namespace talvane {
namespace {

constexpr std::uint64_t kMB = 1024 * 1024;

TEST(MemorySampleTest, TotalPhysMBRoundsUpToTheNextFour) {
    const struct {
        std::uint64_t bytes;
        std::uint32_t expected;
    } cases[] = {
        {255 * kMB + 600 * 1024, 256},  // 255.6 MB
        {256 * kMB, 260},
        {511 * kMB, 512},
        {0, 4},
        {24ull * 1024 * kMB, 24580},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TotalPhysMBFromBytes(c.bytes), c.expected) << c.bytes;
    }
}

TEST(MemorySampleTest, LargeMachineReadsTheExtendedFigures) {
    fakes::FakeSystem system;
    system.status64 = platform::MemoryStatus64{};
    system.SetPhysicalMemory(24ull * 1024 * kMB, 20ull * 1024 * kMB, 17);

    const MemorySample sample = TakeMemorySample(system);

    EXPECT_EQ(sample.totalPhysMB, 24580u);
    EXPECT_EQ(sample.availPhysMB, 20u * 1024);
    EXPECT_EQ(sample.memoryLoad, 17u);
    EXPECT_EQ(sample.totalPageFileMB, 48u * 1024);
    EXPECT_EQ(sample.availPageFileMB, 40u * 1024);
}

TEST(MemorySampleTest, OldKernelFallsBackToTheClassicCall) {
    fakes::FakeSystem system;  // no GlobalMemoryStatusEx, as on Windows 98
    system.SetPhysicalMemory(255 * kMB + 600 * 1024, 100 * kMB, 60);

    const MemorySample sample = TakeMemorySample(system);

    EXPECT_EQ(sample.totalPhysMB, 256u);
    EXPECT_EQ(sample.availPhysMB, 100u);
    EXPECT_EQ(sample.memoryLoad, 60u);
    EXPECT_EQ(sample.totalPageFileMB, 511u);
}

}  // namespace
}  // namespace talvane
