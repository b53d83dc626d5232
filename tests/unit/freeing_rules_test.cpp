#include "engine/freeing_rules.h"

#include <gtest/gtest.h>

#include <iterator>
#include <string>

namespace talvane::engine {
namespace {

using Rules = FreeingRules;
constexpr std::uint32_t kTotalMB = 1000;

// Switched on, minimum 100 MB, target 300 MB, menu entries of 100, 50 and 0 MB.
EngineSettings Quiet() {
    EngineSettings s;
    s.enabled = true;
    s.optimizer = {300, 100};
    s.options.menuAmountX = 100;
    s.options.menuAmountY = 50;
    return s;
}

std::string Text(const std::optional<FreeingRequest>& request) {
    return request ? std::string(TriggerName(request->trigger)) + " " + std::to_string(request->megabytes) : "-";
}

std::string Tick(Rules& rules, std::uint64_t ms, std::uint32_t availMB, std::optional<std::uint32_t> cpu = {}) {
    return Text(rules.Tick({ms, availMB, kTotalMB, cpu}));
}

TEST(FreeingRulesTest, EachRuleFiresWhenAndOnlyWhenDue) {
    // Start-up after 10 s; periodic: 30 MB while below 75 %.
    const struct {
        bool enabled, cpuDetect;
        std::uint32_t startupMB, periodMinutes;  // 0: no period
        std::uint64_t ms;
        std::uint32_t availMB;
        std::optional<std::uint32_t> cpu;
        const char* expected;
    } cases[] = {
        {true, true, 0, 0, 1000, 80, {}, "minimum 220"},
        {true, true, 0, 0, 1000, 100, {}, "-"},
        {false, true, 40, 2, 200000, 80, {}, "-"},
        {true, true, 40, 0, 9999, 500, {}, "-"},
        {true, true, 40, 0, 10000, 500, {}, "startup 40"},
        {true, true, 400, 0, 10000, 80, {}, "startup 400"},  // two rules due: the larger serves both
        {true, true, 0, 2, 119999, 500, {}, "-"},
        {true, true, 0, 2, 120000, 749, {}, "periodic 30"},
        {true, true, 0, 2, 120000, 750, {}, "-"},  // 75 % of 1000 MB is not below it
        {true, true, 0, 0, 120000, 500, {}, "-"},
        {true, true, 0, 0, 1000, 80, 61, "-"},
        {true, true, 0, 0, 1000, 80, 60, "minimum 220"},
        {true, false, 0, 0, 1000, 80, 100, "minimum 220"},
    };
    for (std::size_t row = 0; row < std::size(cases); ++row) {
        const auto& c = cases[row];
        EngineSettings s = Quiet();
        s.enabled = c.enabled;
        s.options.disableCpuDetect = !c.cpuDetect;
        s.options.freeOnStartup = true;
        s.options.freeOnStartupAmount = c.startupMB;
        s.options.freeOnStartupDelay = 10;
        s.options.periodicMinutes = c.periodMinutes;
        s.options.periodicAmount = 30;
        s.options.periodicBelowPercent = 75;
        Rules rules(s, 0);
        EXPECT_EQ(Tick(rules, c.ms, c.availMB, c.cpu), c.expected) << "row " << row;
    }
}

TEST(FreeingRulesTest, StartupFiresOncePerRunAndAReloadTakesEffectAtOnce) {
    EngineSettings settings = Quiet();
    Rules rules(settings, 5000);
    settings.options.freeOnStartupAmount = 40;
    settings.options.freeOnStartupDelay = 10;
    EXPECT_EQ(Tick(rules, 20000, 500), "-");
    settings.options.freeOnStartup = true;
    rules.Configure(settings);
    EXPECT_EQ(Tick(rules, 21000, 500), "startup 40") << "switched on after its delay";
    settings.enabled = false;
    rules.Configure(settings);
    EXPECT_EQ(Tick(rules, 22000, 80), "-");
    settings.enabled = true;
    rules.Configure(settings);
    EXPECT_EQ(Tick(rules, 99000, 500), "-") << "a reload does not start it again";
}

TEST(FreeingRulesTest, DeferredPeriodicFiresWhenTheCpuCalmsIfStillDue) {
    EngineSettings settings = Quiet();
    settings.options.periodicMinutes = 1;
    settings.options.periodicAmount = 30;
    settings.options.periodicBelowPercent = 75;
    Rules rules(settings, 0);
    EXPECT_EQ(Tick(rules, 60000, 500, 90), "-");
    EXPECT_EQ(Tick(rules, 61000, 500, 20), "periodic 30");
    EXPECT_EQ(Tick(rules, 121000, 500, 90), "-");
    EXPECT_EQ(Tick(rules, 122000, 800, 20), "-") << "memory rose meanwhile: this period is passed over";
    EXPECT_EQ(Tick(rules, 181000, 500), "-");
    EXPECT_EQ(Tick(rules, 182000, 500), "periodic 30");
}

TEST(FreeingRulesTest, CooldownLastsAsLongAsTheFreeingTookAndAtLeast30Seconds) {
    const struct { std::uint64_t tookMs, quietMs; } cases[] = {{1000, 30000}, {45000, 45000}};
    for (const auto& c : cases) {
        Rules rules(Quiet(), 0);
        ASSERT_EQ(Tick(rules, 1000, 80), "minimum 220");
        rules.Started(1000);
        EXPECT_EQ(Tick(rules, 2000, 80), "-") << "running";
        const std::uint64_t end = 1000 + c.tookMs;
        EXPECT_FALSE(rules.Ended(end));
        EXPECT_EQ(Tick(rules, end + c.quietMs - 1, 80), "-") << c.tookMs;
        EXPECT_EQ(Tick(rules, end + c.quietMs, 80), "minimum 220") << c.tookMs;
    }
}

TEST(FreeingRulesTest, OnDemandBypassesCpuAndCooldownButIsMergedWhileOneRuns) {
    Rules rules(Quiet(), 0);
    rules.Started(0);
    static_cast<void>(rules.Ended(1000));
    EXPECT_EQ(Tick(rules, 2000, 80, 100), "-");
    EXPECT_EQ(Text(rules.Hotkey(80)), "hotkey 220");
    EXPECT_EQ(Text(rules.Hotkey(300)), "-") << "target already met";
    EXPECT_EQ(Text(rules.Menu(Rules::MenuEntry::Z)), "-") << "0 MB";

    rules.Started(3000);
    EXPECT_EQ(Text(rules.Menu(Rules::MenuEntry::Y)), "-");
    EXPECT_EQ(Text(rules.Menu(Rules::MenuEntry::X)), "-");
    EXPECT_EQ(Text(rules.Menu(Rules::MenuEntry::Y)), "-");
    EXPECT_EQ(Text(rules.Ended(4000)), "menu 100") << "one request, the larger";
}

}  // namespace
}  // namespace talvane::engine
