// The More Options dialog as the user sees it: what each control holds, and the engine options it saves.
#pragma once

#include "ui/form_table.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/spin_value.h"
#include "base/startup_facts.h"
#include "base/windows_family.h"
#include "platform/prompts.h"
#include "platform/registry.h"
#include "platform/window_services.h"
#include "settings/settings_schema.h"
#include "settings/settings_store.h"

namespace talvane {

struct NamedColour {
    const char* name;
    std::uint32_t value;  // 0x00BBGGRR
};

// The colour list's entries, in list order.
inline constexpr std::array<NamedColour, 16> kBasicColours{{
    {"Black", 0x000000},
    {"Maroon", 0x000080},
    {"Green", 0x008000},
    {"Olive", 0x008080},
    {"Navy", 0x800000},
    {"Purple", 0x800080},
    {"Teal", 0x808000},
    {"Gray", 0x808080},
    {"Silver", 0xC0C0C0},
    {"Red", 0x0000FF},
    {"Lime", 0x00FF00},
    {"Yellow", 0x00FFFF},
    {"Blue", 0xFF0000},
    {"Fuchsia", 0xFF00FF},
    {"Aqua", 0xFFFF00},
    {"White", 0xFFFFFF},
}};

class MoreOptions {
public:
    enum class Tab : std::uint8_t { Main, TrayIcon, PopupMenu, Others };
    enum class CheckBox : std::uint8_t {
        AutoStart,
        FreeOnStartup,
        DisableCpuDetect,
        WarnLowResources,
        HideTrayIcon,
        AutoclearClipboard,
        PlaySound,
    };
    enum class Spin : std::uint8_t {
        FreeOnStartupAmount,
        FreeOnStartupDelay,
        PeriodicAmount,
        PeriodicMinutes,
        PeriodicBelowPercent,
        WarnLowResourcesPercent,
        MenuAmountX,
        MenuAmountY,
        MenuAmountZ,
    };
    enum class Hotkey : std::uint8_t { FreeUp, Toggle };

    static constexpr std::size_t kCheckBoxCount = 7;
    static constexpr std::size_t kSpinCount = 9;
    static constexpr std::size_t kHotkeyCount = 2;
    static constexpr int kTabCount = 4;

    explicit MoreOptions(WindowsFamily family);

    // Every showing starts on the Main tab with the stored state, whatever the last showing left.
    void Show(const EngineOptions& options);
    void SelectTab(Tab tab) { tab_ = tab; }
    void TypeSpin(Spin spin, const std::string& text) { spins_[Index(spin)].Type(text); }
    void LeaveSpin(Spin spin) { spins_[Index(spin)].Leave(); }
    void StepSpin(Spin spin, int delta) { spins_[Index(spin)].Step(delta); }
    void Check(CheckBox box, bool checked) { checks_[Index(box)] = checked; }
    // An index outside the list changes nothing.
    void PickColour(std::size_t index);
    void PickDisplay(std::size_t index);
    // The field holds one character at most; letters are shown and stored in upper case.
    void TypeHotkey(Hotkey field, const std::string& text);
    // The file dialog's answer; nothing when the user cancelled.
    void Browse(const std::optional<std::string>& picked);
    // The gauge holds 0 to 100.
    void SetCpuUsage(int percent);

    // The record OK saves.
    [[nodiscard]] EngineOptions Ok() const;

    [[nodiscard]] Tab SelectedTab() const { return tab_; }
    [[nodiscard]] const SpinValue& SpinField(Spin spin) const { return spins_[Index(spin)]; }
    [[nodiscard]] bool Checked(CheckBox box) const { return checks_[Index(box)]; }
    // Nothing when the colour is none of the list's.
    [[nodiscard]] std::optional<std::size_t> ColourIndex() const;
    // The sample icons are drawn in it, listed or not.
    [[nodiscard]] std::uint32_t TextColour() const { return colour_; }
    [[nodiscard]] std::vector<std::string> DisplayEntries() const;
    [[nodiscard]] std::optional<std::size_t> DisplayIndex() const { return display_; }
    [[nodiscard]] const std::string& Music() const { return music_; }
    [[nodiscard]] std::string HotkeyText(Hotkey field) const;
    // The system resources warning exists only on Windows 98 and Me; elsewhere it is hidden but still saved.
    [[nodiscard]] bool ShowsResourceWarning() const { return Is9xFamily(family_); }
    // Pixels the browse button grows by, to line up with XP's taller edit boxes.
    [[nodiscard]] int BrowseButtonGrowth() const { return talvane::BrowseButtonGrowth(family_); }
    [[nodiscard]] int CpuPosition() const { return cpu_; }
    [[nodiscard]] std::string CpuLabel() const { return std::to_string(cpu_) + " %"; }

private:
    template <typename E>
    static constexpr std::size_t Index(E e) {
        return static_cast<std::size_t>(e);
    }

    WindowsFamily family_;
    Tab tab_ = Tab::Main;
    std::array<SpinValue, kSpinCount> spins_;
    std::array<bool, kCheckBoxCount> checks_{};
    std::uint32_t colour_ = 0;
    std::optional<std::size_t> display_;
    std::string music_;
    std::array<char, kHotkeyCount> hotkeys_{};
    int cpu_ = 0;
};

constexpr const char* kMoreOptionsHelpTopic = "::/More Options.htm";
inline std::string MoreOptionsHelpAddress(const std::string& helpFilePath) {
    return helpFilePath + kMoreOptionsHelpTopic;
}

// OK: writes the record, then tells the engine; a write that failed is named to the user, never passed over.
// Returns true when everything was written, and only then does the dialog close: after a failure it stays open
// with the user's values, to be saved again or left with Close. An engine that did not answer is told but does
// not keep the dialog open, since the settings are saved; nor does a Run entry the user may not write, which is
// said once in the run.
bool SaveMoreOptions(const EngineOptions& options,
                     platform::Registry& registry,
                     platform::Windows& windows,
                     platform::Prompts& prompts,
                     const StartupFacts& facts,
                     WarningsSaid& said,
                     platform::WindowId owner);

const FormTable& MoreOptionsForm();

}  // namespace talvane
