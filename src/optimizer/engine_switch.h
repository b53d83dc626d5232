// The Enable/Disable pair of the optimizer page: exactly one is pressed, and it shows the engine's state.
#pragma once

#include "base/startup_facts.h"
#include "base/windows_family.h"
#include "platform/processes.h"
#include "platform/registry.h"
#include "platform/window_services.h"
#include "settings/save_report.h"

namespace talvane {

enum class EngineButton { Enable, Disable };

class EngineSwitch {
public:
    EngineSwitch(platform::Registry& registry,
                 platform::Processes& processes,
                 platform::Windows& windows,
                 WindowsFamily family)
        : registry_(registry), processes_(processes), windows_(windows), family_(family) {}

    // Stores the state, starts the engine even when one runs, and tells it to re-read.
    void PressEnable(SaveReport& report);
    // Stores the state and tells the engine; the engine keeps running, disabled.
    void PressDisable(SaveReport& report);
    // Shows what the engine's window and the stored state say, without acting on it.
    void RefreshEngineState();
    // Presses a button without acting on it.
    void Show(EngineButton button) { pressed_ = button; }

    [[nodiscard]] EngineButton Pressed() const { return pressed_; }
    [[nodiscard]] bool EnablePressed() const { return pressed_ == EngineButton::Enable; }
    [[nodiscard]] bool DisablePressed() const { return pressed_ == EngineButton::Disable; }

private:
    void Settle(EngineButton requested, bool stored);

    platform::Registry& registry_;
    platform::Processes& processes_;
    platform::Windows& windows_;
    WindowsFamily family_;
    EngineButton pressed_ = EngineButton::Disable;
};

// The installer's first-run marker: on the first start turns start-with-Windows on, starts the engine and shows
// it switched on; on every other start shows the engine's state as RefreshEngineState does.
void FirstRunCheck(platform::Registry& registry,
                   platform::Processes& processes,
                   const StartupFacts& facts,
                   EngineSwitch& engineSwitch,
                   SaveReport& report);

}  // namespace talvane
