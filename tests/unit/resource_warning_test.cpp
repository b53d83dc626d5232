#include "engine/resource_warning.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <vector>

namespace talvane::engine {
namespace {

TEST(ResourceWarningTest, WarnsOnceAtEachFallBelowTheShare) {
    struct Step {
        std::optional<std::uint32_t> freePercent;
        bool enabled;
        bool warns;
    };
    constexpr std::optional<std::uint32_t> kUnknown;
    const struct {
        const char* name;
        std::vector<Step> steps;
    } cases[] = {
        {"falling edge", {{40, true, false}, {21, true, false}, {20, true, false}, {19, true, true}}},
        {"low from the first tick", {{5, true, true}, {5, true, false}}},
        {"staying low", {{19, true, true}, {10, true, false}, {3, true, false}, {19, true, false}}},
        {"rising to the share and falling again",
         {{19, true, true}, {20, true, false}, {19, true, true}, {50, true, false}, {1, true, true}}},
        {"unknown readings neither warn nor reset",
         {{kUnknown, true, false}, {19, true, true}, {kUnknown, true, false}, {18, true, false}}},
        {"option off", {{10, false, false}, {10, false, false}, {30, false, false}, {10, false, false}}},
        {"switched on while low", {{10, false, false}, {10, true, true}}},
        {"switched off and on again while still low", {{10, true, true}, {10, false, false}, {10, true, false}}},
        {"a rise while off counts", {{10, true, true}, {30, false, false}, {10, true, true}}},
    };
    constexpr std::uint32_t kBelowPercent = 20;
    for (const auto& c : cases) {
        ResourceWarning warning;
        for (std::size_t i = 0; i < c.steps.size(); ++i) {
            const Step& step = c.steps[i];
            EXPECT_EQ(warning.Tick(step.freePercent, step.enabled, kBelowPercent), step.warns) << c.name << " #" << i;
        }
    }
}

}  // namespace
}  // namespace talvane::engine
