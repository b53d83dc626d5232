#include "sysinfo/process_priority.h"

#include <gtest/gtest.h>

namespace talvane {
namespace {

TEST(ProcessPriorityTest, OnlyNormalAndHighInAnyCaseSelectTheirChoice) {
    const struct {
        const char* text;
        PriorityChoice choice;
    } cases[] = {
        {"HIGH", PriorityChoice::High},      {"high", PriorityChoice::High},    {"normal", PriorityChoice::Normal},
        {"Normal", PriorityChoice::Normal},  {"", PriorityChoice::Idle},        {"Above Normal", PriorityChoice::Idle},
        {"Real Time", PriorityChoice::Idle}, {"Highest", PriorityChoice::Idle},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PriorityChoiceFor(c.text), c.choice) << c.text;
    }
}

}  // namespace
}  // namespace talvane
