#include "settings/settings_store.h"

#include <algorithm>
#include <variant>

#include "platform/reg_key.h"
#include "settings/engine_contract.h"
#include "settings/settings_schema.h"

namespace talvane {

namespace {

using platform::RegKey;
using platform::RootKey;

// A record's field for a setting; the alternative follows the setting's kind (see FieldIndex).
template <typename Record>
using Field = std::
    variant<bool Record::*, std::uint32_t Record::*, std::int32_t Record::*, char Record::*, std::string Record::*>;

template <typename Record>
struct Binding {
    SettingId id;
    Field<Record> field;
};

constexpr std::size_t FieldIndex(SettingKind kind) {
    switch (kind) {
        case SettingKind::Flag: return 0;
        case SettingKind::Number:
        case SettingKind::Colour: return 1;
        case SettingKind::Index: return 2;
        case SettingKind::Hotkey: return 3;
        case SettingKind::Text: return 4;
    }
    return 0;
}

using O = OptimizerSettings;
constexpr Binding<O> kOptimizerFields[] = {
    {SettingId::TargetFreeRam, &O::targetFreeRam},
    {SettingId::MinimumFreeRam, &O::minimumFreeRam},
};

constexpr Binding<EngineSettings> kEngineStateFields[] = {
    {SettingId::EngineEnabled, &EngineSettings::enabled},
};

using E = EngineOptions;
constexpr Binding<E> kEngineOptionFields[] = {
    {SettingId::AutoStart, &E::autoStart},
    {SettingId::FreeOnStartup, &E::freeOnStartup},
    {SettingId::FreeOnStartupAmount, &E::freeOnStartupAmount},
    {SettingId::FreeOnStartupDelay, &E::freeOnStartupDelay},
    {SettingId::PeriodicAmount, &E::periodicAmount},
    {SettingId::PeriodicMinutes, &E::periodicMinutes},
    {SettingId::PeriodicBelowPercent, &E::periodicBelowPercent},
    {SettingId::DisableCpuDetect, &E::disableCpuDetect},
    {SettingId::WarnLowResources, &E::warnLowResources},
    {SettingId::WarnLowResourcesPercent, &E::warnLowResourcesPercent},
    {SettingId::TrayIconTextColor, &E::trayIconTextColor},
    {SettingId::TrayIconInfo, &E::trayIconInfo},
    {SettingId::HideTrayIcon, &E::hideTrayIcon},
    {SettingId::MenuAmountX, &E::menuAmountX},
    {SettingId::MenuAmountY, &E::menuAmountY},
    {SettingId::MenuAmountZ, &E::menuAmountZ},
    {SettingId::AutoclearClipboard, &E::autoclearClipboard},
    {SettingId::PlaySound, &E::playSound},
    {SettingId::Music, &E::music},
    {SettingId::Hotkey1, &E::hotkey1},
    {SettingId::Hotkey2, &E::hotkey2},
};

// A record binds every setting of its group, in the schema's order, each to a field of the right type.
template <typename Record, std::size_t N>
constexpr bool BindsGroup(const Binding<Record> (&bindings)[N], SettingGroup group) {
    std::size_t next = 0;
    for (const SettingEntry& entry : AllSettings()) {
        if (entry.group != group) {
            continue;
        }
        if (next == N || bindings[next].id != entry.id || bindings[next].field.index() != FieldIndex(entry.kind)) {
            return false;
        }
        ++next;
    }
    return next == N;
}
static_assert(BindsGroup(kOptimizerFields, SettingGroup::Optimizer));
static_assert(BindsGroup(kEngineStateFields, SettingGroup::EngineState));
static_assert(BindsGroup(kEngineOptionFields, SettingGroup::EngineOptions));

struct ReadContext {
    std::uint32_t totalPhysMB = 0;
    platform::Files* files = nullptr;
};

// A default that grows with the memory stops at the value's maximum: a quarter of 64 GB is no amount the menu or
// the spin fields can hold, and the engine would act on a figure the dialog never shows.
std::uint32_t NumberOr(const RegKey& key, const SettingEntry& entry, std::uint32_t totalPhysMB) {
    if (const auto stored = key.ReadNumber(entry.name)) {
        return *stored;
    }
    return std::min(entry.defaultNumber.For(totalPhysMB), entry.maximum.For(totalPhysMB));
}

std::string TextOr(const RegKey& key, const SettingEntry& entry) {
    return key.ReadText(entry.name).value_or(entry.defaultText);
}

void Decode(const RegKey& key, const SettingEntry& entry, const ReadContext& context, bool& flag) {
    flag = NumberOr(key, entry, context.totalPhysMB) == 1;
}
void Decode(const RegKey& key, const SettingEntry& entry, const ReadContext& context, std::uint32_t& number) {
    number = NumberOr(key, entry, context.totalPhysMB);
}
void Decode(const RegKey& key, const SettingEntry& entry, const ReadContext& context, std::int32_t& index) {
    index = static_cast<std::int32_t>(NumberOr(key, entry, context.totalPhysMB));
}
// A code that is no 8-bit character is no key.
void Decode(const RegKey& key, const SettingEntry& entry, const ReadContext& context, char& hotkey) {
    const std::uint32_t code = NumberOr(key, entry, context.totalPhysMB);
    hotkey = code <= 0xFF ? static_cast<char>(code) : '\0';
}
void Decode(const RegKey& key, const SettingEntry& entry, const ReadContext& context, std::string& text) {
    text = TextOr(key, entry);
    if (entry.existingFile && (text.empty() || context.files == nullptr || !context.files->FileExists(text))) {
        text.clear();
    }
}

std::uint32_t Encode(bool flag) {
    return flag ? 1 : 0;
}
std::uint32_t Encode(std::uint32_t number) {
    return number;
}
std::uint32_t Encode(std::int32_t index) {
    return static_cast<std::uint32_t>(index);
}
// Letters as upper case, the key the engine registers.
std::uint32_t Encode(char hotkey) {
    const auto code = static_cast<unsigned char>(hotkey);
    return code >= 'a' && code <= 'z' ? code - ('a' - 'A') : code;
}

long Store(RegKey& key, const SettingEntry& entry, const std::string& text) {
    return key.WriteText(entry.name, text);
}
template <typename T>
long Store(RegKey& key, const SettingEntry& entry, const T& value) {
    return key.WriteNumber(entry.name, Encode(value));
}

long OpenSettings(platform::Registry& registry, RegKey& key, std::uint32_t access) {
    return key.Open(registry, RootKey::CurrentUser, kSettingsKeyPath, access);
}

// Writers make the key when it is missing, so a save never vanishes without a word.
long CreateSettings(platform::Registry& registry, RegKey& key) {
    return key.Create(registry, RootKey::CurrentUser, kSettingsKeyPath, platform::kKeyAllAccess);
}

template <typename Record, std::size_t N>
void ReadRecord(platform::Registry& registry,
                const Binding<Record> (&bindings)[N],
                const ReadContext& context,
                Record& record) {
    RegKey key;
    // A key that cannot be opened reads every default.
    static_cast<void>(OpenSettings(registry, key, platform::kKeyRead));
    for (const Binding<Record>& binding : bindings) {
        std::visit([&](auto member) { Decode(key, Setting(binding.id), context, record.*member); }, binding.field);
    }
}

template <typename Record, std::size_t N>
bool WriteRecord(platform::Registry& registry,
                 const Binding<Record> (&bindings)[N],
                 const Record& record,
                 SaveReport& report) {
    RegKey key;
    const long opened = CreateSettings(registry, key);
    bool saved = true;
    for (const Binding<Record>& binding : bindings) {
        const SettingEntry& entry = Setting(binding.id);
        const long status =
            opened != platform::kErrorSuccess
                ? opened
                : std::visit([&](auto member) { return Store(key, entry, record.*member); }, binding.field);
        saved = report.Check(status, entry.name, /*machineWide=*/false,
                             /*containerFailed=*/opened != platform::kErrorSuccess) &&
                saved;
    }
    return saved;
}

std::string WithoutTrailingBackslash(std::string path) {
    while (!path.empty() && path.back() == '\\') {
        path.pop_back();
    }
    return path;
}

}  // namespace

std::string ReadInstallDir(platform::Registry& registry, platform::System& system) {
    RegKey key;
    static_cast<void>(OpenSettings(registry, key, platform::kKeyRead));
    std::string dir = WithoutTrailingBackslash(TextOr(key, Setting(SettingId::InstallDir)));
    // An empty directory would put the engine and the help file at the root of the current drive.
    if (dir.empty()) {
        dir = WithoutTrailingBackslash(system.GetCurrentDirectory());
    }
    return dir;
}

OptimizerSettings ReadOptimizerSettings(platform::Registry& registry, std::uint32_t totalPhysMB) {
    OptimizerSettings settings;
    ReadRecord(registry, kOptimizerFields, {totalPhysMB, nullptr}, settings);
    return settings;
}

bool WriteOptimizerSettings(platform::Registry& registry, const OptimizerSettings& settings, SaveReport& report) {
    return WriteRecord(registry, kOptimizerFields, settings, report);
}

bool ReadEngineState(platform::Registry& registry) {
    EngineSettings state;
    ReadRecord(registry, kEngineStateFields, {}, state);
    return state.enabled;
}

bool WriteEngineState(platform::Registry& registry, bool enabled, SaveReport& report) {
    EngineSettings state;
    state.enabled = enabled;
    return WriteRecord(registry, kEngineStateFields, state, report);
}

EngineOptions ReadEngineOptions(platform::Registry& registry, platform::Files& files, std::uint32_t totalPhysMB) {
    EngineOptions options;
    ReadRecord(registry, kEngineOptionFields, {totalPhysMB, &files}, options);
    return options;
}

bool WriteEngineOptions(platform::Registry& registry,
                        const EngineOptions& options,
                        const StartupFacts& facts,
                        SaveReport& report) {
    const bool stored = WriteRecord(registry, kEngineOptionFields, options, report);
    static_cast<void>(UpdateRunEntry(registry, options.autoStart, facts, report));
    return stored;
}

std::string RunEntryData(const StartupFacts& facts) {
    const auto file = EngineFileName(facts.family);
    return file ? facts.installDir + "\\" + *file : std::string();
}

namespace {

// Whether the Run entry already is what autoStart asks for; anyone may read the key.
bool RunEntryInLine(platform::Registry& registry, bool autoStart, const std::string& data) {
    RegKey run;
    const long opened = run.Open(registry, RootKey::LocalMachine, kRunKeyPath, platform::kKeyRead);
    if (opened != platform::kErrorSuccess) {
        return !autoStart && opened == platform::kErrorFileNotFound;
    }
    if (autoStart) {
        return run.ReadText(kRunValueName) == data;
    }
    std::uint32_t size = 0;
    return run.QueryValue(kRunValueName, nullptr, nullptr, &size) == platform::kErrorFileNotFound;
}

// What the user is told when the Run entry could not be brought in line.
std::string RunEntryWarning(bool autoStart, long status) {
    return std::string(autoStart ? "Talvane could not be set to start with Windows"
                                 : "Talvane could not be kept from starting with Windows") +
           " (\"" + kRunValueName + "\": " + StatusInWords(status, /*machineWide=*/true) +
           "). Your other settings are saved.";
}

}  // namespace

// The entry lives under HKEY_LOCAL_MACHINE, which an ordinary user of 2000, XP and later may read but not write:
// what is already in line is left alone, and a refused write is a warning, since the user's own settings are saved.
bool UpdateRunEntry(platform::Registry& registry, bool autoStart, const StartupFacts& facts, SaveReport& report) {
    const std::string data = RunEntryData(facts);
    if (RunEntryInLine(registry, autoStart, data)) {
        return true;
    }
    RegKey run;
    long status = run.Open(registry, RootKey::LocalMachine, kRunKeyPath, platform::kKeySetValue);
    if (status == platform::kErrorSuccess) {
        status = autoStart ? run.WriteText(kRunValueName, data) : run.DeleteValue(kRunValueName);
        if (!autoStart && status == platform::kErrorFileNotFound) {
            status = platform::kErrorSuccess;  // gone meanwhile
        }
    } else if (!autoStart && status == platform::kErrorFileNotFound) {
        status = platform::kErrorSuccess;  // without a Run key there is no entry to remove
    }
    if (status != platform::kErrorSuccess) {
        report.Warn(RunEntryWarning(autoStart, status));
        return false;
    }
    return true;
}

bool TakeFirstRunMarker(platform::Registry& registry, SaveReport& report) {
    const SettingEntry& marker = Setting(SettingId::FirstTime);
    RegKey key;
    // Only an installer makes the marker, so a missing key is not a first run.
    if (OpenSettings(registry, key, platform::kKeyAllAccess) != platform::kErrorSuccess || TextOr(key, marker) != "1") {
        return false;
    }
    report.Check(Store(key, marker, std::string("0")), marker.name);
    const SettingEntry& autoStart = Setting(SettingId::AutoStart);
    report.Check(Store(key, autoStart, true), autoStart.name);
    return true;
}

EngineSettings ReadEngineSettings(platform::Registry& registry, platform::Files& files, std::uint32_t totalPhysMB) {
    EngineSettings settings;
    settings.optimizer = ReadOptimizerSettings(registry, totalPhysMB);
    settings.enabled = ReadEngineState(registry);
    settings.options = ReadEngineOptions(registry, files, totalPhysMB);
    return settings;
}

long CreateSettingsKey(platform::Registry& registry) {
    RegKey key;
    return key.Create(registry, RootKey::CurrentUser, kSettingsKeyPath, platform::kKeyRead);
}

}  // namespace talvane
