#include "optimizer/status_tick.h"

#include <gtest/gtest.h>

#include "fakes/fake_clock.h"
#include "fakes/fake_perf_registry.h"
#include "fakes/fake_platform.h"

namespace talvane {
namespace {

class RecordingView : public StatusView {
public:
    std::vector<std::string> calls;
    std::vector<std::int32_t> newestPoints;
    std::vector<int> cpu;

    void SetUptime(int row, const std::string& text) override {
        calls.push_back("uptime " + std::to_string(row) + " " + text);
    }
    void ShowMemory(const LoadHistory& history) override {
        calls.push_back("memory");
        newestPoints.push_back(history.Points()[0]);
    }
    void RefreshEngineState() override { calls.push_back("engine"); }
    void SetCpuUsage(int percent) override {
        calls.push_back("cpu");
        cpu.push_back(percent);
    }
};

class StatusTickTest : public ::testing::Test {
protected:
    StatusTickTest() {
        system.SetPhysicalMemory(512ull << 20, 256ull << 20, 50);
        history.Fill(0);
    }
    fakes::FakeSystem system;
    fakes::FakeClock clock;
    fakes::FakePerfRegistry registry;
    StartupFacts facts;
    MemorySample sample;
    LoadHistory history;
    RecordingView view;
};

TEST_F(StatusTickTest, TicksInOrderAndSkipsTheUptimeWithoutARow) {
    facts.family = WindowsFamily::WinXP;
    StatusSampler sampler(system, clock, registry, facts, sample, history);
    sampler.Tick(view);
    EXPECT_EQ(view.calls, (std::vector<std::string>{"memory", "engine", "cpu"}));
    EXPECT_EQ(view.newestPoints[0], 60);
    EXPECT_EQ(sample.availPhysMB, 256u);

    view.calls.clear();
    clock.tickCount = 59999;
    sampler.SetUptimeRow(9);
    sampler.Tick(view);
    EXPECT_EQ(view.calls,
              (std::vector<std::string>{"uptime 9 0 hours, 0 minutes, 59 seconds", "memory", "engine", "cpu"}));
}

TEST_F(StatusTickTest, EachFamilyReadsItsCpuSource) {
    registry.SetDynNumber("PerfStats\\StatData", "KERNEL\\CPUUsage", 37);
    clock.systemTimes = platform::SystemTimes{1000, 2000, 0};
    // As Wine answers: a valid block without a Processor object, so the NT reader falls back.
    registry.performanceData = fakes::BuildPerfBlock(fakes::TimeAt(0), {}).bytes;
    const struct {
        WindowsFamily family;
        int first;
    } cases[] = {
        {WindowsFamily::Win98, 37},
        {WindowsFamily::WinMe, 37},
        {WindowsFamily::WinXP, 0},  // the first NT reading has nothing to compare with
        {WindowsFamily::NT4, 0},
    };
    for (const auto& c : cases) {
        facts.family = c.family;
        StatusSampler sampler(system, clock, registry, facts, sample, history);
        RecordingView v;
        sampler.Tick(v);
        ASSERT_EQ(v.cpu.size(), 1u);
        EXPECT_EQ(v.cpu[0], c.first) << static_cast<int>(c.family);
        EXPECT_EQ(clock.systemTimesCalls > 0, !Is9xFamily(c.family)) << static_cast<int>(c.family);
        clock.systemTimesCalls = 0;
    }
}

}  // namespace
}  // namespace talvane
