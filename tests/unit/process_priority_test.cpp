#include "sysinfo/process_priority.h"

#include <gtest/gtest.h>

#include "fakes/fake_processes.h"

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

TEST(ProcessPriorityTest, NoChoiceOrARefusalChangesNothingAndSaysSo) {
    fakes::FakeProcesses processes;
    EXPECT_FALSE(SetProcessPriority(processes, 42, 3));
    EXPECT_FALSE(SetProcessPriority(processes, 42, -1));
    EXPECT_TRUE(processes.priorities.empty());
    processes.refusePriority = true;
    EXPECT_FALSE(SetProcessPriority(processes, 42, 2));
}

}  // namespace
}  // namespace talvane
