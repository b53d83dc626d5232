// Apply, Cancel and closing: the Apply button is the record of unsaved changes.
#pragma once

#include "platform/power.h"
#include "platform/prompts.h"
#include "settings/save_report.h"
#include "shell/main_window_model.h"

namespace talvane {

constexpr const char* kUnsavedChangesQuestion =
    "There are unsaved changes in Talvane Professional. Do you want to apply the changes now?";
constexpr const char* kRestartQuestion =
    "You must restart this computer for the changes to take affect. Do you want to restart your computer now?";

// What an Apply writes and reads back; pages built later fill in their parts.
class ApplySteps {
public:
    virtual ~ApplySteps() = default;
    virtual void WriteTweakPage(SaveReport& report) = 0;
    virtual void WriteOptimizerSettings(SaveReport& report) = 0;
    virtual void ApplyStartupItems(SaveReport& report) = 0;
    virtual void ReadTweakPage() = 0;
    virtual void ReadOptimizerSettings() = 0;
    virtual void NotifyEngine() = 0;
    virtual void ShowPostApplyNote() = 0;
};

class ApplyClose {
public:
    ApplyClose(MainWindowModel& model, ApplySteps& steps, platform::Prompts& prompts, platform::Power& power)
        : model_(model), steps_(steps), prompts_(prompts), power_(power) {}

    // Writes everything, reads it back and tells the engine. A write that failed is named to the user
    // and leaves Apply enabled, since the change is still unsaved.
    void SaveNow(platform::WindowId owner);
    // Cancel: the caller then closes the window; nothing is asked or written.
    void PressCancel() { closeWithoutSaving_ = true; }
    // Runs before the main window closes, however it is closed; never refuses.
    void CloseQuery(platform::WindowId owner);

    void TweakChanged() { restartNeeded_ = true; }
    [[nodiscard]] bool RestartNeeded() const { return restartNeeded_; }
    [[nodiscard]] bool CloseWithoutSaving() const { return closeWithoutSaving_; }
    // Writes outside Apply (the engine switch, More Options) report into the same collector.
    SaveReport& Report() { return report_; }

private:
    void RestartWindows();

    MainWindowModel& model_;
    ApplySteps& steps_;
    platform::Prompts& prompts_;
    platform::Power& power_;
    SaveReport report_;
    bool restartNeeded_ = false;
    bool closeWithoutSaving_ = false;
};

}  // namespace talvane
