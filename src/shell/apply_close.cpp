#include "shell/apply_close.h"

#include "settings/engine_contract.h"

namespace talvane {

bool ApplyClose::SaveNow(platform::WindowId owner) {
    report_.Clear();
    for (ui::Page* page : model_.Pages()) {
        page->Write(report_);
        if (report_.Stopped()) {
            // What was written stays written; the rest waits for the next Apply.
            model_.MarkChanged();
            report_.InformAndClear(prompts_, owner, &said_);
            return false;
        }
    }
    const bool saved = report_.Saved();
    if (saved) {
        for (ui::Page* page : model_.Pages()) {
            page->Read();  // moving the sliders marks the page changed again
        }
        model_.ClearChanges();
    } else {
        // The pages keep what the user chose, still unsaved, so that Apply can be tried again.
        model_.MarkChanged();
    }
    // The engine reads what did get written.
    NotifyEngine(windows_, report_);
    report_.InformAndClear(prompts_, owner, &said_);
    for (ui::Page* page : model_.Pages()) {
        page->Applied();
    }
    return saved;
}

bool ApplyClose::CloseQuery(platform::WindowId owner) {
    if (model_.ApplyEnabled() && !closeWithoutSaving_) {
        if (prompts_.Confirm(owner, kUnsavedChangesQuestion) == platform::Answer::Yes) {
            if (!SaveNow(owner)) {
                return false;
            }
        } else {
            restartNeeded_ = false;
        }
    }
    if (restartNeeded_ && !closeWithoutSaving_ && prompts_.Confirm(owner, kRestartQuestion) == platform::Answer::Yes) {
        RestartWindows();
    }
    return true;
}

// The restart is only started; whether Windows agrees is not reported, and the program closes all the same.
void ApplyClose::RestartWindows() {
    power_.SetShutdownPrivilege(true);
    power_.ExitWindowsEx(platform::kEwxReboot, 0);
    power_.SetShutdownPrivilege(false);
}

}  // namespace talvane
