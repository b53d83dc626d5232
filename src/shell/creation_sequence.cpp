#include "shell/creation_sequence.h"

namespace talvane {

void RunCreationSequence(CreationSteps& steps, const StartupFacts& facts) {
    steps.DetermineFamily();
    steps.TakeFirstSample();
    steps.DrawFirstGraph();
    steps.ReadDirectories();
    steps.ReadShellFolders();
    steps.ApplyTexts();
    // Ranges before values, so that stored values beyond them are limited.
    steps.SetSliderRanges();
    steps.ReadInstallDir();
    steps.ReadTweakPage();
    steps.ReadOptimizerSettings();
    steps.FirstRunCheck();
    // XP's themed buttons draw their frame inside the control.
    if (facts.family == WindowsFamily::WinXP) {
        steps.AdjustBrowseButton();
    }
    steps.ShowOptimizerPage();
    steps.DisableApply();
}

}  // namespace talvane
