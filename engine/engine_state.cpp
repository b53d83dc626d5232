#include "engine/engine_state.h"

#include "base/memory_sample.h"

namespace talvane::engine {

void EngineState::Start() {
    // Without the key the engine still runs, on the defaults.
    static_cast<void>(CreateSettingsKey(registry_));
    Reload();
}

void EngineState::Reload() {
    // The defaults are shares of the memory installed, sampled afresh in case it is reported differently now.
    const std::uint32_t totalPhysMB = TakeMemorySample(system_).totalPhysMB;
    settings_ = ReadEngineSettings(registry_, files_, totalPhysMB);
}

}  // namespace talvane::engine
