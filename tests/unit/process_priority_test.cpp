#include "sysinfo/process_priority.h"

#include <gtest/gtest.h>

#include <vector>

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
        std::vector<std::uint32_t> given;
    } cases[] = {{0, {0x40}}, {1, {0x20}}, {2, {0x80}}, {3, {}}, {-1, {}}};
    for (const auto& c : cases) {
        fakes::FakeProcesses processes;
        EXPECT_EQ(SetProcessPriority(processes, 42, c.index), !c.given.empty()) << c.index;
        std::vector<std::uint32_t> given;
        for (const auto& change : processes.priorities) {
            EXPECT_EQ(change.processId, 42u);
            given.push_back(change.priorityClass);
        }
        EXPECT_EQ(given, c.given) << c.index;
    }
    fakes::FakeProcesses refusing;
    refusing.refusePriority = true;
    EXPECT_FALSE(SetProcessPriority(refusing, 42, 2));
}

}  // namespace
}  // namespace talvane
