// The engine: one hidden window, found by the control panel, that keeps memory free as the settings key says.
#include "platform/win32/win.h"

#include "base/windows_family.h"
#include "engine/engine_state.h"
#include "engine/engine_window.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_files.h"
#include "platform/win32/win32_named_mutex.h"
#include "platform/win32/win32_platform.h"
#include "settings/engine_contract.h"

namespace talvane::engine {

namespace {

// Two engines started at the same moment both find no window; this settles which one stays.
constexpr const char* kInstanceMutex = "Talvane.Engine.Instance";

}  // namespace

int Run(HINSTANCE instance) {
    win32::Win32NamedMutex mutex;
    win32::Win32WindowServices windows;
    // The first engine is left alone: a second start only makes sure one runs.
    if (mutex.Open(kInstanceMutex) == platform::MutexOpen::AlreadyExists || FindEngineWindow(windows) != 0) {
        return 0;
    }

    win32::Win32Registry registry;
    win32::Win32Files files;
    win32::Win32System system;
    win32::Win32Clock clock;
    EngineState state(registry, files, system);
    state.Start();

    EngineWindow window(state, registry, system, clock, FamilyFromVersion(system.GetVersion()));
    if (!window.Create(instance)) {
        return 1;
    }
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}

}  // namespace talvane::engine

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    return talvane::engine::Run(instance);
}
