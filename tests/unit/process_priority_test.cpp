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

TEST(ProcessPriorityTest, EachChoiceGivesItsClassAndNoOtherIndexChangesAnything) {
    const struct {
        int index;
        std::uint32_t priorityClass;  // 0: none
    } cases[] = {{0, 0x40}, {1, 0x20}, {2, 0x80}, {3, 0}, {-1, 0}};
    for (const auto& c : cases) {
        fakes::FakeProcesses processes;
        EXPECT_EQ(SetProcessPriority(processes, 42, c.index), c.priorityClass != 0) << c.index;
        if (c.priorityClass == 0) {
            EXPECT_TRUE(processes.priorities.empty()) << c.index;
        } else {
            ASSERT_EQ(processes.priorities.size(), 1u) << c.index;
            EXPECT_EQ(processes.priorities[0].processId, 42u) << c.index;
            EXPECT_EQ(processes.priorities[0].priorityClass, c.priorityClass) << c.index;
        }
    }
    fakes::FakeProcesses refusing;
    refusing.refusePriority = true;
    EXPECT_FALSE(SetProcessPriority(refusing, 42, 2));
}

}  // namespace
}  // namespace talvane
