#include "optimizer/more_options.h"

#include <algorithm>
#include <cctype>
#include <utility>

#include "base/text_table.h"
#include "settings/engine_contract.h"
#include "settings/save_report.h"

namespace talvane {

namespace {

constexpr int kDisplayRows[] = {35, 36, 37};  // the third only where system resources exist

char UpperLetter(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - ('a' - 'A')) : c;
}

using E = EngineOptions;

// Each check box and spin field with the engine option it shows; a spin field takes its range from its setting.
struct CheckRow {
    MoreOptions::CheckBox box;
    bool E::*option;
};
struct SpinRow {
    MoreOptions::Spin spin;
    SettingId setting;
    std::uint32_t E::*option;
};
struct HotkeyRow {
    MoreOptions::Hotkey field;
    char E::*option;
};

constexpr CheckRow kCheckRows[] = {
    {MoreOptions::CheckBox::AutoStart, &E::autoStart},
    {MoreOptions::CheckBox::FreeOnStartup, &E::freeOnStartup},
    {MoreOptions::CheckBox::DisableCpuDetect, &E::disableCpuDetect},
    {MoreOptions::CheckBox::WarnLowResources, &E::warnLowResources},
    {MoreOptions::CheckBox::HideTrayIcon, &E::hideTrayIcon},
    {MoreOptions::CheckBox::AutoclearClipboard, &E::autoclearClipboard},
    {MoreOptions::CheckBox::PlaySound, &E::playSound},
};

constexpr SpinRow kSpinRows[] = {
    {MoreOptions::Spin::FreeOnStartupAmount, SettingId::FreeOnStartupAmount, &E::freeOnStartupAmount},
    {MoreOptions::Spin::FreeOnStartupDelay, SettingId::FreeOnStartupDelay, &E::freeOnStartupDelay},
    {MoreOptions::Spin::PeriodicAmount, SettingId::PeriodicAmount, &E::periodicAmount},
    {MoreOptions::Spin::PeriodicMinutes, SettingId::PeriodicMinutes, &E::periodicMinutes},
    {MoreOptions::Spin::PeriodicBelowPercent, SettingId::PeriodicBelowPercent, &E::periodicBelowPercent},
    {MoreOptions::Spin::WarnLowResourcesPercent, SettingId::WarnLowResourcesPercent, &E::warnLowResourcesPercent},
    {MoreOptions::Spin::MenuAmountX, SettingId::MenuAmountX, &E::menuAmountX},
    {MoreOptions::Spin::MenuAmountY, SettingId::MenuAmountY, &E::menuAmountY},
    {MoreOptions::Spin::MenuAmountZ, SettingId::MenuAmountZ, &E::menuAmountZ},
};

constexpr HotkeyRow kHotkeyRows[] = {
    {MoreOptions::Hotkey::FreeUp, &E::hotkey1},
    {MoreOptions::Hotkey::Toggle, &E::hotkey2},
};

// A row's position is its control's index in the dialog's state.
template <typename Row, std::size_t N, typename Control>
constexpr bool EveryControlInOrder(const Row (&rows)[N], Control Row::*control, std::size_t count) {
    for (std::size_t i = 0; i < N; ++i) {
        if (static_cast<std::size_t>(rows[i].*control) != i) {
            return false;
        }
    }
    return N == count;
}
static_assert(EveryControlInOrder(kCheckRows, &CheckRow::box, MoreOptions::kCheckBoxCount));
static_assert(EveryControlInOrder(kSpinRows, &SpinRow::spin, MoreOptions::kSpinCount));
static_assert(EveryControlInOrder(kHotkeyRows, &HotkeyRow::field, MoreOptions::kHotkeyCount));

template <std::size_t... I>
std::array<SpinValue, sizeof...(I)> MakeSpins(std::index_sequence<I...> /*rows*/) {
    return {SpinValue(Setting(kSpinRows[I].setting).maximum.For(0))...};
}

}  // namespace

MoreOptions::MoreOptions(WindowsFamily family)
    : family_(family), spins_(MakeSpins(std::make_index_sequence<kSpinCount>())) {}

void MoreOptions::Show(const EngineOptions& o) {
    tab_ = Tab::Main;
    for (const CheckRow& row : kCheckRows) {
        Check(row.box, o.*row.option);
    }
    for (const SpinRow& row : kSpinRows) {
        spins_[Index(row.spin)].Set(o.*row.option);
    }
    colour_ = o.trayIconTextColor;
    display_.reset();
    if (o.trayIconInfo >= 0) {
        PickDisplay(static_cast<std::size_t>(o.trayIconInfo));
    }
    music_ = o.music;
    for (const HotkeyRow& row : kHotkeyRows) {
        hotkeys_[Index(row.field)] = UpperLetter(o.*row.option);
    }
}

void MoreOptions::PickColour(std::size_t index) {
    if (index < kBasicColours.size()) {
        colour_ = kBasicColours[index].value;
    }
}

void MoreOptions::PickDisplay(std::size_t index) {
    if (index < DisplayEntries().size()) {
        display_ = index;
    }
}

void MoreOptions::TypeHotkey(Hotkey field, const std::string& text) {
    hotkeys_[Index(field)] = text.empty() ? '\0' : UpperLetter(text.front());
}

void MoreOptions::Browse(const std::optional<std::string>& picked) {
    if (picked) {
        music_ = *picked;
    }
}

void MoreOptions::SetCpuUsage(int percent) {
    cpu_ = std::clamp(percent, 0, 100);
}

EngineOptions MoreOptions::Ok() const {
    EngineOptions o;
    for (const CheckRow& row : kCheckRows) {
        o.*row.option = Checked(row.box);
    }
    for (const SpinRow& row : kSpinRows) {
        o.*row.option = SpinField(row.spin).Value();
    }
    o.trayIconTextColor = colour_;
    o.trayIconInfo = display_ ? static_cast<std::int32_t>(*display_) : -1;
    o.music = music_;
    for (const HotkeyRow& row : kHotkeyRows) {
        o.*row.option = hotkeys_[Index(row.field)];
    }
    return o;
}

std::optional<std::size_t> MoreOptions::ColourIndex() const {
    for (std::size_t i = 0; i < kBasicColours.size(); ++i) {
        if (kBasicColours[i].value == colour_) {
            return i;
        }
    }
    return std::nullopt;
}

std::vector<std::string> MoreOptions::DisplayEntries() const {
    const std::size_t count = ShowsResourceWarning() ? 3 : 2;
    std::vector<std::string> entries;
    for (std::size_t i = 0; i < count; ++i) {
        entries.push_back(TextTable::Text(kDisplayRows[i]));
    }
    return entries;
}

std::string MoreOptions::HotkeyText(Hotkey field) const {
    const char key = hotkeys_[Index(field)];
    return key == '\0' ? std::string() : std::string(1, key);
}

bool SaveMoreOptions(const EngineOptions& options,
                     platform::Registry& registry,
                     platform::Windows& windows,
                     platform::Prompts& prompts,
                     const StartupFacts& facts,
                     WarningsSaid& said,
                     platform::WindowId owner) {
    SaveReport report;
    const bool saved = WriteEngineOptions(registry, options, facts, report);
    // The engine re-reads whatever did arrive, so it is told even after a partial save.
    NotifyEngine(windows, report);
    report.InformAndClear(prompts, owner, &said);
    return saved;
}

}  // namespace talvane
