// Every value of the settings key shared with the engine, described once: name, kind, default, range.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace talvane {

constexpr const char* kSettingsKeyPath = "Software\\Talvane";                            // under HKEY_CURRENT_USER
constexpr const char* kRunKeyPath = R"(SOFTWARE\Microsoft\Windows\CurrentVersion\Run)";  // under HKEY_LOCAL_MACHINE
constexpr const char* kRunValueName = "Talvane Professional";

// How a value is stored and shown. All but texts are REG_DWORD; texts are REG_SZ (REG_EXPAND_SZ reads too).
// A value stored as another type reads as missing and takes its default.
enum class SettingKind : std::uint8_t {
    Flag,    // on only when it holds 1
    Number,  // unsigned
    Colour,  // 0x00BBGGRR
    Index,   // signed; -1 when the editor has nothing selected
    Hotkey,  // the 8-bit code of one character, 0 for none
    Text,
};

// The operation that reads and writes a value.
enum class SettingGroup : std::uint8_t { Optimizer, EngineState, EngineOptions, InstallDir, FirstRun };

// In the order the control panel writes them.
enum class SettingId : std::uint8_t {
    TargetFreeRam,
    MinimumFreeRam,
    EngineEnabled,
    AutoStart,
    FreeOnStartup,
    FreeOnStartupAmount,
    FreeOnStartupDelay,
    PeriodicAmount,
    PeriodicMinutes,
    PeriodicBelowPercent,
    DisableCpuDetect,
    WarnLowResources,
    WarnLowResourcesPercent,
    TrayIconTextColor,
    TrayIconInfo,
    HideTrayIcon,
    MenuAmountX,
    MenuAmountY,
    MenuAmountZ,
    AutoclearClipboard,
    PlaySound,
    Music,
    Hotkey1,
    Hotkey2,
    InstallDir,
    FirstTime,
};
constexpr std::size_t kSettingCount = static_cast<std::size_t>(SettingId::FirstTime) + 1;

// A fixed number, or a share of TotalPhysMB: TotalPhysMB * multiplier >> shift.
struct Amount {
    std::uint32_t fixed = 0;
    std::uint8_t multiplier = 0;  // 0: fixed
    std::uint8_t shift = 0;

    [[nodiscard]] constexpr std::uint32_t For(std::uint32_t totalPhysMB) const {
        return multiplier == 0 ? fixed : static_cast<std::uint32_t>((std::uint64_t{totalPhysMB} * multiplier) >> shift);
    }
};

struct SettingEntry {
    SettingId id;
    const char* name;  // the stored name, misspellings included: the engine reads it
    SettingKind kind;
    SettingGroup group;
    Amount defaultNumber;
    const char* defaultText;
    // Values written run from 0 to this (for a text, its most characters). Editors bring what they show into
    // range; the store writes what it is given.
    Amount maximum;
    bool existingFile;  // a text that counts only while a file of that name exists
};

