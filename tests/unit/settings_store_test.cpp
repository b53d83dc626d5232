#include "settings/settings_store.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "fakes/fake_files.h"
#include "fakes/fake_platform.h"
#include "fakes/fake_processes.h"
#include "fakes/fake_registry.h"
#include "optimizer/engine_switch.h"
#include "settings/settings_schema.h"

namespace talvane {
namespace {

using platform::RootKey;
using Bytes = std::vector<std::uint8_t>;
using Log = std::vector<std::string>;

constexpr const char* kKey = "Software\\Talvane";
constexpr const char* kRun = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr const char* kInstall = "C:\\Program Files\\Talvane";

Bytes Dword(std::uint32_t n) {
    return {static_cast<std::uint8_t>(n), static_cast<std::uint8_t>(n >> 8), static_cast<std::uint8_t>(n >> 16),
            static_cast<std::uint8_t>(n >> 24)};
}
Bytes Chars(const std::string& text) {
    return Bytes(text.begin(), text.end());
}
std::string SetEntry(const std::string& name) {
    return "Set HKCU\\Software\\Talvane\\" + name;
}
// Empty when the value is absent, so a missing value fails an expectation instead of the test.
std::optional<Bytes> DataOf(const std::optional<fakes::FakeRegistry::Value>& value) {
    return value ? std::optional<Bytes>(value->data) : std::nullopt;
}
std::optional<std::uint32_t> TypeOf(const std::optional<fakes::FakeRegistry::Value>& value) {
    return value ? std::optional<std::uint32_t>(value->type) : std::nullopt;
}

const std::string kRunEntry = "Set HKLM\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run\\Talvane Professional";

// Every field, so two records can be compared whole.
std::string Describe(const EngineOptions& o) {
    std::string text;
    for (const std::uint32_t n : {o.autoStart + 0u,
                                  o.freeOnStartup + 0u,
                                  o.freeOnStartupAmount,
                                  o.freeOnStartupDelay,
                                  o.periodicAmount,
                                  o.periodicMinutes,
                                  o.periodicBelowPercent,
                                  o.disableCpuDetect + 0u,
                                  o.warnLowResources + 0u,
                                  o.warnLowResourcesPercent,
                                  o.trayIconTextColor,
                                  static_cast<std::uint32_t>(o.trayIconInfo),
                                  o.hideTrayIcon + 0u,
                                  o.menuAmountX,
                                  o.menuAmountY,
                                  o.menuAmountZ,
                                  o.autoclearClipboard + 0u,
                                  o.playSound + 0u,
                                  static_cast<std::uint32_t>(static_cast<unsigned char>(o.hotkey1)),
                                  static_cast<std::uint32_t>(static_cast<unsigned char>(o.hotkey2))}) {
        text += std::to_string(n) + ",";
    }
    return text + o.music;
}

class SettingsStoreTest : public ::testing::Test {
protected:
    SettingsStoreTest() {
        facts.family = WindowsFamily::WinXP;
        facts.installDir = kInstall;
        registry.AddKey(RootKey::LocalMachine, kRun);
    }
    // Nothing is held open between operations.
    void TearDown() override {
        EXPECT_EQ(registry.OpenHandles(), 0);
        EXPECT_EQ(registry.BadCloses(), 0);
    }
    std::optional<fakes::FakeRegistry::Value> Stored(const std::string& name) const {
        return registry.Get(RootKey::CurrentUser, kKey, name);
    }
    std::optional<fakes::FakeRegistry::Value> RunValue() const {
        return registry.Get(RootKey::LocalMachine, kRun, "Talvane Professional");
    }

