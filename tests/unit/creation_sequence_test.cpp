#include "shell/creation_sequence.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace talvane {
namespace {

class RecordingSteps : public CreationSteps {
public:
    RecordingSteps(StartupFacts& facts, WindowsFamily family) : facts_(facts), family_(family) {}
    std::vector<std::string> calls;

    void DetermineFamily() override {
        calls.push_back("family");
        facts_.family = family_;
    }
    void TakeFirstSample() override { calls.push_back("sample"); }
    void DrawFirstGraph() override { calls.push_back("graph"); }
    void ReadDirectories() override { calls.push_back("directories"); }
    void ReadShellFolders() override { calls.push_back("folders"); }
    void ApplyTexts() override { calls.push_back("texts"); }
    void SetSliderRanges() override { calls.push_back("ranges"); }
    void ReadInstallDir() override { calls.push_back("install dir"); }
    void ReadTweakPage() override { calls.push_back("tweaks"); }
    void ReadOptimizerSettings() override { calls.push_back("settings"); }
    void FirstRunCheck() override { calls.push_back("first run"); }
    void AdjustBrowseButton() override { calls.push_back("browse button"); }
    void ShowOptimizerPage() override { calls.push_back("page 0"); }
    void DisableApply() override { calls.push_back("apply off"); }

private:
    StartupFacts& facts_;
    WindowsFamily family_;
};

TEST(CreationSequenceTest, RunsInOrderAndTheBrowseButtonGrowsOnXpOnly) {
    for (const WindowsFamily family : {WindowsFamily::Win98, WindowsFamily::Win2000, WindowsFamily::WinXP}) {
        // The family is only known once the first step ran; the decision must not use a stale value.
        StartupFacts facts;
        facts.family = WindowsFamily::WinXP;
        RecordingSteps steps(facts, family);
        RunCreationSequence(steps, facts);
        std::vector<std::string> expected = {"family", "sample",      "graph",  "directories", "folders",  "texts",
                                             "ranges", "install dir", "tweaks", "settings",    "first run"};
        if (family == WindowsFamily::WinXP) {
            expected.push_back("browse button");
        }
        expected.push_back("page 0");
        expected.push_back("apply off");
        EXPECT_EQ(steps.calls, expected) << static_cast<int>(family);
    }
}

}  // namespace
}  // namespace talvane
