#include "shell/apply_close.h"

#include <gtest/gtest.h>

#include <optional>

#include "fakes/fake_page.h"
#include "fakes/fake_platform.h"
#include "fakes/fake_power.h"
#include "platform/types.h"

namespace talvane {
namespace {

class ApplyCloseTest : public ::testing::Test {
protected:
    ApplyCloseTest() {
        optimizer.onRead = [this] { model.MarkChanged(); };
    }
    // Both pages shown once, so both are built.
    void Create() {
        steps.emplace(log, facts, WindowsFamily::WinXP);
        SaveReport ignored;
        model.Create(*steps, ignored);
        model.PressNav(1);
        model.PressNav(2);
        log.Clear();
    }

    StartupFacts facts;
    fakes::CallLog log;
    fakes::FakePage tweaks{log, "tweaks", 1, 1};
    fakes::FakePage optimizer{log, "optimizer", StartPanelId(), 2};
    MainWindowModel model{facts, {&tweaks, &optimizer}};
    std::optional<fakes::FakeStartSteps> steps;
    fakes::FakeWindows windows{&log};
    fakes::FakePrompts prompts;
    fakes::FakePower power{log};
    WarningsSaid said;
    ApplyClose apply{model, windows, prompts, power, said};
};

TEST_F(ApplyCloseTest, SaveNowRunsInOrderAndClearsApply) {
    windows.windows.push_back({9, "TForm1", "Talvane", false});
    Create();
    model.MarkChanged();
    EXPECT_TRUE(apply.SaveNow(1));
    EXPECT_EQ(log.Entries(),
              (std::vector<std::string>{"tweaks write", "optimizer write", "tweaks read", "optimizer read",
                                        "SendMessageTimeout 9 1105", "tweaks applied", "optimizer applied"}));
    EXPECT_FALSE(model.ApplyEnabled());
    EXPECT_TRUE(prompts.shown.empty());
}

// A user without administrator rights: the page shows again what is in effect, and the refusal is said once.
TEST_F(ApplyCloseTest, AMachineWideWriteRefusedIsSaidOnceAndCountsAsDone) {
    Create();
    tweaks.writeStatus = platform::kErrorAccessDenied;
    tweaks.writeMachineWide = true;
    for (int round = 1; round <= 2; ++round) {
        model.MarkChanged();
        EXPECT_TRUE(apply.SaveNow(1)) << round;
        EXPECT_FALSE(model.ApplyEnabled()) << round;
        EXPECT_NE(log.IndexOf("tweaks read"), -1) << round;
        log.Clear();
    }
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].text, "These need administrator rights and were left as they are: \"tweaks\".");
}

TEST_F(ApplyCloseTest, TheRestartIsAskedOfWindowsEvenWhereThePrivilegeCallsFail) {
    Create();
    power.privilegeWorks = false;
    apply.TweakChanged();
    prompts.answers.assign({platform::Answer::Yes});
    EXPECT_TRUE(apply.CloseQuery(1));
    EXPECT_NE(log.IndexOf("ExitWindowsEx 2 0"), -1);
}

TEST_F(ApplyCloseTest, FailedWriteIsNamedAndApplyStaysEnabled) {
    windows.windows.push_back({9, "TForm1", "Talvane", false});
    Create();
    model.MarkChanged();
    optimizer.writeStatus = platform::kErrorAccessDenied;
    EXPECT_FALSE(apply.SaveNow(1));
    EXPECT_TRUE(model.ApplyEnabled());
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].caption, "Information");
    EXPECT_NE(prompts.shown[0].text.find("optimizer"), std::string::npos);
    EXPECT_EQ(log.IndexOf("optimizer read"), -1) << "the user's values stay for another try";
    EXPECT_NE(log.IndexOf("SendMessageTimeout 9 1105"), -1);
}

TEST_F(ApplyCloseTest, AStoppingWriteEndsTheSaveThere) {
    windows.windows.push_back({9, "TForm1", "Talvane", false});
    Create();
    model.MarkChanged();
    tweaks.stopWith = "Unable to write to C:\\WINDOWS\\SYSTEM.INI";
    EXPECT_FALSE(apply.SaveNow(1));
    EXPECT_EQ(log.Entries(), (std::vector<std::string>{"tweaks write"})) << "nothing after it runs";
    EXPECT_TRUE(model.ApplyEnabled());
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].text, tweaks.stopWith);
}