    fakes::CallLog log;
    fakes::FakeRegistry registry{&log};
    fakes::FakeFiles files;
    fakes::FakeProcesses processes{&log};
    fakes::FakeWindows windows;
    fakes::FakeSystem system;
    StartupFacts facts;
    SaveReport report;
};

TEST_F(SettingsStoreTest, UnreadableKeyReadsTheDefaultsOfTheMachinesMemory) {
    const struct {
        const char* name;
        std::function<void(fakes::FakeRegistry&)> arrange;
    } cases[] = {
        {"empty key", [](fakes::FakeRegistry& r) { r.AddKey(RootKey::CurrentUser, kKey); }},
        {"no key", [](fakes::FakeRegistry&) {}},
        {"key denied",
         [](fakes::FakeRegistry& r) {
             r.PutNumber(RootKey::CurrentUser, kKey, "Target Fre RAM", 5);
             r.DenyKey(RootKey::CurrentUser, kKey);
         }},
    };
    for (const auto& c : cases) {
        fakes::FakeRegistry fresh;
        c.arrange(fresh);
        const EngineSettings read = ReadEngineSettings(fresh, files, 512);
        EXPECT_EQ(read.optimizer.targetFreeRam, 128u) << c.name;
        EXPECT_EQ(read.optimizer.minimumFreeRam, 32u) << c.name;
        EXPECT_TRUE(read.enabled) << c.name;
        const EngineOptions& o = read.options;
        EXPECT_EQ(Describe(o), "1,0,32,60,16,4,75,0,0,15,0,1,0,128,64,32,0,0,0,0,") << c.name;
        EXPECT_EQ(fresh.OpenHandles(), 0) << c.name;
    }
}

TEST_F(SettingsStoreTest, DefaultsOfMuchMemoryStopAtTheirMaximum) {
    const struct {
        std::uint32_t totalPhysMB;
        const char* options;
    } cases[] = {
        {2048, "1,0,128,60,64,4,75,0,0,15,0,1,0,512,256,128,0,0,0,0,"},
        {65540, "1,0,999,60,999,4,75,0,0,15,0,1,0,999,999,999,0,0,0,0,"},
    };
    for (const auto& c : cases) {
        const EngineSettings read = ReadEngineSettings(registry, files, c.totalPhysMB);
        EXPECT_EQ(Describe(read.options), c.options) << c.totalPhysMB;
        EXPECT_EQ(read.optimizer.targetFreeRam, c.totalPhysMB / 4) << "within its range of three quarters";
    }
}

TEST_F(SettingsStoreTest, StoredValuesReadAsTheirKindSays) {
    const std::string wav = "C:\\WINDOWS\\Media\\ding.wav";
    files.AddFile(wav);
    const struct {
        const char* name;
        const char* value;
        std::uint32_t type;
        Bytes stored;
        std::function<std::string(const EngineSettings&)> field;
        std::string expected;
    } cases[] = {
        {"flag 1", "AutoStart", 4, Dword(1), [](auto& s) { return std::to_string(s.options.autoStart); }, "1"},
        {"flag 2", "AutoStart", 4, Dword(2), [](auto& s) { return std::to_string(s.options.autoStart); }, "0"},
        {"state 2", "Talvane_Stat", 4, Dword(2), [](auto& s) { return std::to_string(s.enabled); }, "0"},
        {"state 0", "Talvane_Stat", 4, Dword(0), [](auto& s) { return std::to_string(s.enabled); }, "0"},
        {"hot key R", "Hotkey1", 4, Dword(82), [](auto& s) { return std::string(1, s.options.hotkey1); }, "R"},
        {"no hot key", "Hotkey2", 4, Dword(0), [](auto& s) { return std::to_string(s.options.hotkey2); }, "0"},
        {"hot key beyond 8 bits", "Hotkey1", 4, Dword(0x152), [](auto& s) { return std::to_string(s.options.hotkey1); },
         "0"},
        {"nothing selected", "TrayIconInfo", 4, Dword(0xFFFFFFFF),
         [](auto& s) { return std::to_string(s.options.trayIconInfo); }, "-1"},
        {"unknown colour kept", "TrayIconTextColor", 4, Dword(0x123456),
         [](auto& s) { return std::to_string(s.options.trayIconTextColor); }, std::to_string(0x123456)},
        {"above the slider", "Target Fre RAM", 4, Dword(500),
         [](auto& s) { return std::to_string(s.optimizer.targetFreeRam); }, "500"},
        {"five-byte number",
         "Freeeverymin_Val1",
         4,
         {9, 0, 0, 0, 0},
         [](auto& s) { return std::to_string(s.options.periodicAmount); },
         "16"},
        {"number stored as text", "Minimum Free RAM", 1, Chars("12"),
         [](auto& s) { return std::to_string(s.optimizer.minimumFreeRam); }, "32"},
        {"existing sound file", "Music", 1, Chars(wav + std::string(1, '\0')), [](auto& s) { return s.options.music; },
         wav},
        {"missing sound file", "Music", 1, Chars("C:\\gone.wav"), [](auto& s) { return s.options.music; }, ""},
        {"300-byte text", "Music", 1, Bytes(300, 'a'), [](auto& s) { return s.options.music; }, ""},
    };
    for (const auto& c : cases) {
        fakes::FakeRegistry fresh;
        fresh.PutValue(RootKey::CurrentUser, kKey, c.value, c.type, c.stored);
        EXPECT_EQ(c.field(ReadEngineSettings(fresh, files, 512)), c.expected) << c.name;
        EXPECT_EQ(fresh.OpenHandles(), 0) << c.name;
    }
}

// What the product makes of one setting in `stored`: the bytes it would write back, or what it acts on.
std::string ReadBack(fakes::FakeRegistry& stored,
                     const SettingEntry& entry,
                     platform::Files& files,
                     platform::System& system,
                     const StartupFacts& facts) {
    SaveReport ignored;
    switch (entry.group) {
        case SettingGroup::InstallDir: return ReadInstallDir(stored, system);
        case SettingGroup::FirstRun: return TakeFirstRunMarker(stored, ignored) ? "first run" : "not first run";
        default: break;
    }
    const EngineSettings read = ReadEngineSettings(stored, files, 512);
    fakes::FakeRegistry copy;
    WriteOptimizerSettings(copy, read.optimizer, ignored);
    WriteEngineState(copy, read.enabled, ignored);
    WriteEngineOptions(copy, read.options, facts, ignored);
    const auto value = copy.Get(RootKey::CurrentUser, kKey, entry.name);
    return value ? std::string(value->data.begin(), value->data.end()) : "<missing>";
}

TEST_F(SettingsStoreTest, AValueOfAnotherTypeThanItsSettingsReadsAsMissing) {
    // "1" arms the first-run marker and names a file that exists, as "Music" needs.
    files.AddFile("1");
    for (const SettingEntry& entry : AllSettings()) {
        const bool text = entry.kind == SettingKind::Text;
        // Not the default, so that a value read in spite of its type shows.
        const Bytes data = text ? Chars("1") : Dword(entry.defaultNumber.For(512) == 0 ? 1 : 0);
        fakes::FakeRegistry absent;
        absent.AddKey(RootKey::CurrentUser, kKey);
        const std::string byDefault = ReadBack(absent, entry, files, system, facts);
        for (const std::uint32_t type : {platform::kRegSz, platform::kRegExpandSz, platform::kRegBinary,
                                         platform::kRegDword, std::uint32_t{7} /* REG_MULTI_SZ */}) {
            fakes::FakeRegistry stored;
            stored.PutValue(RootKey::CurrentUser, kKey, entry.name, type, data);
            const bool itsType =
                text ? type == platform::kRegSz || type == platform::kRegExpandSz : type == platform::kRegDword;
            const std::string read = ReadBack(stored, entry, files, system, facts);
            if (itsType) {
                EXPECT_NE(read, byDefault) << entry.name << " as type " << type;
            } else {
                EXPECT_EQ(read, byDefault) << entry.name << " as type " << type;
            }
        }
    }
}

TEST_F(SettingsStoreTest, EngineOptionsAreWrittenInTableOrderAndReadBack) {
    const std::string wav = "C:\\WINDOWS\\Media\\chord.wav";
    files.AddFile(wav);
    EngineOptions options;
    options.autoStart = true;
    options.freeOnStartup = true;
    options.freeOnStartupAmount = 999;
    options.freeOnStartupDelay = 30;
    options.periodicAmount = 7;
    options.periodicMinutes = 60;
    options.periodicBelowPercent = 100;
    options.disableCpuDetect = true;
    options.warnLowResourcesPercent = 20;
    options.trayIconTextColor = 0x0000FF;
    options.trayIconInfo = -1;
    options.menuAmountX = 1;
    options.menuAmountY = 2;
    options.menuAmountZ = 3;
    options.playSound = true;
    options.music = wav;
    options.hotkey1 = 'r';

    EXPECT_TRUE(WriteEngineOptions(registry, options, facts, report));
    EXPECT_TRUE(report.Empty());

    EXPECT_EQ(log.Entries(), (Log{"Create HKCU\\Software\\Talvane",
                                  SetEntry("AutoStart"),
                                  SetEntry("FreeonStartup"),
                                  SetEntry("FreeonStartup_val1"),
                                  SetEntry("FreeonStartup_val2"),
                                  SetEntry("Freeeverymin_Val1"),
                                  SetEntry("Freeeverymin_Val2"),
                                  SetEntry("Freeeverymin_Val3"),
                                  SetEntry("Disable_CPU_detect"),
                                  SetEntry("WarnLowRecource"),
                                  SetEntry("WarnLowRecource_Val1"),
                                  SetEntry("TrayIconTextColor"),
                                  SetEntry("TrayIconInfo"),
                                  SetEntry("HideTrayIcon"),
                                  SetEntry("FreeupXMenu_Val1"),
                                  SetEntry("FreeupYMenu_Val1"),
                                  SetEntry("FreeupZMenu_Val1"),
                                  SetEntry("AutoclearClipboard"),
                                  SetEntry("PlaySound"),
                                  SetEntry("Music"),
                                  SetEntry("Hotkey1"),
                                  SetEntry("Hotkey2"),
                                  kRunEntry}));
    EXPECT_EQ(DataOf(Stored("AutoStart")), Dword(1));
    EXPECT_EQ(DataOf(Stored("HideTrayIcon")), Dword(0));
    EXPECT_EQ(TypeOf(Stored("FreeonStartup_val1")), platform::kRegDword);
    EXPECT_EQ(DataOf(Stored("FreeonStartup_val1")), Dword(999));
    EXPECT_EQ(DataOf(Stored("TrayIconInfo")), Dword(0xFFFFFFFF));
    EXPECT_EQ(DataOf(Stored("Hotkey1")), Dword(82));
    EXPECT_EQ(DataOf(Stored("Hotkey2")), Dword(0));
    EXPECT_EQ(TypeOf(Stored("Music")), platform::kRegSz);
    EXPECT_EQ(DataOf(Stored("Music")), Chars(wav));
    EXPECT_EQ(DataOf(RunValue()), Chars("C:\\Program Files\\Talvane\\VELK_XP.exe"));

    options.hotkey1 = 'R';
    EXPECT_EQ(Describe(ReadEngineOptions(registry, files, 512)), Describe(options));
}

TEST_F(SettingsStoreTest, EmptyTextsAreStoredWithoutData) {
    registry.PutText(RootKey::CurrentUser, kKey, "Music", "C:\\old.wav");
    EngineOptions options;
    EXPECT_TRUE(WriteEngineOptions(registry, options, facts, report));
    EXPECT_EQ(TypeOf(Stored("Music")), platform::kRegSz);
    EXPECT_EQ(DataOf(Stored("Music")), Bytes{});
    EXPECT_EQ(DataOf(Stored("Hotkey1")), Dword(0));
    EXPECT_EQ(ReadEngineOptions(registry, files, 512).music, "");
}

TEST_F(SettingsStoreTest, WritersCreateAMissingKey) {
    const struct {
        const char* name;
        std::function<bool(platform::Registry&, SaveReport&)> write;
        Log expected;
    } cases[] = {
        {"optimizer",
         [](auto& r, auto& s) {
             return WriteOptimizerSettings(r, {200, 50}, s);
         },
         {"Create HKCU\\Software\\Talvane", SetEntry("Target Fre RAM"), SetEntry("Minimum Free RAM")}},
        {"engine state",
         [](auto& r, auto& s) { return WriteEngineState(r, false, s); },
         {"Create HKCU\\Software\\Talvane", SetEntry("Talvane_Stat")}},
        {"engine start",
         [](auto& r, auto&) { return CreateSettingsKey(r) == platform::kErrorSuccess; },
         {"Create HKCU\\Software\\Talvane"}},
    };
    for (const auto& c : cases) {
        fakes::CallLog freshLog;
        fakes::FakeRegistry fresh(&freshLog);
        SaveReport freshReport;
        EXPECT_TRUE(c.write(fresh, freshReport)) << c.name;
        EXPECT_EQ(freshLog.Entries(), c.expected) << c.name;
        EXPECT_TRUE(freshReport.Empty()) << c.name;
        EXPECT_EQ(fresh.OpenHandles(), 0) << c.name;
    }
    ASSERT_TRUE(WriteOptimizerSettings(registry, {200, 50}, report));
    EXPECT_EQ(DataOf(Stored("Target Fre RAM")), Dword(200));
    EXPECT_EQ(DataOf(Stored("Minimum Free RAM")), Dword(50));
    EXPECT_EQ(ReadOptimizerSettings(registry, 512).minimumFreeRam, 50u);
}

TEST_F(SettingsStoreTest, WritesThatFailAreReportedAndTheRestGoOn) {
    registry.AddKey(RootKey::CurrentUser, kKey);
    registry.FailValueWrite(RootKey::CurrentUser, kKey, "Target Fre RAM", 1013);
    EXPECT_FALSE(WriteOptimizerSettings(registry, {100, 10}, report));
    EXPECT_FALSE(Stored("Target Fre RAM"));
    EXPECT_EQ(DataOf(Stored("Minimum Free RAM")), Dword(10));
    ASSERT_EQ(report.Failures().size(), 1u);
    EXPECT_EQ(report.Failures()[0].what, "Target Fre RAM");
    EXPECT_EQ(report.Failures()[0].status, 1013);
    EXPECT_FALSE(report.Failures()[0].containerFailed);

    report.Clear();
    registry.DenyKey(RootKey::CurrentUser, kKey);
    EXPECT_FALSE(WriteEngineState(registry, true, report));
    ASSERT_EQ(report.Failures().size(), 1u);
    EXPECT_EQ(report.Failures()[0].what, "Talvane_Stat");
    EXPECT_EQ(report.Failures()[0].status, platform::kErrorAccessDenied);
    EXPECT_TRUE(report.Failures()[0].containerFailed);
    EXPECT_FALSE(report.Failures()[0].machineWide);
    EXPECT_FALSE(Stored("Talvane_Stat"));
}

TEST_F(SettingsStoreTest, WithoutAdministratorRightsOnlyTheRunEntryIsLost) {
    registry.ProtectRoot(RootKey::LocalMachine);
    EngineOptions options;
    options.autoStart = true;
    EXPECT_TRUE(WriteEngineOptions(registry, options, facts, report)) << "the user's own settings are all saved";
    EXPECT_EQ(DataOf(Stored("AutoStart")), Dword(1));
    EXPECT_EQ(DataOf(Stored("Hotkey2")), Dword(0));
    EXPECT_FALSE(RunValue());
    EXPECT_TRUE(report.Saved());
    EXPECT_EQ(report.Message(),
              "Talvane could not be set to start with Windows (\"Talvane Professional\": machine-wide settings need "
              "administrator rights). Your other settings are saved.");
}

TEST_F(SettingsStoreTest, RunEntryFollowsAutoStartAndTheFamily) {
    const struct {
        const char* name;
        WindowsFamily family;
        bool autoStart;
        bool presentBefore;
        std::optional<std::string> expected;  // none: no value
        Log log;
    } cases[] = {
        {"XP", WindowsFamily::WinXP, true, false, "C:\\Program Files\\Talvane\\VELK_XP.exe", {kRunEntry}},
        {"2000", WindowsFamily::Win2000, true, true, "C:\\Program Files\\Talvane\\VELK_XP.exe", {kRunEntry}},
        {"Me", WindowsFamily::WinMe, true, false, "C:\\Program Files\\Talvane\\VELK_ME.exe", {kRunEntry}},
        {"98", WindowsFamily::Win98, true, false, "C:\\Program Files\\Talvane\\VELK_98.exe", {kRunEntry}},
        {"NT 4.0", WindowsFamily::NT4, true, false, "", {kRunEntry}},
        {"95", WindowsFamily::Unsupported, true, false, "", {kRunEntry}},
        {"off",
         WindowsFamily::WinXP,
         false,
         true,
         std::nullopt,
         {"Delete HKLM\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run\\Talvane Professional"}},
        {"off and absent", WindowsFamily::WinXP, false, false, std::nullopt, {}},
    };
    for (const auto& c : cases) {
        fakes::CallLog freshLog;
        fakes::FakeRegistry fresh(&freshLog);
        fresh.AddKey(RootKey::LocalMachine, kRun);
        if (c.presentBefore) {
            fresh.PutText(RootKey::LocalMachine, kRun, "Talvane Professional", "C:\\old\\VELK_XP.exe");
        }
        StartupFacts f;
        f.family = c.family;
        f.installDir = kInstall;
        SaveReport r;
        EXPECT_TRUE(UpdateRunEntry(fresh, c.autoStart, f, r)) << c.name;
        EXPECT_TRUE(r.Empty()) << c.name;
        const auto stored = fresh.Get(RootKey::LocalMachine, kRun, "talvane professional");
        ASSERT_EQ(stored.has_value(), c.expected.has_value()) << c.name;
        if (stored) {
            EXPECT_EQ(stored->type, platform::kRegSz) << c.name;
            EXPECT_EQ(stored->data, Chars(*c.expected)) << c.name;
        }
        EXPECT_EQ(freshLog.Entries(), c.log) << c.name;
        EXPECT_EQ(fresh.OpenHandles(), 0) << c.name;
    }
}

TEST_F(SettingsStoreTest, InstallDirFallsBackToTheCurrentDirectory) {
    system.currentDir = "D:\\Here\\";
    const struct {
        const char* name;
        std::optional<std::string> stored;
        std::string expected;
    } cases[] = {
        {"stored", "C:\\Talvane", "C:\\Talvane"},
        {"trailing backslash", "C:\\Talvane\\", "C:\\Talvane"},
        {"absent", std::nullopt, "D:\\Here"},
        {"empty", "", "D:\\Here"},
    };
    for (const auto& c : cases) {
        fakes::FakeRegistry fresh;
        fresh.AddKey(RootKey::CurrentUser, kKey);
        if (c.stored) {
            fresh.PutText(RootKey::CurrentUser, kKey, "CurrentDir2", *c.stored);
        }
        EXPECT_EQ(ReadInstallDir(fresh, system), c.expected) << c.name;
        EXPECT_EQ(fresh.OpenHandles(), 0) << c.name;
    }
}

TEST_F(SettingsStoreTest, FirstRunTurnsTheEngineOnOnce) {
    const struct {
        const char* name;
        WindowsFamily family;
        Bytes marker;
        std::optional<std::string> engine;
    } cases[] = {
        {"XP", WindowsFamily::WinXP, Chars("1"), "VELK_XP.exe"},
        {"Me, marker with NUL", WindowsFamily::WinMe, {'1', 0}, "VELK_ME.exe"},
        {"98", WindowsFamily::Win98, Chars("1"), "VELK_98.exe"},
        {"NT 4.0", WindowsFamily::NT4, Chars("1"), std::nullopt},
    };
    for (const auto& c : cases) {
        fakes::CallLog freshLog;
        fakes::FakeRegistry fresh(&freshLog);
        fakes::FakeProcesses started(&freshLog);
        fresh.AddKey(RootKey::LocalMachine, kRun);
        fresh.PutValue(RootKey::CurrentUser, kKey, "FirstTime", platform::kRegSz, c.marker);
        fresh.PutNumber(RootKey::CurrentUser, kKey, "Talvane_Stat", 0);
        fresh.PutNumber(RootKey::CurrentUser, kKey, "AutoStart", 0);
        StartupFacts f;
        f.family = c.family;
        f.installDir = kInstall;
        EngineSwitch engineSwitch(fresh, started, windows, c.family);
        SaveReport r;

        FirstRunCheck(fresh, started, f, engineSwitch, r);

        Log expected{SetEntry("FirstTime"), SetEntry("AutoStart")};
        if (c.engine) {
            expected.push_back("WinExec " + *c.engine);
        }
        expected.push_back(kRunEntry);
        EXPECT_EQ(freshLog.Entries(), expected) << c.name;
        EXPECT_EQ(TypeOf(fresh.Get(RootKey::CurrentUser, kKey, "FirstTime")), platform::kRegSz) << c.name;
        EXPECT_EQ(DataOf(fresh.Get(RootKey::CurrentUser, kKey, "FirstTime")), Chars("0")) << c.name;
        EXPECT_EQ(DataOf(fresh.Get(RootKey::CurrentUser, kKey, "AutoStart")), Dword(1)) << c.name;
        EXPECT_EQ(DataOf(fresh.Get(RootKey::CurrentUser, kKey, "Talvane_Stat")), Dword(0)) << c.name;
        EXPECT_EQ(DataOf(fresh.Get(RootKey::LocalMachine, kRun, "Talvane Professional")),
                  Chars(c.engine ? std::string(kInstall) + "\\" + *c.engine : ""))
            << c.name;
        if (c.engine) {
            ASSERT_EQ(started.started.size(), 1u) << c.name;
            EXPECT_EQ(started.started[0].show, 1) << c.name;
        }
        EXPECT_TRUE(engineSwitch.EnablePressed()) << c.name;
        EXPECT_TRUE(r.Empty()) << c.name;

        // The next start takes the ordinary path.
        freshLog.Clear();
        FirstRunCheck(fresh, started, f, engineSwitch, r);
        EXPECT_TRUE(freshLog.Entries().empty()) << c.name;
        EXPECT_TRUE(engineSwitch.DisablePressed()) << c.name << ": no engine window";
        EXPECT_EQ(fresh.OpenHandles(), 0) << c.name;
    }
}

TEST_F(SettingsStoreTest, OrdinaryStartShowsTheEngineAsItIs) {
    const fakes::FakeWindows::Window engine{7, "TForm1", "Talvane", false};
    const fakes::FakeWindows::Window panel{8, "TForm1", "Talvane Limited Edition", true};
    const struct {
        const char* name;
        std::optional<std::string> marker;  // none: absent
        std::vector<fakes::FakeWindows::Window> running;
        std::optional<std::uint32_t> state;
        bool keyDenied;
        EngineButton expected;
    } cases[] = {
        {"no marker, engine on", std::nullopt, {engine}, 1, false, EngineButton::Enable},
        {"marker 0, engine off", "0", {engine}, 0, false, EngineButton::Disable},
        {"marker 0, state 2", "0", {engine}, 2, false, EngineButton::Disable},
        {"marker 0, no state", "0", {engine}, std::nullopt, false, EngineButton::Enable},
        {"marker \"1 \"", "1 ", {engine}, 1, false, EngineButton::Enable},
        {"marker \"11\"", "11", {panel}, 1, false, EngineButton::Disable},
        {"no engine window", "0", {panel}, 1, false, EngineButton::Disable},
        {"key denied", "1", {engine}, 0, true, EngineButton::Enable},
    };
    for (const auto& c : cases) {
        fakes::CallLog freshLog;
        fakes::FakeRegistry fresh(&freshLog);
        fakes::FakeProcesses started(&freshLog);
        fakes::FakeWindows running;
        running.windows = c.running;
        fresh.AddKey(RootKey::CurrentUser, kKey);
        if (c.marker) {
            fresh.PutText(RootKey::CurrentUser, kKey, "FirstTime", *c.marker);
        }
        if (c.state) {
            fresh.PutNumber(RootKey::CurrentUser, kKey, "Talvane_Stat", *c.state);
        }
        if (c.keyDenied) {
            fresh.DenyKey(RootKey::CurrentUser, kKey);
        }
        EngineSwitch engineSwitch(fresh, started, running, WindowsFamily::WinXP);
        engineSwitch.Show(c.expected == EngineButton::Enable ? EngineButton::Disable : EngineButton::Enable);
        SaveReport r;

        FirstRunCheck(fresh, started, facts, engineSwitch, r);

        EXPECT_EQ(engineSwitch.Pressed(), c.expected) << c.name;
        EXPECT_TRUE(freshLog.Entries().empty()) << c.name;
        EXPECT_TRUE(running.messages.empty()) << c.name;
        EXPECT_TRUE(r.Empty()) << c.name;
        EXPECT_EQ(fresh.OpenHandles(), 0) << c.name;
    }
}

TEST(SettingsSchemaTest, EditorsBringNumbersIntoRange) {
    const struct {
        SettingId id;
        std::uint32_t value;
        std::uint32_t expected;
    } cases[] = {
        {SettingId::TargetFreeRam, 500, 192},
        {SettingId::TargetFreeRam, 192, 192},
        {SettingId::MinimumFreeRam, 500, 128},
        {SettingId::MinimumFreeRam, 0, 0},
        {SettingId::FreeOnStartupDelay, 75, 60},
        {SettingId::WarnLowResourcesPercent, 101, 100},
        {SettingId::MenuAmountX, 1000, 999},
        {SettingId::TrayIconTextColor, 0x12345678, 0x12345678},
        {SettingId::TrayIconInfo, 0xFFFFFFFF, 0xFFFFFFFF},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ClampToRange(c.id, c.value, 256), c.expected) << Setting(c.id).name;
    }
}

}  // namespace
}  // namespace talvane
