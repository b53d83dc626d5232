// Reads and writes the settings key shared with the engine, and the Run entry that starts the engine with Windows.
// Each operation opens its key, does its work and closes it again.
#pragma once

#include <cstdint>
#include <string>

#include "base/startup_facts.h"
#include "platform/files.h"
#include "platform/processes.h"
#include "platform/registry.h"
#include "platform/system.h"
#include "settings/save_report.h"

namespace talvane {

// The optimizer page's two sliders, in MB.
struct OptimizerSettings {
    std::uint32_t targetFreeRam = 0;
    std::uint32_t minimumFreeRam = 0;
};

// The More Options dialog's values, one field per stored value, each named as its SettingId.
struct EngineOptions {
    bool autoStart = false;
    bool freeOnStartup = false;
    std::uint32_t freeOnStartupAmount = 0;   // MB
    std::uint32_t freeOnStartupDelay = 0;    // seconds after start-up
    std::uint32_t periodicAmount = 0;        // MB
    std::uint32_t periodicMinutes = 0;       // minutes
    std::uint32_t periodicBelowPercent = 0;  // percent of total RAM
    bool disableCpuDetect = false;
    bool warnLowResources = false;
    std::uint32_t warnLowResourcesPercent = 0;  // percent
    std::uint32_t trayIconTextColor = 0;        // 0x00BBGGRR
    std::int32_t trayIconInfo = 0;              // -1: nothing selected
    bool hideTrayIcon = false;
    std::uint32_t menuAmountX = 0;  // MB
    std::uint32_t menuAmountY = 0;
    std::uint32_t menuAmountZ = 0;
    bool autoclearClipboard = false;
    bool playSound = false;
    std::string music;
    char hotkey1 = 0;  // 0: none
    char hotkey2 = 0;
};

// Everything the engine works by.
struct EngineSettings {
    OptimizerSettings optimizer;
    bool enabled = false;
    EngineOptions options;
};

// "CurrentDir2", or the current directory when it is missing or empty; never ends in a backslash.
std::string ReadInstallDir(platform::Registry& registry, platform::System& system);

OptimizerSettings ReadOptimizerSettings(platform::Registry& registry, std::uint32_t totalPhysMB);
bool WriteOptimizerSettings(platform::Registry& registry, const OptimizerSettings& settings, SaveReport& report);

// On unless 0 or another value is stored.
bool ReadEngineState(platform::Registry& registry);
bool WriteEngineState(platform::Registry& registry, bool enabled, SaveReport& report);

// "Music" reads empty unless a file of that name exists.
EngineOptions ReadEngineOptions(platform::Registry& registry, platform::Files& files, std::uint32_t totalPhysMB);
// Writes every value, changed or not, then brings the Run entry in line with autoStart; true when every value
// under the settings key was written, whatever became of the Run entry.
bool WriteEngineOptions(platform::Registry& registry,
                        const EngineOptions& options,
                        const StartupFacts& facts,
                        SaveReport& report);

// The Run entry's data: the engine for the running family inside InstallDir, empty on families without one.
std::string RunEntryData(const StartupFacts& facts);
// Writes the Run entry when autoStart is on, deletes it when off; true when it is in line afterwards. A refusal is
// a warning in the report, not a failure.
bool UpdateRunEntry(platform::Registry& registry, bool autoStart, const StartupFacts& facts, SaveReport& report);

// The installer's first-run marker: true on the first start, when it is turned to "0" and start-with-Windows on.
bool TakeFirstRunMarker(platform::Registry& registry, SaveReport& report);

// The engine's view: the whole key at once.
EngineSettings ReadEngineSettings(platform::Registry& registry, platform::Files& files, std::uint32_t totalPhysMB);
// The engine makes the key when the installer did not.
long CreateSettingsKey(platform::Registry& registry);

}  // namespace talvane