namespace schema {

constexpr Amount Fixed(std::uint32_t n) {
    return {n, 0, 0};
}
// TotalPhysMB * multiplier >> shift.
constexpr Amount OfRam(std::uint8_t multiplier, std::uint8_t shift) {
    return {0, multiplier, shift};
}
constexpr std::uint32_t kMaxPath = 260;

constexpr SettingEntry Flag(SettingId id, const char* name, SettingGroup group, bool on) {
    return {id, name, SettingKind::Flag, group, Fixed(on ? 1 : 0), "", Fixed(1), false};
}
constexpr SettingEntry Number(SettingId id, const char* name, SettingGroup group, Amount byDefault, Amount maximum) {
    return {id, name, SettingKind::Number, group, byDefault, "", maximum, false};
}
constexpr SettingEntry Option(SettingId id,
                              const char* name,
                              SettingKind kind,
                              std::uint32_t byDefault,
                              Amount maximum) {
    return {id, name, kind, SettingGroup::EngineOptions, Fixed(byDefault), "", maximum, false};
}
constexpr SettingEntry Text(SettingId id, const char* name, SettingGroup group, const char* byDefault, bool file) {
    return {id, name, SettingKind::Text, group, Fixed(0), byDefault, Fixed(kMaxPath), file};
}

using G = SettingGroup;
using K = SettingKind;
using S = SettingId;

inline constexpr std::array<SettingEntry, kSettingCount> kSettings{{
    Number(S::TargetFreeRam, "Target Fre RAM", G::Optimizer, OfRam(1, 2), OfRam(3, 2)),
    Number(S::MinimumFreeRam, "Minimum Free RAM", G::Optimizer, OfRam(1, 4), OfRam(1, 1)),
    Flag(S::EngineEnabled, "Talvane_Stat", G::EngineState, true),
    Flag(S::AutoStart, "AutoStart", G::EngineOptions, true),
    Flag(S::FreeOnStartup, "FreeonStartup", G::EngineOptions, false),
    Number(S::FreeOnStartupAmount, "FreeonStartup_val1", G::EngineOptions, OfRam(1, 4), Fixed(999)),
    Number(S::FreeOnStartupDelay, "FreeonStartup_val2", G::EngineOptions, Fixed(60), Fixed(60)),
    Number(S::PeriodicAmount, "Freeeverymin_Val1", G::EngineOptions, OfRam(1, 5), Fixed(999)),
    Number(S::PeriodicMinutes, "Freeeverymin_Val2", G::EngineOptions, Fixed(4), Fixed(60)),
    Number(S::PeriodicBelowPercent, "Freeeverymin_Val3", G::EngineOptions, Fixed(75), Fixed(100)),
    Flag(S::DisableCpuDetect, "Disable_CPU_detect", G::EngineOptions, false),
    Flag(S::WarnLowResources, "WarnLowRecource", G::EngineOptions, false),
    Number(S::WarnLowResourcesPercent, "WarnLowRecource_Val1", G::EngineOptions, Fixed(15), Fixed(100)),
    Option(S::TrayIconTextColor, "TrayIconTextColor", K::Colour, 0x000000, Fixed(0xFFFFFF)),
    Option(S::TrayIconInfo, "TrayIconInfo", K::Index, 1, Fixed(2)),
    Flag(S::HideTrayIcon, "HideTrayIcon", G::EngineOptions, false),
    Number(S::MenuAmountX, "FreeupXMenu_Val1", G::EngineOptions, OfRam(1, 2), Fixed(999)),
    Number(S::MenuAmountY, "FreeupYMenu_Val1", G::EngineOptions, OfRam(1, 3), Fixed(999)),
    Number(S::MenuAmountZ, "FreeupZMenu_Val1", G::EngineOptions, OfRam(1, 4), Fixed(999)),
    Flag(S::AutoclearClipboard, "AutoclearClipboard", G::EngineOptions, false),
    Flag(S::PlaySound, "PlaySound", G::EngineOptions, false),
    Text(S::Music, "Music", G::EngineOptions, "", true),
    Option(S::Hotkey1, "Hotkey1", K::Hotkey, 0, Fixed(255)),
    Option(S::Hotkey2, "Hotkey2", K::Hotkey, 0, Fixed(255)),
    // Without it the install directory is the process's current directory, known only at run time.
    Text(S::InstallDir, "CurrentDir2", G::InstallDir, "", false),
    Text(S::FirstTime, "FirstTime", G::FirstRun, "0", false),
}};

}  // namespace schema

constexpr const std::array<SettingEntry, kSettingCount>& AllSettings() {
    return schema::kSettings;
}

constexpr const SettingEntry& Setting(SettingId id) {
    return schema::kSettings[static_cast<std::size_t>(id)];
}

// Numbers above their range come down to its top. Other kinds are left alone: an unknown colour or index is
// written back as it was read.
std::uint32_t ClampToRange(SettingId id, std::uint32_t value, std::uint32_t totalPhysMB);

}  // namespace talvane
