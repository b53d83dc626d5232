#include "shell/apply_close.h"

namespace talvane {

void ApplyClose::SaveNow(platform::WindowId owner) {
    report_.Clear();
    steps_.WriteTweakPage(report_);
    steps_.WriteOptimizerSettings(report_);
    steps_.ApplyStartupItems(report_);
    if (report_.Empty()) {
        steps_.ReadTweakPage();
        steps_.ReadOptimizerSettings();  // moving the sliders marks the page changed again
        model_.ClearChanges();
    } else {
        // The pages keep what the user chose, still unsaved, so that Apply can be tried again.
        model_.MarkChanged();
    }
    // The engine reads what did get written.
    steps_.NotifyEngine();
    report_.InformAndClear(prompts_, owner);
    steps_.ShowPostApplyNote();
}

void ApplyClose::CloseQuery(platform::WindowId owner) {
    if (model_.ApplyEnabled() && !closeWithoutSaving_) {
        if (prompts_.Confirm(owner, kUnsavedChangesQuestion) == platform::Answer::Yes) {
            SaveNow(owner);
        } else {
            restartNeeded_ = false;
        }
    }
    if (restartNeeded_ && !closeWithoutSaving_ && prompts_.Confirm(owner, kRestartQuestion) == platform::Answer::Yes) {
        RestartWindows();
    }
}

// The restart is only started; whether Windows agrees is not reported, and the program closes all the same.
void ApplyClose::RestartWindows() {
    power_.SetShutdownPrivilege(true);
    power_.ExitWindowsEx(platform::kEwxReboot, 0);
    power_.SetShutdownPrivilege(false);
}

}  // namespace talvane
