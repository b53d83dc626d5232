// Apply, Cancel and closing: the Apply button is the record of unsaved changes.
#pragma once

#include "platform/power.h"
#include "platform/prompts.h"
#include "platform/window_services.h"
#include "settings/save_report.h"
#include "shell/main_window_model.h"

namespace talvane {

constexpr const char* kUnsavedChangesQuestion =
    "There are unsaved changes in Talvane Professional. Do you want to apply the changes now?";
constexpr const char* kRestartQuestion =
    "You must restart this computer for the changes to take affect. Do you want to restart your computer now?";

class ApplyClose {
public:
    // `said`: the warnings the user has had in this run, shared with the other saves.
    ApplyClose(MainWindowModel& model,
               platform::Windows& windows,
               platform::Prompts& prompts,
               platform::Power& power,
               WarningsSaid& said)
        : model_(model), windows_(windows), prompts_(prompts), power_(power), said_(said) {}

    // Every page writes, reads back and the engine is told. A write that failed is named to the user and
    // leaves Apply enabled, since the change is still unsaved; returns whether every write succeeded. A
    // machine-wide change refused for want of administrator rights is said once and counts as done: the pages
    // then show what is really in effect, and closing is not held up by a change the user cannot make.
    bool SaveNow(platform::WindowId owner);
    // Cancel: the caller then closes the window; nothing is asked or written.
    void PressCancel() { closeWithoutSaving_ = true; }
    // Runs before the main window closes, however it is closed. Refuses only when the user asked to save
    // and the save failed, so the changes are not lost.
    [[nodiscard]] bool CloseQuery(platform::WindowId owner);

    void TweakChanged() { restartNeeded_ = true; }
    [[nodiscard]] bool RestartNeeded() const { return restartNeeded_; }
    [[nodiscard]] bool CloseWithoutSaving() const { return closeWithoutSaving_; }
    // Writes outside Apply (the engine switch, More Options) report into the same collector.
    SaveReport& Report() { return report_; }

private:
    void RestartWindows();

    MainWindowModel& model_;
    platform::Windows& windows_;
    platform::Prompts& prompts_;
    platform::Power& power_;
    WarningsSaid& said_;
    SaveReport report_;
    bool restartNeeded_ = false;
    bool closeWithoutSaving_ = false;
};

}  // namespace talvane
