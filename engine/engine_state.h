// What the engine works by, kept in step with the settings key. Portable: the freeing itself will grow here.
#pragma once

#include "platform/files.h"
#include "platform/registry.h"
#include "platform/system.h"
#include "settings/settings_store.h"

namespace talvane::engine {

class EngineState {
public:
    EngineState(platform::Registry& registry, platform::Files& files, platform::System& system)
        : registry_(registry), files_(files), system_(system) {}

    // Makes the settings key when the installer did not, then reads it.
    void Start();
    // Reads the whole key again, as the control panel asks after every save.
    void Reload();

    [[nodiscard]] const EngineSettings& Settings() const { return settings_; }
    // Disabled, the engine keeps running and its window stays findable; it only does no work.
    [[nodiscard]] bool Enabled() const { return settings_.enabled; }

private:
    platform::Registry& registry_;
    platform::Files& files_;
    platform::System& system_;
    EngineSettings settings_;
};

}  // namespace talvane::engine
