#include "optimizer/more_options.h"

#include <algorithm>
#include <cctype>

#include "base/text_table.h"
#include "settings/engine_contract.h"
#include "settings/save_report.h"

namespace talvane {

namespace {

constexpr int kDisplayRows[] = {35, 36, 37};  // the third only where system resources exist

std::size_t DigitsOf(std::uint32_t n) {
    return std::to_string(n).size();
}

// A signed whole number and nothing else; anything the box cannot mean as a number gives nothing.
std::optional<std::int64_t> ParseNumber(const std::string& text) {
    std::size_t at = 0;
    bool negative = false;
    if (at < text.size() && (text[at] == '-' || text[at] == '+')) {
        negative = text[at] == '-';
        ++at;
    }
    if (at == text.size()) {
        return std::nullopt;
    }
    std::int64_t value = 0;
    for (; at < text.size(); ++at) {
        const auto c = static_cast<unsigned char>(text[at]);
        if (std::isdigit(c) == 0) {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
        if (value > 0xFFFFFFFFLL) {
            return std::nullopt;
        }
    }
    return negative ? -value : value;
}

char UpperLetter(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - ('a' - 'A')) : c;
}

std::array<SpinValue, MoreOptions::kSpinCount> MakeSpins() {
    using S = MoreOptions::Spin;
    const auto field = [](S spin) { return SpinValue(Setting(MoreOptions::SettingOf(spin)).maximum.For(0)); };
    return {field(S::FreeOnStartupAmount), field(S::FreeOnStartupDelay),   field(S::PeriodicAmount),
            field(S::PeriodicMinutes),     field(S::PeriodicBelowPercent), field(S::WarnLowResourcesPercent),
            field(S::MenuAmountX),         field(S::MenuAmountY),          field(S::MenuAmountZ)};
}

}  // namespace

SpinValue::SpinValue(std::uint32_t maximum) : maximum_(maximum), maxLength_(DigitsOf(maximum)), text_("0") {}

void SpinValue::Set(std::uint32_t value) {
    text_ = std::to_string(std::min(value, maximum_));
}

void SpinValue::Type(const std::string& text) {
    text_ = text.substr(0, maxLength_);
}

void SpinValue::Leave() {
    Set(Value());
}

void SpinValue::Step(int delta) {
    const std::int64_t next = static_cast<std::int64_t>(Value()) + delta;
    Set(static_cast<std::uint32_t>(std::clamp<std::int64_t>(next, Minimum(), maximum_)));
}

std::uint32_t SpinValue::Value() const {
    const std::optional<std::int64_t> number = ParseNumber(text_);
    if (!number) {
        return Minimum();
    }
    return static_cast<std::uint32_t>(std::clamp<std::int64_t>(*number, Minimum(), maximum_));
}

MoreOptions::MoreOptions(WindowsFamily family) : family_(family), spins_(MakeSpins()) {}

SettingId MoreOptions::SettingOf(Spin spin) {
    switch (spin) {
        case Spin::FreeOnStartupAmount: return SettingId::FreeOnStartupAmount;
        case Spin::FreeOnStartupDelay: return SettingId::FreeOnStartupDelay;
        case Spin::PeriodicAmount: return SettingId::PeriodicAmount;
        case Spin::PeriodicMinutes: return SettingId::PeriodicMinutes;
        case Spin::PeriodicBelowPercent: return SettingId::PeriodicBelowPercent;
        case Spin::WarnLowResourcesPercent: return SettingId::WarnLowResourcesPercent;
        case Spin::MenuAmountX: return SettingId::MenuAmountX;
        case Spin::MenuAmountY: return SettingId::MenuAmountY;
        case Spin::MenuAmountZ: return SettingId::MenuAmountZ;
    }
    return SettingId::FreeOnStartupAmount;
}

void MoreOptions::Show(const EngineOptions& o) {
    tab_ = Tab::Main;
    const std::pair<CheckBox, bool> checks[] = {
        {CheckBox::AutoStart, o.autoStart},
        {CheckBox::FreeOnStartup, o.freeOnStartup},
        {CheckBox::DisableCpuDetect, o.disableCpuDetect},
        {CheckBox::WarnLowResources, o.warnLowResources},
        {CheckBox::HideTrayIcon, o.hideTrayIcon},
        {CheckBox::AutoclearClipboard, o.autoclearClipboard},
        {CheckBox::PlaySound, o.playSound},
    };
    for (const auto& [box, on] : checks) {
        Check(box, on);
    }
    const std::pair<Spin, std::uint32_t> numbers[] = {
        {Spin::FreeOnStartupAmount, o.freeOnStartupAmount},
        {Spin::FreeOnStartupDelay, o.freeOnStartupDelay},
        {Spin::PeriodicAmount, o.periodicAmount},
        {Spin::PeriodicMinutes, o.periodicMinutes},
        {Spin::PeriodicBelowPercent, o.periodicBelowPercent},
        {Spin::WarnLowResourcesPercent, o.warnLowResourcesPercent},
        {Spin::MenuAmountX, o.menuAmountX},
        {Spin::MenuAmountY, o.menuAmountY},
        {Spin::MenuAmountZ, o.menuAmountZ},
    };
    for (const auto& [spin, value] : numbers) {
        spins_[Index(spin)].Set(value);
    }
    colour_ = o.trayIconTextColor;
    display_.reset();
    if (o.trayIconInfo >= 0) {
        PickDisplay(static_cast<std::size_t>(o.trayIconInfo));
    }
    music_ = o.music;
    hotkeys_ = {UpperLetter(o.hotkey1), UpperLetter(o.hotkey2)};
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
    o.autoStart = Checked(CheckBox::AutoStart);
    o.freeOnStartup = Checked(CheckBox::FreeOnStartup);
    o.freeOnStartupAmount = SpinField(Spin::FreeOnStartupAmount).Value();
    o.freeOnStartupDelay = SpinField(Spin::FreeOnStartupDelay).Value();
    o.periodicAmount = SpinField(Spin::PeriodicAmount).Value();
    o.periodicMinutes = SpinField(Spin::PeriodicMinutes).Value();
    o.periodicBelowPercent = SpinField(Spin::PeriodicBelowPercent).Value();
    o.disableCpuDetect = Checked(CheckBox::DisableCpuDetect);
    o.warnLowResources = Checked(CheckBox::WarnLowResources);
    o.warnLowResourcesPercent = SpinField(Spin::WarnLowResourcesPercent).Value();
    o.trayIconTextColor = colour_;
    o.trayIconInfo = display_ ? static_cast<std::int32_t>(*display_) : -1;
    o.hideTrayIcon = Checked(CheckBox::HideTrayIcon);
    o.menuAmountX = SpinField(Spin::MenuAmountX).Value();
    o.menuAmountY = SpinField(Spin::MenuAmountY).Value();
    o.menuAmountZ = SpinField(Spin::MenuAmountZ).Value();
    o.autoclearClipboard = Checked(CheckBox::AutoclearClipboard);
    o.playSound = Checked(CheckBox::PlaySound);
    o.music = music_;
    o.hotkey1 = hotkeys_[Index(Hotkey::FreeUp)];
    o.hotkey2 = hotkeys_[Index(Hotkey::Toggle)];
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

std::string FileDialogFilter(const std::string& piped) {
    std::string filter = piped;
    std::replace(filter.begin(), filter.end(), '|', '\0');
    filter.push_back('\0');
    filter.push_back('\0');
    return filter;
}

bool SaveMoreOptions(const EngineOptions& options,
                     platform::Registry& registry,
                     platform::Windows& windows,
                     platform::Prompts& prompts,
                     const StartupFacts& facts,
                     platform::WindowId owner) {
    SaveReport report;
    const bool saved = WriteEngineOptions(registry, options, facts, report);
    // The engine re-reads whatever did arrive, so it is told even after a partial save.
    NotifyEngine(windows);
    report.InformAndClear(prompts, owner);
    return saved;
}

}  // namespace talvane
