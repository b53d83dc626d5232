#include "optimizer/engine_switch.h"

#include "settings/engine_contract.h"
#include "settings/settings_store.h"

namespace talvane {

void EngineSwitch::PressEnable(SaveReport& report) {
    const bool stored = WriteEngineState(registry_, true, report);
    StartEngine(processes_, family_);
    NotifyEngine(windows_, report);
    Settle(EngineButton::Enable, stored);
}

void EngineSwitch::PressDisable(SaveReport& report) {
    const bool stored = WriteEngineState(registry_, false, report);
    NotifyEngine(windows_, report);
    Settle(EngineButton::Disable, stored);
}

// A state that was not stored is not shown as if it were: the buttons then show what the engine really does.
void EngineSwitch::Settle(EngineButton requested, bool stored) {
    if (stored) {
        pressed_ = requested;
    } else {
        RefreshEngineState();
    }
}

void EngineSwitch::RefreshEngineState() {
    if (FindEngineWindow(windows_) == 0) {
        pressed_ = EngineButton::Disable;
        return;
    }
    pressed_ = ReadEngineState(registry_) ? EngineButton::Enable : EngineButton::Disable;
}

void FirstRunCheck(platform::Registry& registry,
                   platform::Processes& processes,
                   const StartupFacts& facts,
                   EngineSwitch& engineSwitch,
                   SaveReport& report) {
    if (!TakeFirstRunMarker(registry, report)) {
        engineSwitch.RefreshEngineState();
        return;
    }
    StartEngine(processes, facts.family);
    UpdateRunEntry(registry, true, facts, report);
    // The engine was just started; its state value is left as it is.
    engineSwitch.Show(EngineButton::Enable);
}

}  // namespace talvane
