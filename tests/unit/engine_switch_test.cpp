#include "optimizer/engine_switch.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "fakes/fake_platform.h"
#include "fakes/fake_processes.h"
#include "fakes/fake_registry.h"
#include "settings/engine_contract.h"

namespace talvane {
namespace {

using platform::RootKey;
using Log = std::vector<std::string>;

constexpr const char* kKey = "Software\\Talvane";
const std::string kStateEntry = "Set HKCU\\Software\\Talvane\\Talvane_Stat";
const std::string kReload = "SendMessageTimeout 7 1105";

const fakes::FakeWindows::Window kEngine{7, "TForm1", "Talvane", false};
const fakes::FakeWindows::Window kPanel{8, "TForm1", "Talvane Limited Edition", true};

struct Machine {
    explicit Machine(WindowsFamily family, bool engineRuns) : engineSwitch(registry, processes, windows, family) {
        registry.AddKey(RootKey::CurrentUser, kKey);
        windows.windows.push_back(kPanel);
        if (engineRuns) {
            windows.windows.push_back(kEngine);
        }
    }
    std::optional<std::uint32_t> StoredState() const {
        const auto value = registry.Get(RootKey::CurrentUser, kKey, "Talvane_Stat");
        if (!value || value->data.size() != 4) {
            return std::nullopt;
        }
        return value->data[0] | value->data[1] << 8 | value->data[2] << 16 | value->data[3] << 24;
    }

