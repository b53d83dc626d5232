#include "shell/apply_close.h"

#include <gtest/gtest.h>

#include "fakes/fake_platform.h"
#include "fakes/fake_power.h"
#include "platform/types.h"

namespace talvane {
namespace {

class RecordingSteps : public ApplySteps {
public:
    RecordingSteps(fakes::CallLog& log, MainWindowModel& model) : log_(log), model_(model) {}
    long optimizerStatus = platform::kErrorSuccess;

    void WriteTweakPage(SaveReport&) override { log_.Add("write tweaks"); }
    void WriteOptimizerSettings(SaveReport& report) override {
        log_.Add("write optimizer");
        report.Check(optimizerStatus, "Target Fre RAM");
    }
    void ApplyStartupItems(SaveReport&) override { log_.Add("move startup items"); }
    void ReadTweakPage() override { log_.Add("read tweaks"); }
    void ReadOptimizerSettings() override {
        log_.Add("read optimizer");
        model_.MarkChanged();  // the sliders move when the stored values are read back
    }
    void NotifyEngine() override { log_.Add("notify engine"); }
    void ShowPostApplyNote() override { log_.Add("note"); }

private:
    fakes::CallLog& log_;
    MainWindowModel& model_;
};

class ApplyCloseTest : public ::testing::Test {
protected:
    StartupFacts facts;
    MemorySample sample;
    PageActions pages;
    MainWindowModel model{facts, sample, pages};
    fakes::CallLog log;
    RecordingSteps steps{log, model};
    fakes::FakePrompts prompts;
    fakes::FakePower power{log};
    ApplyClose apply{model, steps, prompts, power};
};

TEST_F(ApplyCloseTest, SaveNowRunsInOrderAndClearsApply) {
    model.MarkChanged();
    apply.SaveNow(1);
    EXPECT_EQ(log.Entries(), (std::vector<std::string>{"write tweaks", "write optimizer", "move startup items",
                                                       "read tweaks", "read optimizer", "notify engine", "note"}));
    EXPECT_FALSE(model.ApplyEnabled());
    EXPECT_TRUE(prompts.shown.empty());
}

TEST_F(ApplyCloseTest, FailedWriteIsNamedAndApplyStaysEnabled) {
    model.MarkChanged();
    steps.optimizerStatus = platform::kErrorAccessDenied;
    apply.SaveNow(1);
    EXPECT_TRUE(model.ApplyEnabled());
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].caption, "Information");
    EXPECT_NE(prompts.shown[0].text.find("Target Fre RAM"), std::string::npos);
    EXPECT_EQ(log.IndexOf("read optimizer"), -1) << "the user's values stay for another try";
    EXPECT_NE(log.IndexOf("notify engine"), -1);
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
    };
    for (const auto& c : cases) {
        StartupFacts f;
        MemorySample s;
        PageActions p;
        MainWindowModel m(f, s, p);
        fakes::CallLog l;
        RecordingSteps st(l, m);
        fakes::FakePrompts pr;
        fakes::FakePower pw(l);
        ApplyClose a(m, st, pr, pw);
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
        a.CloseQuery(1);

        std::vector<std::string> asked;
        for (const auto& shown : pr.shown) {
            EXPECT_EQ(shown.caption, "Confirm") << c.name;
            asked.push_back(shown.text);
        }
        EXPECT_EQ(asked, c.questions) << c.name;
        EXPECT_EQ(l.IndexOf("write optimizer") != -1, c.saved) << c.name;
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
