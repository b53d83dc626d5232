#include "base/cpu_usage.h"

#include <gtest/gtest.h>

#include <functional>

#include "fakes/fake_clock.h"
#include "fakes/fake_perf_registry.h"

namespace talvane {
namespace {

using fakes::BuildPerfBlock;
using fakes::FakeClock;
using fakes::FakePerfRegistry;
using fakes::ProcessorObject;
using fakes::SyntheticPerfObject;
using fakes::TimeAt;

constexpr std::uint64_t kSecond = 10000000;  // in 100-ns units

std::vector<std::uint8_t> ProcessorBlock(std::uint32_t seconds, const std::vector<std::uint64_t>& idle) {
    return BuildPerfBlock(TimeAt(seconds), {ProcessorObject(idle)}).bytes;
}

// A block of about the given size (rounded up to 8 bytes), the Processor object after a padded one.
std::vector<std::uint8_t> LargeBlock(std::size_t size, std::uint32_t seconds, std::uint64_t idle) {
    SyntheticPerfObject filler;
    filler.title = 2;
    filler.counters = {10};
    filler.numInstances = perf::kNoInstances;
    const std::size_t overhead = BuildPerfBlock(TimeAt(seconds), {filler, ProcessorObject({idle, 0})}).bytes.size();
    filler.counterBlockPadding = size > overhead ? size - overhead : 0;
    return BuildPerfBlock(TimeAt(seconds), {filler, ProcessorObject({idle, 0})}).bytes;
}

platform::SystemTimes Times(std::uint64_t idle, std::uint64_t kernel, std::uint64_t user) {
    platform::SystemTimes times;
    times.idle = idle;
    times.kernel = kernel;
    times.user = user;
    return times;
}

class CpuUsageNtTest : public ::testing::Test {
protected:
    FakePerfRegistry registry;
    FakeClock clock;
};

TEST_F(CpuUsageNtTest, UsageIsTheShareOfTimeTheFirstProcessorWasNotIdle) {
    const struct {
        const char* name;
        std::int64_t idle;  // time instance 0 was idle between the samples
        std::uint32_t seconds;
        int usage;
    } cases[] = {
        {"a quarter busy", 7500000, 1, 25},
        {"fully busy", 0, 1, 100},
        {"fully idle", static_cast<std::int64_t>(kSecond), 1, 0},
        {"over two seconds", 5000000, 2, 75},
        {"rounded down", 2495001, 1, 75},
        {"rounded up", 2445000, 1, 76},
        {"idle ran ahead of the clock", 12000000, 1, 0},
        {"idle stepped back", -1000000, 1, 100},
        {"same system time", 5000000, 0, 0},
    };
    for (const auto& c : cases) {
        FakePerfRegistry perfRegistry;
        FakeClock perfClock;
        CpuUsageNt reader(perfRegistry, perfClock);
        const std::uint64_t start = 900 * kSecond;
        // The second processor is always idle: only the first may decide.
        perfRegistry.performanceData = ProcessorBlock(10, {start, 0});
        EXPECT_EQ(reader.Read(), 0) << c.name << ": the first reading has nothing to compare with";
        perfRegistry.performanceData =
            ProcessorBlock(10 + c.seconds, {start + static_cast<std::uint64_t>(c.idle), c.seconds * kSecond});
        EXPECT_EQ(reader.Read(), c.usage) << c.name;
        EXPECT_EQ(perfClock.systemTimesCalls, 0) << c.name;
    }
}

TEST_F(CpuUsageNtTest, BufferGrowsByStepsOnceAndIsReused) {
    const struct {
        std::size_t blockSize;
        std::vector<std::uint32_t> offered;
    } cases[] = {
        {4000, {8192}},
        {8192 + 1, {8192, 12288}},
        {20000, {8192, 12288, 16384, 20480}},
    };
    for (const auto& c : cases) {
        FakePerfRegistry perfRegistry;
        FakeClock perfClock;
        CpuUsageNt reader(perfRegistry, perfClock);
        perfRegistry.performanceData = LargeBlock(c.blockSize, 0, 0);
        ASSERT_GE(perfRegistry.performanceData.size(), c.blockSize);
        ASSERT_LE(perfRegistry.performanceData.size(), c.offered.back()) << "the block must need these steps";
        reader.Read();
        std::vector<std::uint32_t> offered;
        for (const auto& query : perfRegistry.perfQueries) {
            offered.push_back(query.offered);
        }
        EXPECT_EQ(offered, c.offered) << c.blockSize;
        const std::uint8_t* storage = reader.Buffer().data();

        perfRegistry.perfQueries.clear();
        perfRegistry.performanceData = LargeBlock(c.blockSize, 1, kSecond / 4);
        EXPECT_EQ(reader.Read(), 75) << c.blockSize;
        ASSERT_EQ(perfRegistry.perfQueries.size(), 1u) << c.blockSize;
        EXPECT_EQ(perfRegistry.perfQueries[0].offered, c.offered.back()) << c.blockSize;
        EXPECT_EQ(perfRegistry.perfQueries[0].buffer, storage) << c.blockSize;
        EXPECT_EQ(reader.Buffer().data(), storage) << c.blockSize;
    }
}

TEST_F(CpuUsageNtTest, BufferNeverShrinks) {
    CpuUsageNt reader(registry, clock);
    registry.performanceData = LargeBlock(20000, 0, 0);
    reader.Read();
    registry.performanceData = ProcessorBlock(1, {kSecond / 2, 0});
    registry.perfQueries.clear();
    EXPECT_EQ(reader.Read(), 50);
    EXPECT_EQ(reader.Buffer().size(), 20480u);
    EXPECT_EQ(registry.perfQueries.at(0).offered, 20480u);
}

TEST_F(CpuUsageNtTest, EndlessMoreDataIsGivenUp) {
    CpuUsageNt reader(registry, clock);
    registry.performanceStatus = platform::kErrorMoreData;
    EXPECT_EQ(reader.Read(), 0);
    EXPECT_EQ(reader.Buffer().size(), CpuUsageNt::kBufferLimit);
    registry.perfQueries.clear();
    EXPECT_EQ(reader.Read(), 0);
    EXPECT_EQ(registry.perfQueries.size(), 1u) << "a buffer at the limit is not grown again";
}

TEST_F(CpuUsageNtTest, ABadBlockReadsZeroAndKeepsTheLastGoodSample) {
    CpuUsageNt reader(registry, clock);
    clock.systemTimes = Times(0, 0, 0);
    registry.performanceData = ProcessorBlock(0, {0});
    EXPECT_EQ(reader.Read(), 0);

    fakes::PerfBlock damaged = BuildPerfBlock(TimeAt(1), {ProcessorObject({kSecond})});
    fakes::Put32(&damaged.bytes, damaged.counters[0][2] + 36, 4000);  // counter offset past its block
    registry.performanceData = damaged.bytes;
    EXPECT_EQ(reader.Read(), 0);

    perf::SystemTime impossible = TimeAt(1);
    impossible.day = 31;
    impossible.month = 4;
    registry.performanceData = BuildPerfBlock(impossible, {ProcessorObject({kSecond})}).bytes;
    EXPECT_EQ(reader.Read(), 0);

    registry.performanceData = ProcessorBlock(4, {kSecond});
    EXPECT_EQ(reader.Read(), 75) << "measured against the sample of second 0";
    EXPECT_EQ(clock.systemTimesCalls, 0) << "a damaged Processor object is not a missing one";
}

TEST_F(CpuUsageNtTest, InstanceCountIsFixedAtTheFirstReading) {
    CpuUsageNt reader(registry, clock);
    EXPECT_EQ(reader.InstanceCount(), -1);
    registry.performanceData = ProcessorBlock(0, {0, 0});
    reader.Read();
    EXPECT_EQ(reader.InstanceCount(), 2);

    registry.performanceData = ProcessorBlock(1, {kSecond / 2});
    EXPECT_EQ(reader.Read(), 0) << "fewer processors than at the start";
    registry.performanceData = ProcessorBlock(2, {kSecond / 2, 0, 0});
    EXPECT_EQ(reader.Read(), 75);
    EXPECT_EQ(reader.InstanceCount(), 2);
}

TEST_F(CpuUsageNtTest, WithoutAProcessorObjectTheSystemTimesDecide) {
    SyntheticPerfObject noCounter = ProcessorObject({0});
    noCounter.counters = {142};
    const struct {
        const char* name;
        std::vector<std::uint8_t> block;
        long status;
    } cases[] = {
        {"an empty block, as Wine answers", BuildPerfBlock(TimeAt(0), {}).bytes, platform::kErrorSuccess},
        {"Processor without its time counter", BuildPerfBlock(TimeAt(0), {noCounter}).bytes, platform::kErrorSuccess},
        {"Processor without instances", ProcessorBlock(0, {}), platform::kErrorSuccess},
        {"the query refused", ProcessorBlock(0, {0}), platform::kErrorAccessDenied},
    };
    for (const auto& c : cases) {
        FakePerfRegistry perfRegistry;
        FakeClock perfClock;
        CpuUsageNt reader(perfRegistry, perfClock);
        perfRegistry.performanceData = c.block;
        perfRegistry.performanceStatus = c.status;
        perfClock.systemTimes = Times(1000, 5000, 3000);
        EXPECT_EQ(reader.Read(), 0) << c.name << ": first reading";
        // Kernel time includes the idle time: 50 idle out of 80 kernel + 20 user.
        perfClock.systemTimes = Times(1050, 5080, 3020);
        EXPECT_EQ(reader.Read(), 50) << c.name;
        perfClock.systemTimes = Times(1050, 5180, 3020);
        EXPECT_EQ(reader.Read(), 100) << c.name;
        EXPECT_EQ(perfClock.systemTimesCalls, 3) << c.name;
    }
}

TEST_F(CpuUsageNtTest, FallbackWithoutGetSystemTimesReadsZero) {
    CpuUsageNt reader(registry, clock);
    registry.performanceData = BuildPerfBlock(TimeAt(0), {}).bytes;
    EXPECT_EQ(reader.Read(), 0);
    EXPECT_EQ(reader.Read(), 0);
    clock.systemTimes = Times(0, 100, 0);
    EXPECT_EQ(reader.Read(), 0) << "first reading of the system times";
    clock.systemTimes = Times(0, 200, 0);
    EXPECT_EQ(reader.Read(), 100);
}

TEST_F(CpuUsageNtTest, PerformanceDataKeyStaysOpenUntilTheEnd) {
    {
        CpuUsageNt reader(registry, clock);
        registry.performanceData = ProcessorBlock(0, {0});
        reader.Read();
        reader.Read();
        EXPECT_EQ(registry.opened, std::vector<std::string>{"PerformanceData"});
        EXPECT_EQ(registry.openKeys, 1);

        registry.performanceStatus = platform::kErrorAccessDenied;
        reader.Read();
        EXPECT_EQ(registry.openKeys, 0) << "a failed query closes the key";
        registry.performanceStatus = platform::kErrorSuccess;
        reader.Read();
        EXPECT_EQ(registry.openKeys, 1);
    }
    EXPECT_EQ(registry.openKeys, 0);
}

TEST(CpuUsage9xTest, ReadsKernelStatistics) {
    constexpr char kStat[] = "PerfStats\\StatData";
    constexpr char kStart[] = "PerfStats\\StartStat";
    constexpr char kValue[] = "KERNEL\\CPUUsage";
    const struct {
        const char* name;
        std::function<void(FakePerfRegistry*)> setUp;
        int usage;
        std::vector<std::string> opened;
    } cases[] = {
        {"plain reading", [&](FakePerfRegistry* r) { r->SetDynNumber(kStat, kValue, 37); }, 37, {kStat}},
        {"99 is taken as it is",
         [&](FakePerfRegistry* r) {
             r->SetDynNumber(kStat, kValue, 99);
             r->SetDynNumber(kStart, kValue, 5);
         },
         99,
         {kStat}},
        {"100 replaced by StartStat",
         [&](FakePerfRegistry* r) {
             r->SetDynNumber(kStat, kValue, 100);
             r->SetDynNumber(kStart, kValue, 12);
         },
         12,
         {kStat, kStart}},
        {"100 and StartStat unreadable", [&](FakePerfRegistry* r) { r->SetDynNumber(kStat, kValue, 100); }, 0, {kStat}},
        {"StatData missing, as Wine answers", [&](FakePerfRegistry* r) { r->dynData[kStat]; }, 0, {kStat}},
        {"no PerfStats at all", [](FakePerfRegistry*) {}, 0, {}},
        {"value too short",
         [&](FakePerfRegistry* r) {
             r->dynData[kStat][kValue] = {40, 0};
         },
         0,
         {kStat}},
        {"value too long",
         [&](FakePerfRegistry* r) { r->dynData[kStat][kValue] = {40, 0, 0, 0, 0, 0, 0, 0}; },
         0,
         {kStat}},
        {"above 100 limited", [&](FakePerfRegistry* r) { r->SetDynNumber(kStat, kValue, 250); }, 100, {kStat}},
        {"StartStat above 100 limited",
         [&](FakePerfRegistry* r) {
             r->SetDynNumber(kStat, kValue, 100);
             r->SetDynNumber(kStart, kValue, 0xFFFFFFFF);
         },
         100,
         {kStat, kStart}},
    };
    for (const auto& c : cases) {
        FakePerfRegistry registry;
        c.setUp(&registry);
        EXPECT_EQ(CpuUsage9x(registry), c.usage) << c.name;
        EXPECT_EQ(registry.opened, c.opened) << c.name;
        EXPECT_EQ(registry.openKeys, 0) << c.name << ": every key closed";
    }
}

}  // namespace
}  // namespace talvane
