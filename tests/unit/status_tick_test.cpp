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
        sample.memoryLoad = 50;
        history.Fill(0);
    }
    fakes::FakeClock clock;
    fakes::FakePerfRegistry registry;
    StartupFacts facts;
    MemorySample sample;
    LoadHistory history;
    RecordingView view;
};

TEST_F(StatusTickTest, TicksInOrderFromTheSharedSample) {
    facts.family = WindowsFamily::WinXP;
    StatusSampler sampler(clock, registry, facts, sample, history);
    sampler.Tick(view);
    EXPECT_EQ(view.calls, (std::vector<std::string>{"memory", "engine", "cpu"}));
    EXPECT_EQ(view.newestPoints[0], 60);

    // The shell replaces the sample between ticks; the graph follows it.
    sample.memoryLoad = 100;
    sampler.Tick(view);
    EXPECT_EQ(view.newestPoints[1], 119);
}

TEST_F(StatusTickTest, EachFamilyReadsItsCpuSource) {
    registry.SetDynNumber("PerfStats\\StatData", "KERNEL\\CPUUsage", 37);
    // As Wine answers: a valid block without a Processor object, so the NT reader falls back.
    registry.performanceData = fakes::BuildPerfBlock(fakes::TimeAt(0), {}).bytes;
    const struct {
        WindowsFamily family;
        bool kernelHasSystemTimes;
        int first;
        bool performanceData;  // queried: it costs a load of DLLs every time
    } cases[] = {
        {WindowsFamily::Win98, true, 37, false},  {WindowsFamily::WinMe, false, 37, false},
        {WindowsFamily::WinXP, true, 0, false},  // the first NT reading has nothing to compare with
        {WindowsFamily::Win2000, false, 0, true}, {WindowsFamily::NT4, false, 0, true},
    };
    for (const auto& c : cases) {
        facts.family = c.family;
        clock.systemTimes = c.kernelHasSystemTimes
                                ? std::optional<platform::SystemTimes>(platform::SystemTimes{1000, 2000, 0})
                                : std::nullopt;
        registry.perfQueries.clear();
        StatusSampler sampler(clock, registry, facts, sample, history);
        RecordingView v;
        sampler.Tick(v);
        sampler.Tick(v);
        ASSERT_EQ(v.cpu.size(), 2u);
        EXPECT_EQ(v.cpu[0], c.first) << static_cast<int>(c.family);
        EXPECT_EQ(!registry.perfQueries.empty(), c.performanceData) << static_cast<int>(c.family);
    }
}

}  // namespace
}  // namespace talvane
