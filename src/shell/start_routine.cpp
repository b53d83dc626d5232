#include "shell/start_routine.h"

namespace talvane {

StartDecision DecideStart(platform::Windows& windows) {
    // The engine's window shares the class but not the caption, so it never matches.
    const platform::WindowId running = windows.FindWindow(kMainWindowClass, kMainWindowCaption);
    if (running == 0) {
        return StartDecision::Run;
    }
    if (!windows.IsWindowVisible(running)) {
        windows.PostMessage(running, platform::kWmUser, 0, 0);
    }
    return StartDecision::Exit;
}

}  // namespace talvane