    fakes::CallLog log;
    fakes::FakeRegistry registry{&log};
    fakes::FakeProcesses processes{&log};
    fakes::FakeWindows windows{&log};
    EngineSwitch engineSwitch;
    SaveReport report;
};

TEST(EngineSwitchTest, ButtonsStoreTheStateStartAndNotifyInThatOrder) {
    const struct {
        const char* name;
        WindowsFamily family;
        bool engineRuns;
        bool enable;
        Log expected;
    } cases[] = {
        {"enable on XP", WindowsFamily::WinXP, true, true, {kStateEntry, "WinExec VELK_XP.exe", kReload}},
        {"enable on 2000, not running", WindowsFamily::Win2000, false, true, {kStateEntry, "WinExec VELK_XP.exe"}},
        {"enable on Me", WindowsFamily::WinMe, true, true, {kStateEntry, "WinExec VELK_ME.exe", kReload}},
        {"enable on 98", WindowsFamily::Win98, true, true, {kStateEntry, "WinExec VELK_98.exe", kReload}},
        {"enable without an engine", WindowsFamily::NT4, false, true, {kStateEntry}},
        {"disable", WindowsFamily::WinXP, true, false, {kStateEntry, kReload}},
        {"disable, not running", WindowsFamily::WinXP, false, false, {kStateEntry}},
    };
    for (const auto& c : cases) {
        Machine m(c.family, c.engineRuns);
        if (c.enable) {
            m.engineSwitch.PressEnable(m.report);
        } else {
            m.engineSwitch.PressDisable(m.report);
        }
        EXPECT_EQ(m.log.Entries(), c.expected) << c.name;
        EXPECT_EQ(m.StoredState(), c.enable ? 1u : 0u) << c.name;
        EXPECT_EQ(m.engineSwitch.Pressed(), c.enable ? EngineButton::Enable : EngineButton::Disable) << c.name;
        for (const auto& start : m.processes.started) {
            EXPECT_EQ(start.show, platform::kSwShowNormal) << c.name;
        }
        for (const auto& message : m.windows.messages) {
            EXPECT_TRUE(message.sent) << c.name;
            EXPECT_EQ(message.wParam, 0u) << c.name;
            EXPECT_EQ(message.lParam, 0) << c.name;
        }
        EXPECT_TRUE(m.report.Empty()) << c.name;
        EXPECT_EQ(m.registry.OpenHandles(), 0) << c.name;
    }
}

TEST(EngineSwitchTest, EnableRepeatsItsWholeActionWhenAlreadyPressed) {
    Machine m(WindowsFamily::WinXP, true);
    m.engineSwitch.PressEnable(m.report);
    m.engineSwitch.PressEnable(m.report);
    EXPECT_EQ(m.log.Entries(),
              (Log{kStateEntry, "WinExec VELK_XP.exe", kReload, kStateEntry, "WinExec VELK_XP.exe", kReload}));
    EXPECT_TRUE(m.engineSwitch.EnablePressed());
    EXPECT_FALSE(m.engineSwitch.DisablePressed());
}

TEST(EngineSwitchTest, AStateThatWasNotStoredIsNotShown) {
    Machine m(WindowsFamily::WinXP, true);
    m.registry.PutNumber(RootKey::CurrentUser, kKey, "Talvane_Stat", 1);
    m.registry.FailValueWrite(RootKey::CurrentUser, kKey, "Talvane_Stat", platform::kErrorAccessDenied);
    m.engineSwitch.PressDisable(m.report);
    EXPECT_EQ(m.log.Entries(), (Log{kReload}));
    EXPECT_TRUE(m.engineSwitch.EnablePressed()) << "the engine still runs enabled";
    ASSERT_EQ(m.report.Failures().size(), 1u);
    EXPECT_EQ(m.report.Failures()[0].what, "Talvane_Stat");
    EXPECT_EQ(m.report.Message(), "These settings could not be saved:\n\"Talvane_Stat\": access was denied.");
    EXPECT_EQ(m.registry.OpenHandles(), 0);
}

TEST(EngineSwitchTest, AHungEngineIsReportedAndTheStoredStateShown) {
    for (const bool enable : {true, false}) {
        Machine m(WindowsFamily::WinXP, true);
        m.windows.hung.insert(kEngine.id);
        if (enable) {
            m.engineSwitch.PressEnable(m.report);
        } else {
            m.engineSwitch.PressDisable(m.report);
        }
        EXPECT_EQ(m.log.Entries().back(), kReload) << enable;
        EXPECT_EQ(m.StoredState(), enable ? 1u : 0u) << enable;
        EXPECT_EQ(m.engineSwitch.EnablePressed(), enable);
        EXPECT_TRUE(m.report.Failures().empty()) << enable;
        EXPECT_TRUE(m.report.EngineUnconfirmed()) << enable;
    }
}

TEST(EngineSwitchTest, RefreshShowsTheEngineWithoutActing) {
    const struct {
        const char* name;
        bool engineRuns;
        std::optional<std::uint32_t> state;
        bool keyDenied;
        EngineButton expected;
    } cases[] = {
        {"running, enabled", true, 1, false, EngineButton::Enable},
        {"running, disabled", true, 0, false, EngineButton::Disable},
        {"running, state 2", true, 2, false, EngineButton::Disable},
        {"running, no state", true, std::nullopt, false, EngineButton::Enable},
        {"running, key unreadable", true, 0, true, EngineButton::Enable},
        {"not running, enabled", false, 1, false, EngineButton::Disable},
    };
    for (const auto& c : cases) {
        for (const EngineButton before : {EngineButton::Enable, EngineButton::Disable}) {
            Machine m(WindowsFamily::WinXP, c.engineRuns);
            if (c.state) {
                m.registry.PutNumber(RootKey::CurrentUser, kKey, "Talvane_Stat", *c.state);
            }
            if (c.keyDenied) {
                m.registry.DenyKey(RootKey::CurrentUser, kKey);
            }
            m.engineSwitch.Show(before);
            m.engineSwitch.RefreshEngineState();
            EXPECT_EQ(m.engineSwitch.Pressed(), c.expected) << c.name;
            EXPECT_TRUE(m.log.Entries().empty()) << c.name;
            EXPECT_TRUE(m.windows.messages.empty()) << c.name;
            EXPECT_EQ(m.registry.OpenHandles(), 0) << c.name;
        }
    }
}

TEST(EngineContractTest, EngineFilesByFamily) {
    const struct {
        WindowsFamily family;
        std::optional<std::string> file;
    } cases[] = {
        {WindowsFamily::Other9x, std::nullopt},     {WindowsFamily::Win98, "VELK_98.exe"},
        {WindowsFamily::WinMe, "VELK_ME.exe"},      {WindowsFamily::NT4, std::nullopt},
        {WindowsFamily::Win2000, "VELK_XP.exe"},    {WindowsFamily::WinXP, "VELK_XP.exe"},
        {WindowsFamily::Unsupported, std::nullopt},
    };
    for (const auto& c : cases) {
        fakes::FakeProcesses processes;
        StartEngine(processes, c.family);
        EXPECT_EQ(EngineFileName(c.family), c.file) << static_cast<int>(c.family);
        ASSERT_EQ(processes.started.size(), c.file ? 1u : 0u) << static_cast<int>(c.family);
        if (c.file) {
            EXPECT_EQ(processes.started[0].commandLine, *c.file);
        }
    }
}

TEST(EngineContractTest, OnlyTheEnginesOwnWindowIsNotified) {
    fakes::FakeWindows windows;
    windows.windows = {kPanel, {9, "TForm1", "Talvane ", false}};
    SaveReport report;
    NotifyEngine(windows, report);
    EXPECT_TRUE(windows.messages.empty());
    windows.windows.push_back(kEngine);
    NotifyEngine(windows, report);
    ASSERT_EQ(windows.messages.size(), 1u);
    EXPECT_EQ(windows.messages[0].window, 7u);
    EXPECT_EQ(windows.messages[0].message, 1105u);
    EXPECT_TRUE(windows.messages[0].sent);
    EXPECT_EQ(windows.messages[0].flags, platform::kSmtoAbortIfHung) << "a hung engine is not waited for";
    EXPECT_GE(windows.messages[0].timeoutMs, 1000u) << "time enough to re-read";
    EXPECT_LE(windows.messages[0].timeoutMs, 5000u) << "a few seconds at most";
    EXPECT_TRUE(report.Empty());
}

}  // namespace
}  // namespace talvane
