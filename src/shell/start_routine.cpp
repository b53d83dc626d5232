#include "shell/start_routine.h"

namespace talvane {

StartDecision DecideStart(platform::NamedMutex& instance, platform::Windows& windows) {
    // Two starts at the same instant both find no window; only one of them creates the mutex. Without a mutex at all
    // the window search alone decides, as it did before there was one.
    const platform::MutexOpen mutex = instance.Open(kInstanceMutex);
    // The engine's window shares the class but not the caption, so it never matches.
    const platform::WindowId running = windows.FindWindow(kMainWindowClass, kMainWindowCaption);
    if (running == 0) {
        return mutex == platform::MutexOpen::AlreadyExists ? StartDecision::Exit : StartDecision::Run;
    }
    if (!windows.IsWindowVisible(running)) {
        windows.PostMessage(running, platform::kWmUser, 0, 0);
    }
    return StartDecision::Exit;
}

}  // namespace talvane
