// Stands in for the engine in GUI tests: a hidden "TForm1" window captioned "Talvane" that logs every message
// it receives, so a test can prove what the control panel sent and in which order.
// On each reload it also appends what the settings key holds at that moment to LOG_PATH.settings, one line per
// reload ("name=value;" for every number), so a test can prove the writes came before the message.
// Usage: fake_engine.exe LOG_PATH [TIMEOUT_MS]
#include <windows.h>

#include <cstdint>
#include <cstdlib>
#include <string>

#include "driver/fake_engine.h"
#include "driver/registry.h"
#include "driver/win_owners.h"

namespace {

namespace driver = talvane::wine_driver;

constexpr DWORD kDefaultTimeoutMs = 120000;

std::string g_log_path;
std::uint64_t g_sequence = 0;

// Open, append, close: every line is on disk before the message is answered.
void AppendLine(const std::string& path, const std::string& line) {
    const driver::FileHandle file(CreateFileA(path.c_str(), FILE_APPEND_DATA,
                                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file) {
        DWORD written = 0;
        WriteFile(file.Get(), line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    }
}

void LogMessage(UINT message, WPARAM wparam, LPARAM lparam) {
    AppendLine(g_log_path, driver::FormatEngineLogLine({++g_sequence, message, static_cast<std::uint64_t>(wparam),
                                                        static_cast<std::uint64_t>(lparam)}));
}

void SnapshotSettings() {
    std::string line;
    for (const std::string& name : driver::RegistryValueNames(HKEY_CURRENT_USER, driver::kSettingsKey)) {
        if (const auto value = driver::ReadRegistryDword(HKEY_CURRENT_USER, driver::kSettingsKey, name)) {
            line += name + "=" + std::to_string(*value) + ";";
        }
    }
    AppendLine(g_log_path + ".settings", line + "\n");
}

LRESULT CALLBACK EngineProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    LogMessage(message, wparam, lparam);
    if (message == driver::kEngineReload) {
        SnapshotSettings();
    }
    switch (message) {
        case driver::kEngineReload: return 0;
        case WM_CLOSE: DestroyWindow(window); return 0;
        case WM_DESTROY: PostQuitMessage(0); return 0;
        default: return DefWindowProcA(window, message, wparam, lparam);
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    if (__argc < 2) {
        return 2;
    }
    g_log_path = __argv[1];
    const DWORD timeout_ms = __argc >= 3 ? static_cast<DWORD>(std::strtoul(__argv[2], nullptr, 10)) : kDefaultTimeoutMs;

    WNDCLASSA window_class = {};
    window_class.lpfnWndProc = EngineProc;
    window_class.hInstance = instance;
    window_class.lpszClassName = driver::kEngineClass;
    if (!RegisterClassA(&window_class)) {
        return 3;
    }
    // Created without WS_VISIBLE: the real engine never shows its window.
    HWND window =
        CreateWindowExA(0, driver::kEngineClass, driver::kEngineCaption, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, 0, 0,
                        200, 100, nullptr, nullptr, instance, nullptr);
    if (window == nullptr) {
        return 4;
    }

    const DWORD start = GetTickCount();
    for (;;) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) {
                return static_cast<int>(message.wParam);
            }
            if (message.hwnd == nullptr) {
                LogMessage(message.message, message.wParam, message.lParam);
            }
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        const DWORD elapsed = GetTickCount() - start;
        if (elapsed >= timeout_ms) {
            DestroyWindow(window);
            return 0;
        }
        // Waiting with a deadline instead of SetTimer keeps WM_TIMER out of the log.
        MsgWaitForMultipleObjects(0, nullptr, FALSE, timeout_ms - elapsed, QS_ALLINPUT);
    }
}
