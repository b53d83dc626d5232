#include "shell/start_routine.h"

#include <gtest/gtest.h>

#include "fakes/fake_platform.h"

namespace talvane {
namespace {

TEST(StartRoutineTest, DecidesByTheRunningWindows) {
    const struct {
        const char* name;
        std::vector<fakes::FakeWindows::Window> windows;
        StartDecision expected;
        bool postsWmUser;
    } cases[] = {
        {"nothing runs", {}, StartDecision::Run, false},
        {"visible control panel", {{11, "TForm1", "Talvane Limited Edition", true}}, StartDecision::Exit, false},
        {"hidden control panel", {{11, "TForm1", "Talvane Limited Edition", false}}, StartDecision::Exit, true},
        {"only the engine", {{12, "TForm1", "Talvane", false}}, StartDecision::Run, false},
        {"another program's TForm1", {{13, "TForm1", "Talvane Limited Edition 2", true}}, StartDecision::Run, false},
    };
    for (const auto& c : cases) {
        fakes::FakeWindows windows;
        windows.windows = c.windows;
        EXPECT_EQ(DecideStart(windows), c.expected) << c.name;
        if (c.postsWmUser) {
            ASSERT_EQ(windows.messages.size(), 1u) << c.name;
            EXPECT_EQ(windows.messages[0].window, 11u);
            EXPECT_EQ(windows.messages[0].message, 0x0400u);
            EXPECT_EQ(windows.messages[0].wParam, 0u);
            EXPECT_EQ(windows.messages[0].lParam, 0);
            EXPECT_FALSE(windows.messages[0].sent);
        } else {
            EXPECT_TRUE(windows.messages.empty()) << c.name;
        }
    }
}

}  // namespace
}  // namespace talvane
