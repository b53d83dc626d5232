// The engine's hidden window: its once-a-second tick, the tray icon and its menu, the hot keys, and the freeings
// it starts on its worker. Of class "TForm1" and captioned "Talvane", by which the control panel finds it and
// tells it to re-read the settings key. Win32 only.
#pragma once

#include "platform/win32/win.h"

#include <cstdint>
#include <optional>
#include <string>

#include "base/cpu_usage.h"
#include "base/windows_family.h"
#include "engine/engine_clock.h"
#include "engine/engine_state.h"
#include "engine/freeing_rules.h"
#include "engine/freeing_worker.h"
#include "engine/resource_warning.h"
#include "engine/system_resources.h"
#include "engine/tray_icon.h"
#include "engine/warning_box.h"
#include "platform/clock.h"
#include "platform/registry.h"
#include "platform/system.h"
#include "platform/win32/handles.h"
#include "platform/win32/win32_processes.h"
#include "ui/window.h"

namespace talvane::engine {

class EngineWindow : public ui::Window {
public:
    EngineWindow(EngineState& state,
                 platform::Registry& registry,
                 platform::System& system,
                 platform::Clock& clock,
                 WindowsFamily family);

    bool Create(HINSTANCE instance);

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Tick();
    void WatchResources();
    void Reload();
    void RefreshTray();
    void RegisterHotkeys();
    void RegisterHotkey(int id, char key, std::uint32_t& reportedCode);
    void OnTrayMouse(LPARAM mouseMessage);
    void OnCommand(UINT command);
    void Request(const std::optional<FreeingRequest>& request);
    void StartFreeing(const FreeingRequest& request);
    void OnFreeingDone(bool startNext);
    void BeforeFreeing();
    void PlayMusic(const std::string& file);
    void Toggle();
    void OpenPanel();
    void OpenHistory();
    [[nodiscard]] std::optional<std::uint32_t> ReadCpu();

    EngineState& state_;
    platform::Registry& registry_;
    platform::System& system_;
    WindowsFamily family_;
    EngineClock clock_;
    CpuUsageReader cpu_;
    FreeingRules rules_;
    FreeingWorker worker_;
    SystemResources resources_;
    ResourceWarning resourceWarning_;
    WarningBox warningBox_;
    std::optional<TrayIcon> tray_;
    UINT taskbarCreated_ = 0;

    // Kept from tick to tick, so that the steady tick allocates nothing.
    std::uint32_t availMB_ = 0;
    std::optional<std::uint32_t> cpuPercent_;
    std::optional<std::uint32_t> resourcesPercent_;  // Windows 98 and Me only
    TrayLook look_;
    std::string tip_;
    std::string historyPath_;  // found at the first freeing

    // The virtual-key code last reported taken, per hot key: a key is reported once, not at every reload.
    std::uint32_t reportedTaken1_ = 0;
    std::uint32_t reportedTaken2_ = 0;

    using PlaySoundFn = BOOL(WINAPI*)(LPCSTR, HMODULE, DWORD);
    win32::Win32Processes processes_;
    win32::UniqueModule winmm_;
    PlaySoundFn playSound_ = nullptr;
    bool winmmTried_ = false;
};

}  // namespace talvane::engine
