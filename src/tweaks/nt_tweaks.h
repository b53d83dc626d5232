// The seven tweaks of Windows 2000 and XP: what the page holds, reading and writing them, the two presets and the
// note about tweaks left at their Windows default.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/quick_info.h"
#include "base/spin_value.h"
#include "platform/registry.h"
#include "settings/save_report.h"

namespace talvane {

// In the order of the page's check boxes.
enum class NtTweak : std::uint8_t {
    CorePerformance,
    LargeSystemCache,
    DiskCache,
    AppTimeout,
    ServiceTimeout,
    HungAppTimeout,
    UnloadDlls,
};
constexpr std::size_t kNtTweakCount = 7;
constexpr std::size_t kNtTimeoutCount = 3;  // the three time-outs, in their tweaks' order

// The disk-cache list: "4 MB" to "256 MB".
constexpr std::array<std::uint32_t, 7> kDiskCacheSizesMB = {4, 8, 16, 32, 64, 128, 256};
constexpr int kNoCacheEntry = -1;

struct NtTweaks {
    NtTweaks();  // every tweak at its Windows default

    std::array<bool, kNtTweakCount> checked{};
    std::array<SpinValue, kNtTimeoutCount> timeouts{SpinValue(20000), SpinValue(20000), SpinValue(5000)};
    std::uint32_t diskCacheLimit = 0;  // what the disk-cache tweak writes, in KB
    int cacheEntry = kNoCacheEntry;    // the list's selection
    bool clearCacheText = false;       // Default emptied the list's box; the view clears it and resets this

    [[nodiscard]] bool Checked(NtTweak tweak) const { return checked[static_cast<std::size_t>(tweak)]; }
    // True when the mark changed.
    bool SetChecked(NtTweak tweak, bool on);
    [[nodiscard]] SpinValue& Timeout(NtTweak tweak);
};

// The entry whose range holds a stored limit (1 to 4096 is "4 MB"); none for 0 or above 256 MB.
int DiskCacheEntryFor(std::uint32_t limit);
std::uint32_t DiskCacheLimitOf(int entry);
// A quarter of the memory, rounded up to a list size, at most "256 MB".
int RecommendedDiskCacheEntry(std::uint32_t totalPhysMB);

// Sets the marks of tweaks that differ from their Windows default; never clears one.
void ReadNtTweaks(platform::Registry& registry, NtTweaks& tweaks);
// Writes every tweak; a value that already reads as it would be written (a missing one reads as the Windows
// default) is left alone, so a user without rights over the machine's keys is told only about the tweaks that need
// a change.
void WriteNtTweaks(platform::Registry& registry, NtTweaks& tweaks, SaveReport& report);

// Each returns whether anything changed.
bool RecommendNtTweaks(NtTweaks& tweaks, std::uint32_t totalPhysMB);
bool DefaultNtTweaks(NtTweaks& tweaks);

// Unchecks the tweaks that are checked but hold their Windows default, and names them for the note.
std::vector<std::string> TakeUnchangedNtTweaks(NtTweaks& tweaks);
// The page's area and its check boxes describe themselves; the disk-cache one names a quarter of the memory.
std::optional<QuickInfoLines> NtTweakQuickInfo(int controlId, std::uint32_t totalPhysMB);

// The note's first line for that many names.
std::string NoteFirstLine(std::size_t names);

}  // namespace talvane
