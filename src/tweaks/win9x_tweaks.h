// The file-system and memory tweaks of Windows 98 and Me, kept in SYSTEM.INI and under HKEY_LOCAL_MACHINE.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/files.h"
#include "platform/registry.h"
#include "settings/save_report.h"

namespace talvane {

// In the order of the page's check boxes.
enum class Win9xTweak : std::uint8_t {
    DiskCache,             // [vcache] sized to the memory
    FileCache,             // the "Server" file-system template
    DiskBuffers,           // [386Enh] PageBuffers
    ContiguousAllocation,  // ContigFileAllocSize
    RamFirst,              // [386Enh] ConservativeSwapfileUsage
};
inline constexpr std::size_t kWin9xTweakCount = 5;

// The check marks, all unchecked at first.
class Win9xTweaks {
public:
    [[nodiscard]] bool Checked(Win9xTweak tweak) const { return checked_[static_cast<std::size_t>(tweak)]; }
    // Each returns whether a mark changed.
    bool SetChecked(Win9xTweak tweak, bool checked);
    bool PressRecommended();
    bool PressDefault();

private:
    std::array<bool, kWin9xTweakCount> checked_{};
};

std::string SystemIniPath(const std::string& windowsDir);

// The "MaxFileCache" of a tuned disk cache: a share of the memory in MB, unscaled.
std::uint32_t CacheFigure(std::uint32_t totalPhysMB);

// Checks the tweaks the stores show as set; never clears a mark.
void ReadWin9xTweaks(platform::Files& files,
                     platform::Registry& registry,
                     const std::string& systemIni,
                     std::uint32_t totalPhysMB,
                     Win9xTweaks& tweaks);

// Writes all five. A SYSTEM.INI that cannot be written stops the save there; registry failures are reported.
void WriteWin9xTweaks(platform::Files& files,
                      platform::Registry& registry,
                      const std::string& systemIni,
                      std::uint32_t totalPhysMB,
                      const Win9xTweaks& tweaks,
                      SaveReport& report);

}  // namespace talvane