TEST_F(ApplyCloseTest, SilentEngineIsToldButTheSaveStands) {
    windows.windows.push_back({9, "TForm1", "Talvane", false});
    windows.hung.insert(9);
    Create();
    model.MarkChanged();
    EXPECT_TRUE(apply.SaveNow(1));
    EXPECT_FALSE(model.ApplyEnabled());
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_NE(prompts.shown[0].text.find("did not confirm"), std::string::npos) << prompts.shown[0].text;
}

TEST_F(ApplyCloseTest, CloseQueryAsksWhatTheStateCallsFor) {
    const std::string unsaved = kUnsavedChangesQuestion;
    const std::string restart = kRestartQuestion;
    const struct {
        const char* name;
        bool dirty;
        bool restartNeeded;
        bool cancel;
        std::vector<platform::Answer> answers;
        std::vector<std::string> questions;
        bool saved;
        bool restarted;
        bool writeFails = false;
        bool closes = true;
    } cases[] = {
        {"clean, nothing to ask", false, false, false, {}, {}, false, false},
        {"dirty, yes", true, false, false, {platform::Answer::Yes}, {unsaved}, true, false},
        {"dirty, no", true, false, false, {platform::Answer::No}, {unsaved}, false, false},
        {"dirty after a tweak, no skips the restart",
         true,
         true,
         false,
         {platform::Answer::No},
         {unsaved},
         false,
         false},
        {"dirty after a tweak, yes and yes",
         true,
         true,
         false,
         {platform::Answer::Yes, platform::Answer::Yes},
         {unsaved, restart},
         true,
         true},
        {"dirty after a tweak, yes and no",
         true,
         true,
         false,
         {platform::Answer::Yes, platform::Answer::No},
         {unsaved, restart},
         true,
         false},
        {"applied earlier after a tweak", false, true, false, {platform::Answer::Yes}, {restart}, false, true},
        {"cancel with changes", true, true, true, {}, {}, false, false},
        {"cancel when clean", false, false, true, {}, {}, false, false},
        // A failed save keeps the window, and the user's values, for another try.
        {"dirty, yes, the save fails", true, true, false, {platform::Answer::Yes}, {unsaved}, true, false, true, false},
    };
    for (const auto& c : cases) {
        StartupFacts f;
        fakes::CallLog l;
        fakes::FakePage page(l, "optimizer", StartPanelId(), 2);
        page.writeStatus = c.writeFails ? platform::kErrorAccessDenied : platform::kErrorSuccess;
        MainWindowModel m(f, {&page});
        fakes::FakeStartSteps startSteps(l, f, WindowsFamily::WinXP);
        SaveReport ignored;
        m.Create(startSteps, ignored);
        fakes::FakeWindows w;
        fakes::FakePrompts pr;
        fakes::FakePower pw(l);
        WarningsSaid saidHere;
        ApplyClose a(m, w, pr, pw, saidHere);
        if (c.dirty) {
            m.MarkChanged();
        }
        if (c.restartNeeded) {
            a.TweakChanged();
        }
        if (c.cancel) {
            a.PressCancel();
        }
        pr.answers.assign(c.answers.begin(), c.answers.end());
        EXPECT_EQ(a.CloseQuery(1), c.closes) << c.name;

        std::vector<std::string> asked;
        for (const auto& shown : pr.shown) {
            if (shown.caption == "Confirm") {
                asked.push_back(shown.text);
            }
        }
        EXPECT_EQ(asked, c.questions) << c.name;
        EXPECT_EQ(l.IndexOf("optimizer write") != -1, c.saved) << c.name;
        EXPECT_EQ(l.IndexOf("ExitWindowsEx 2 0") != -1, c.restarted) << c.name;
        if (c.restarted) {
            const int exit = l.IndexOf("ExitWindowsEx 2 0");
            EXPECT_EQ(l.Entries()[exit - 1], "privilege on") << c.name;
            EXPECT_EQ(l.Entries()[exit + 1], "privilege off") << c.name;
        }
    }
}

}  // namespace
}  // namespace talvane
