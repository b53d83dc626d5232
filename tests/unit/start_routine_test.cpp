#include "shell/start_routine.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "fakes/fake_named_mutex.h"
#include "fakes/fake_platform.h"

namespace talvane {
namespace {

using Window = fakes::FakeWindows::Window;

TEST(StartRoutineTest, DecidesByTheInstanceMutexAndTheRunningWindows) {
    const Window shown{11, "TForm1", "Talvane Limited Edition", true};
    const Window hidden{11, "TForm1", "Talvane Limited Edition", false};
    const Window engine{12, "TForm1", "Talvane", false};
    const Window other{13, "TForm1", "Talvane Limited Edition 2", true};
    const std::string engineMutex = "Talvane.Engine.Instance";
    const struct {
        const char* name;
        std::set<std::string> session;  // mutexes other processes hold
        bool mutexFails;
        std::vector<Window> windows;
        StartDecision expected;
        bool postsWmUser;
    } cases[] = {
        {"nothing runs", {}, false, {}, StartDecision::Run, false},
        {"a control panel still starting", {kInstanceMutex}, false, {}, StartDecision::Exit, false},
        {"visible control panel", {kInstanceMutex}, false, {shown}, StartDecision::Exit, false},
        {"hidden control panel", {kInstanceMutex}, false, {hidden}, StartDecision::Exit, true},
        {"only the engine", {engineMutex}, false, {engine}, StartDecision::Run, false},
        {"another program's TForm1", {}, false, {other}, StartDecision::Run, false},
        {"no mutex to be had", {}, true, {}, StartDecision::Run, false},
        {"no mutex, hidden control panel", {}, true, {hidden}, StartDecision::Exit, true},
    };
    for (const auto& c : cases) {
        std::set<std::string> session = c.session;
        fakes::FakeNamedMutex mutex(session);
        mutex.fails = c.mutexFails;
        fakes::FakeWindows windows;
        windows.windows = c.windows;
        EXPECT_EQ(DecideStart(mutex, windows), c.expected) << c.name;
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
        // A start that runs leaves its mark, so one at the same instant, which finds no window either, gives way.
        if (c.expected == StartDecision::Run && !c.mutexFails) {
            fakes::FakeNamedMutex secondMutex(session);
            fakes::FakeWindows secondWindows;
            secondWindows.windows = c.windows;
            EXPECT_EQ(DecideStart(secondMutex, secondWindows), StartDecision::Exit) << c.name << ", second start";
        }
    }
}

}  // namespace
}  // namespace talvane
