// The engine: a hidden window of class "TForm1" captioned "Talvane", by which the control panel finds it and
// tells it to re-read the settings key.
#include "platform/win32/win.h"

#include "engine/engine_state.h"
#include "platform/win32/win32_files.h"
#include "platform/win32/win32_named_mutex.h"
#include "platform/win32/win32_platform.h"
#include "settings/engine_contract.h"
#include "ui/window.h"

namespace talvane::engine {

namespace {

// Two engines started at the same moment both find no window; this settles which one stays.
constexpr const char* kInstanceMutex = "Talvane.Engine.Instance";

class EngineWindow : public ui::Window {
public:
    explicit EngineWindow(EngineState& state) : state_(state) {}

    bool Create(HINSTANCE instance) {
        if (!Register(instance, kEngineWindowClass, nullptr, nullptr)) {
            return false;
        }
        // Never shown; a top-level window, so that FindWindowA finds it on every Windows.
        return ui::Window::Create(instance, kEngineWindowClass, kEngineWindowCaption,
                                  WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, 0, 0, 0, 0, 0, nullptr);
    }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        switch (message) {
            case kEngineReload:
                // The sender waits in SendMessageTimeoutA until this returns, so it knows the settings are in effect.
                state_.Reload();
                return 0;
            case WM_ENDSESSION:
                if (wParam != FALSE) {
                    DestroyWindow(Handle());
                }
                return 0;
            case WM_CLOSE: DestroyWindow(Handle()); return 0;
            case WM_DESTROY: PostQuitMessage(0); return 0;
            default: return ui::Window::HandleMessage(message, wParam, lParam);
        }
    }

private:
    EngineState& state_;
};

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
    EngineState state(registry, files, system);
    state.Start();

    EngineWindow window(state);
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
