#include "platform/win32/win.h"

#include "platform/win32/win32_named_mutex.h"
#include "platform/win32/win32_platform.h"
#include "shell/application.h"
#include "shell/start_routine.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    talvane::win32::Win32WindowServices windows;
    // Held until the process ends, so later starts see this one.
    talvane::win32::Win32NamedMutex instanceMutex;
    if (talvane::DecideStart(instanceMutex, windows) == talvane::StartDecision::Exit) {
        return 0;
    }
    talvane::Application application(instance);
    return application.Run();
}
