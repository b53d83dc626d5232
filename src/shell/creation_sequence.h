// The main window's creation steps, in the order in which later steps rely on what earlier ones gathered.
#pragma once

#include "base/startup_facts.h"

namespace talvane {

class CreationSteps {
public:
    virtual ~CreationSteps() = default;
    virtual void DetermineFamily() = 0;
    virtual void TakeFirstSample() = 0;
    // The history filled flat with the first sample, the graph and the free-RAM line drawn.
    virtual void DrawFirstGraph() = 0;
    virtual void ReadDirectories() = 0;
    virtual void ReadShellFolders() = 0;
    virtual void ApplyTexts() = 0;
    virtual void SetSliderRanges() = 0;
    virtual void ReadInstallDir() = 0;
    virtual void ReadTweakPage() = 0;
    virtual void ReadOptimizerSettings() = 0;
    virtual void FirstRunCheck() = 0;
    virtual void AdjustBrowseButton() = 0;
    virtual void ShowOptimizerPage() = 0;
    // Reading the settings moved the sliders; a fresh window has nothing to apply.
    virtual void DisableApply() = 0;
};

// `facts` is the record DetermineFamily fills.
void RunCreationSequence(CreationSteps& steps, const StartupFacts& facts);

}  // namespace talvane
