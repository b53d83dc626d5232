#include "optimizer/more_options.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "base/file_filter.h"
#include "base/text_table.h"
#include "control_ids.h"
#include "fakes/fake_files.h"
#include "fakes/fake_platform.h"
#include "fakes/fake_registry.h"
#include "ui/form_table.h"

namespace talvane {
namespace {

using platform::RootKey;
using Spin = MoreOptions::Spin;
using Box = MoreOptions::CheckBox;
using Hotkey = MoreOptions::Hotkey;

constexpr const char* kKey = "Software\\Talvane";
constexpr const char* kRun = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr std::uint32_t kTotalPhysMB = 512;
const std::string kReload = "SendMessageTimeout 7 1105";

// The dialog with the machine behind it: show reads the key, OK saves through the store.
struct Machine {
    explicit Machine(WindowsFamily family) : dialog(family) {
        facts.family = family;
        facts.installDir = "C:\\Program Files\\Talvane";
        registry.AddKey(RootKey::CurrentUser, kKey);
        registry.AddKey(RootKey::LocalMachine, kRun);
        windows.windows.push_back({7, "TForm1", "Talvane", false});
    }
    void Store(const std::string& name, std::uint32_t number) {
        registry.PutNumber(RootKey::CurrentUser, kKey, name, number);
    }
    void Show() { dialog.Show(ReadEngineOptions(registry, files, kTotalPhysMB)); }
    bool Ok() { return SaveMoreOptions(dialog.Ok(), registry, windows, prompts, facts, said, 0); }
    std::optional<std::uint32_t> Stored(const std::string& name) const {
        const auto value = registry.Get(RootKey::CurrentUser, kKey, name);
        if (!value || value->data.size() != 4) {
            return std::nullopt;
        }
        const auto& d = value->data;
        return d[0] | d[1] << 8 | d[2] << 16 | static_cast<std::uint32_t>(d[3]) << 24;
    }
    std::optional<std::string> StoredText(const std::string& name) const {
        const auto value = registry.Get(RootKey::CurrentUser, kKey, name);
        return value ? std::optional<std::string>(std::string(value->data.begin(), value->data.end())) : std::nullopt;
    }

    fakes::CallLog log;
    fakes::FakeRegistry registry{&log};
    fakes::FakeFiles files;
    fakes::FakeWindows windows{&log};
    fakes::FakePrompts prompts;
    StartupFacts facts;
    WarningsSaid said;
    MoreOptions dialog;
};

TEST(SpinValueTest, KeepsTypedTextUntilLeftAndReadsInRange) {
    const struct {
        std::uint32_t maximum;
        std::string typed;
        std::string shownWhileTyping;  // the box takes no more characters than the maximum has digits
        std::uint32_t value;
        std::string shownAfterLeaving;
    } cases[] = {
        {60, "45", "45", 45, "45"},       {60, "99", "99", 60, "60"},  {60, "123", "12", 12, "12"},
        {999, "1234", "123", 123, "123"}, {100, "abc", "abc", 0, "0"}, {100, "", "", 0, "0"},
        {100, "-5", "-5", 0, "0"},        {100, "4x", "4x", 0, "0"},   {100, "+7", "+7", 7, "7"},
        {999, "0", "0", 0, "0"},
    };
    for (const auto& c : cases) {
        SpinValue spin(c.maximum);
        spin.Type(c.typed);
        EXPECT_EQ(spin.Text(), c.shownWhileTyping) << c.typed;
        EXPECT_EQ(spin.Value(), c.value) << c.typed;
        spin.Leave();
        EXPECT_EQ(spin.Text(), c.shownAfterLeaving) << c.typed;
        EXPECT_EQ(spin.Value(), c.value) << c.typed;
    }
}

TEST(SpinValueTest, SetAndArrowsStayInRange) {
    SpinValue spin(60);
    spin.Set(90);
    EXPECT_EQ(spin.Text(), "60");
    spin.Step(1);
    EXPECT_EQ(spin.Text(), "60");
    spin.Set(0);
    spin.Step(-1);
    EXPECT_EQ(spin.Text(), "0");
    spin.Type("x");
    spin.Step(1);
    EXPECT_EQ(spin.Text(), "1") << "a step counts from what the text reads as";
}

TEST(MoreOptionsTest, StoredValuesRoundTripUnchanged) {
    Machine m(WindowsFamily::Win98);
    const std::map<std::string, std::uint32_t> stored = {
        {"AutoStart", 0},
        {"FreeonStartup", 1},
        {"FreeonStartup_val1", 100},
        {"FreeonStartup_val2", 30},
        {"Freeeverymin_Val1", 50},
        {"Freeeverymin_Val2", 10},
        {"Freeeverymin_Val3", 80},
        {"Disable_CPU_detect", 1},
        {"WarnLowRecource", 1},
        {"WarnLowRecource_Val1", 20},
        {"TrayIconTextColor", 0xFF00FF},
        {"TrayIconInfo", 2},
        {"HideTrayIcon", 1},
        {"FreeupXMenu_Val1", 300},
        {"FreeupYMenu_Val1", 200},
        {"FreeupZMenu_Val1", 100},
        {"AutoclearClipboard", 1},
        {"PlaySound", 1},
        {"Hotkey1", 'F'},
        {"Hotkey2", '7'},
    };
    for (const auto& [name, value] : stored) {
        m.Store(name, value);
    }
    m.files.AddFile("C:\\WINDOWS\\Media\\ding.wav");
    m.registry.PutText(RootKey::CurrentUser, kKey, "Music", "C:\\WINDOWS\\Media\\ding.wav");
    m.Show();
    EXPECT_EQ(m.dialog.ColourIndex(), std::optional<std::size_t>(13)) << "Fuchsia";
    EXPECT_EQ(m.dialog.DisplayIndex(), std::optional<std::size_t>(2));
    EXPECT_EQ(m.dialog.HotkeyText(Hotkey::Toggle), "7");
    ASSERT_TRUE(m.Ok());
    for (const auto& [name, value] : stored) {
        EXPECT_EQ(m.Stored(name), value) << name;
    }
    EXPECT_EQ(m.StoredText("Music"), "C:\\WINDOWS\\Media\\ding.wav");
}

TEST(MoreOptionsTest, OnNtTheHiddenResourceWarningIsStillSaved) {
    Machine m(WindowsFamily::Win2000);
    m.Store("WarnLowRecource", 1);
    m.Store("WarnLowRecource_Val1", 150);
    m.Show();
    EXPECT_FALSE(m.dialog.ShowsResourceWarning());
    ASSERT_TRUE(m.Ok());
    EXPECT_EQ(m.Stored("WarnLowRecource"), 1u);
    EXPECT_EQ(m.Stored("WarnLowRecource_Val1"), 100u) << "brought into the field's range";
}

TEST(MoreOptionsTest, DisplayListFollowsTheFamily) {
    const std::vector<std::string> two = {"Total CPU usage", "Free physical memory"};
    const std::vector<std::string> three = {"Total CPU usage", "Free physical memory", "System resources"};
    const struct {
        WindowsFamily family;
        const std::vector<std::string>& entries;
        bool warning;
    } cases[] = {
        {WindowsFamily::Win98, three, true},      {WindowsFamily::WinMe, three, true},
        {WindowsFamily::Win2000, two, false},     {WindowsFamily::WinXP, two, false},
        {WindowsFamily::NT4, two, false},         {WindowsFamily::Other9x, two, false},
        {WindowsFamily::Unsupported, two, false},
    };
    for (const auto& c : cases) {
        const MoreOptions dialog(c.family);
        EXPECT_EQ(dialog.DisplayEntries(), c.entries) << static_cast<int>(c.family);
        EXPECT_EQ(dialog.ShowsResourceWarning(), c.warning) << static_cast<int>(c.family);
    }
}

TEST(MoreOptionsTest, AStoredDisplayWithoutEntrySelectsNothingAndSavesMinusOne) {
    const struct {
        WindowsFamily family;
        std::uint32_t stored;
        std::optional<std::size_t> shown;
        std::uint32_t saved;
    } cases[] = {
        {WindowsFamily::WinXP, 2, std::nullopt, 0xFFFFFFFF},
        {WindowsFamily::Win98, 2, 2, 2},
        {WindowsFamily::Win98, 3, std::nullopt, 0xFFFFFFFF},
        {WindowsFamily::WinXP, 0xFFFFFFFF, std::nullopt, 0xFFFFFFFF},
        {WindowsFamily::WinXP, 0, 0, 0},
    };
    for (const auto& c : cases) {
        Machine m(c.family);
        m.Store("TrayIconInfo", c.stored);
        m.Show();
        EXPECT_EQ(m.dialog.DisplayIndex(), c.shown) << c.stored;
        ASSERT_TRUE(m.Ok());
        EXPECT_EQ(m.Stored("TrayIconInfo"), c.saved) << c.stored;
    }
}

TEST(MoreOptionsTest, AColourOutsideTheListSelectsNothingAndIsWrittenBack) {
    Machine m(WindowsFamily::WinXP);
    m.Store("TrayIconTextColor", 0x123456);
    m.Show();
    EXPECT_EQ(m.dialog.ColourIndex(), std::nullopt);
    EXPECT_EQ(m.dialog.TextColour(), 0x123456u) << "the samples still show the stored colour";
    ASSERT_TRUE(m.Ok());
    EXPECT_EQ(m.Stored("TrayIconTextColor"), 0x123456u);
}

TEST(MoreOptionsTest, PickingAColourChangesTheSamplesColour) {
    MoreOptions dialog(WindowsFamily::WinXP);
    dialog.Show(EngineOptions{});
    EXPECT_EQ(dialog.TextColour(), 0u);
    dialog.PickColour(9);
    EXPECT_EQ(std::string(kBasicColours[9].name), "Red");
    EXPECT_EQ(dialog.TextColour(), 0x0000FFu);
    EXPECT_EQ(dialog.ColourIndex(), std::optional<std::size_t>(9));
    dialog.PickColour(kBasicColours.size());
    EXPECT_EQ(dialog.TextColour(), 0x0000FFu) << "no such entry";
    EXPECT_EQ(dialog.Ok().trayIconTextColor, 0x0000FFu);
}

TEST(MoreOptionsTest, ANumberAboveItsRangeShowsAndSavesTheMaximum) {
    Machine m(WindowsFamily::WinXP);
    m.Store("FreeonStartup_val2", 90);
    m.Store("FreeupXMenu_Val1", 5000);
    m.Show();
    EXPECT_EQ(m.dialog.SpinField(Spin::FreeOnStartupDelay).Text(), "60");
    EXPECT_EQ(m.dialog.SpinField(Spin::MenuAmountX).Text(), "999");
    ASSERT_TRUE(m.Ok());
    EXPECT_EQ(m.Stored("FreeonStartup_val2"), 60u);
    EXPECT_EQ(m.Stored("FreeupXMenu_Val1"), 999u);
}

TEST(MoreOptionsTest, TypedSpinTextIsSavedByItsValue) {
    const struct {
        std::string typed;
        bool left;
        std::uint32_t saved;
    } cases[] = {
        {"abc", false, 0},
        {"abc", true, 0},
        {"", false, 0},
        {"45", false, 45},
        // OK never saves past the range, left or not.
        {"99", false, 60},
        {"99", true, 60},
    };
    for (const auto& c : cases) {
        Machine m(WindowsFamily::WinXP);
        m.Show();
        m.dialog.TypeSpin(Spin::FreeOnStartupDelay, c.typed);
        if (c.left) {
            m.dialog.LeaveSpin(Spin::FreeOnStartupDelay);
        }
        ASSERT_TRUE(m.Ok());
        EXPECT_EQ(m.Stored("FreeonStartup_val2"), c.saved) << c.typed << (c.left ? " left" : "");
    }
}

TEST(MoreOptionsTest, HotkeysHoldOneUpperCaseCharacter) {
    const struct {
        std::string typed;
        std::string shown;
        std::uint32_t saved;
    } cases[] = {
        {"r", "R", 'R'}, {"R", "R", 'R'},  {"z", "Z", 'Z'},        {"5", "5", '5'},
        {"", "", 0},     {"ab", "A", 'A'}, {"\xE9", "\xE9", 0xE9},
    };
    for (const auto& c : cases) {
        Machine m(WindowsFamily::WinXP);
        m.Store("Hotkey1", 'Q');
        m.Show();
        m.dialog.TypeHotkey(Hotkey::FreeUp, c.typed);
        EXPECT_EQ(m.dialog.HotkeyText(Hotkey::FreeUp), c.shown) << c.typed;
        ASSERT_TRUE(m.Ok());
        EXPECT_EQ(m.Stored("Hotkey1"), c.saved) << c.typed;
        EXPECT_EQ(m.Stored("Hotkey2"), 0u) << c.typed;
    }
}

TEST(MoreOptionsTest, AStoredLowerCaseHotkeyShowsUpperCase) {
    Machine m(WindowsFamily::WinXP);
    m.Store("Hotkey1", 'r');
    m.Show();
    EXPECT_EQ(m.dialog.HotkeyText(Hotkey::FreeUp), "R");
    ASSERT_TRUE(m.Ok());
    EXPECT_EQ(m.Stored("Hotkey1"), 82u);
}

TEST(MoreOptionsTest, ShowingAgainAfterCloseShowsTheStoredState) {
    Machine m(WindowsFamily::WinXP);
    m.Store("AutoStart", 0);
    m.Store("Hotkey2", 'T');
    m.Show();
    m.dialog.SelectTab(MoreOptions::Tab::Others);
    m.dialog.Check(Box::AutoStart, true);
    m.dialog.TypeHotkey(Hotkey::Toggle, "");
    m.dialog.TypeSpin(Spin::PeriodicMinutes, "9");
    m.dialog.PickColour(3);
    m.dialog.Browse(std::string("C:\\x.wav"));
    // Close writes nothing; the next showing reads the key again.
    m.Show();
    EXPECT_EQ(m.dialog.SelectedTab(), MoreOptions::Tab::Main);
    EXPECT_FALSE(m.dialog.Checked(Box::AutoStart));
    EXPECT_EQ(m.dialog.HotkeyText(Hotkey::Toggle), "T");
    EXPECT_EQ(m.dialog.SpinField(Spin::PeriodicMinutes).Text(), "4");
    EXPECT_EQ(m.dialog.ColourIndex(), std::optional<std::size_t>(0));
    EXPECT_EQ(m.dialog.Music(), "");
    EXPECT_EQ(m.log.Entries(), std::vector<std::string>{});
}

TEST(MoreOptionsTest, BrowseTakesAPickedFileAndIgnoresACancel) {
    Machine m(WindowsFamily::WinXP);
    m.files.AddFile("C:\\old.wav");
    m.registry.PutText(RootKey::CurrentUser, kKey, "Music", "C:\\old.wav");
    m.Show();
    m.dialog.Browse(std::nullopt);
    EXPECT_EQ(m.dialog.Music(), "C:\\old.wav");
    m.dialog.Browse(std::string("D:\\Sounds\\new.wav"));
    EXPECT_EQ(m.dialog.Music(), "D:\\Sounds\\new.wav");
    ASSERT_TRUE(m.Ok());
    EXPECT_EQ(m.StoredText("Music"), "D:\\Sounds\\new.wav");
}

TEST(MoreOptionsTest, OkWritesEverythingBeforeTheEngineIsTold) {
    Machine m(WindowsFamily::WinXP);
    m.Show();
    ASSERT_TRUE(m.Ok());
    const auto& entries = m.log.Entries();
    ASSERT_FALSE(entries.empty());
    EXPECT_EQ(entries.back(), kReload);
    EXPECT_EQ(std::count(entries.begin(), entries.end(), kReload), 1);
    EXPECT_LT(m.log.IndexOf("Set HKCU\\Software\\Talvane\\Hotkey2"), m.log.IndexOf(kReload));
    EXPECT_LT(m.log.IndexOf("Set HKLM\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run\\Talvane Professional"),
              m.log.IndexOf(kReload));
    EXPECT_EQ(m.registry.OpenHandles(), 0);
}

TEST(MoreOptionsTest, AFailedWriteIsToldNotPassedOffAsSaved) {
    Machine m(WindowsFamily::WinXP);
    m.registry.FailValueWrite(RootKey::CurrentUser, kKey, "Hotkey1", platform::kErrorAccessDenied);
    m.Show();
    EXPECT_FALSE(m.Ok());
    ASSERT_EQ(m.prompts.shown.size(), 1u);
    EXPECT_EQ(m.prompts.shown[0].caption, "Information");
    EXPECT_NE(m.prompts.shown[0].text.find("Hotkey1"), std::string::npos) << m.prompts.shown[0].text;
    EXPECT_EQ(m.Stored("Hotkey2"), 0u) << "the other values are still written";
    EXPECT_EQ(m.log.Entries().back(), kReload) << "the engine re-reads what did arrive";
}

TEST(MoreOptionsTest, OkClosesTheDialogOnlyWhenEverythingWasSaved) {
    const struct {
        const char* name;
        bool writeFails;
        bool engineHung;
        bool closes;
        std::vector<const char*> told;
    } cases[] = {
        {"all saved", false, false, true, {}},
        {"a write failed", true, false, false, {"Hotkey1"}},
        {"the engine did not answer", false, true, true, {"did not confirm"}},
        {"both", true, true, false, {"Hotkey1", "did not confirm"}},
    };
    for (const auto& c : cases) {
        Machine m(WindowsFamily::WinXP);
        if (c.writeFails) {
            m.registry.FailValueWrite(RootKey::CurrentUser, kKey, "Hotkey1", platform::kErrorAccessDenied);
        }
        if (c.engineHung) {
            m.windows.hung.insert(7);
        }
        m.Show();
        m.dialog.Check(Box::PlaySound, true);
        EXPECT_EQ(m.Ok(), c.closes) << c.name;
        EXPECT_EQ(m.Stored("PlaySound"), 1u) << c.name;
        ASSERT_EQ(m.prompts.shown.size(), c.told.empty() ? 0u : 1u) << c.name;
        for (const char* words : c.told) {
            EXPECT_NE(m.prompts.shown[0].text.find(words), std::string::npos) << c.name << ": " << words;
        }
    }
}

// A user without administrator rights may read HKEY_LOCAL_MACHINE but not write it.
TEST(MoreOptionsTest, ARunEntryTheUserMayNotWriteIsWarnedOfOnceAndDoesNotKeepTheDialogOpen) {
    const std::string engine = "C:\\Program Files\\Talvane\\VELK_XP.exe";
    const struct {
        const char* name;
        bool autoStart;
        std::optional<std::string> entry;  // what the Run key holds already
        bool settingsWriteFails;
        bool closes;
        const char* told;  // nullptr: nothing
    } cases[] = {
        {"start wanted, no entry", true, std::nullopt, false, true, "could not be set to start with Windows"},
        {"start wanted, entry in place", true, engine, false, true, nullptr},
        {"no start wanted, entry there", false, engine, false, true, "could not be kept from starting"},
        {"a setting failed as well", true, std::nullopt, true, false, "Hotkey1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Machine m(WindowsFamily::WinXP);
        if (c.entry) {
            m.registry.PutText(RootKey::LocalMachine, kRun, "Talvane Professional", *c.entry);
        }
        m.registry.ProtectRoot(RootKey::LocalMachine);
        if (c.settingsWriteFails) {
            m.registry.FailValueWrite(RootKey::CurrentUser, kKey, "Hotkey1", platform::kErrorAccessDenied);
        }
        m.Show();
        m.dialog.Check(Box::AutoStart, c.autoStart);
        m.dialog.Check(Box::PlaySound, true);
        EXPECT_EQ(m.Ok(), c.closes);
        EXPECT_EQ(m.Stored("AutoStart"), c.autoStart ? 1u : 0u) << "the user's own settings are saved";
        EXPECT_EQ(m.Stored("PlaySound"), 1u);
        ASSERT_EQ(m.prompts.shown.size(), c.told != nullptr ? 1u : 0u);
        if (c.told != nullptr) {
            EXPECT_NE(m.prompts.shown[0].text.find(c.told), std::string::npos) << m.prompts.shown[0].text;
        }
        EXPECT_EQ(m.log.Entries().back(), kReload);
        m.prompts.shown.clear();
        if (c.closes) {
            m.Ok();
            EXPECT_TRUE(m.prompts.shown.empty()) << "the same warning again in the same run";
        }
    }
}

TEST(MoreOptionsTest, WithoutAnEngineOkStillSaves) {
    Machine m(WindowsFamily::WinXP);
    m.windows.windows.clear();
    m.Store("PlaySound", 0);
    m.Show();
    m.dialog.Check(Box::PlaySound, true);
    EXPECT_TRUE(m.Ok());
    EXPECT_EQ(m.Stored("PlaySound"), 1u);
    EXPECT_TRUE(m.windows.messages.empty());
}

TEST(MoreOptionsTest, CpuGaugeHoldsAPercentAndItsLabelFollows) {
    const struct {
        int percent;
        int position;
        const char* label;
    } cases[] = {{0, 0, "0 %"}, {42, 42, "42 %"}, {100, 100, "100 %"}, {150, 100, "100 %"}, {-3, 0, "0 %"}};
    MoreOptions dialog(WindowsFamily::WinXP);
    for (const auto& c : cases) {
        dialog.SetCpuUsage(c.percent);
        EXPECT_EQ(dialog.CpuPosition(), c.position) << c.percent;
        EXPECT_EQ(dialog.CpuLabel(), c.label) << c.percent;
    }
}

TEST(MoreOptionsTest, FileDialogFilterSeparatesWithNulsAndEndsWithTwo) {
    using namespace std::string_literals;
    EXPECT_EQ(FileDialogFilter(TextTable::Text(74)), "Microsoft Waveform Audio (*.WAV)\0*.wav\0\0"s);
    EXPECT_EQ(FileDialogFilter("A|*.a|B|*.b"), "A\0*.a\0B\0*.b\0\0"s);
}

bool Overlap(const ControlRow& a, const ControlRow& b) {
    return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;
}

bool IsField(ControlKind kind) {
    return kind == ControlKind::SpinEdit || kind == ControlKind::Edit || kind == ControlKind::ReadOnlyEdit ||
           kind == ControlKind::ComboList || kind == ControlKind::ColourList || kind == ControlKind::FlatButton;
}

TEST(MoreOptionsFormTest, ControlsLieInsideTheirPanelsWithUniqueIds) {
    const FormTable& form = MoreOptionsForm();
    EXPECT_EQ(form.clientWidth, 472);
    EXPECT_EQ(form.clientHeight, 353);
    std::map<int, const ControlRow*> seen;
    for (const ControlRow& control : form.controls) {
        EXPECT_TRUE(seen.emplace(control.id, &control).second) << "duplicate id " << control.id;
        EXPECT_TRUE(control.id >= 4000 && control.id < 4100) << control.id << " leaves room for the arrows' IDs";
        int width = form.clientWidth;
        int height = form.clientHeight;
        if (control.parent != 0) {
            const auto parent = seen.find(control.parent);
            ASSERT_NE(parent, seen.end()) << control.id << " comes before its parent";
            EXPECT_EQ(parent->second->kind, ControlKind::Panel) << control.id;
            width = parent->second->width;
            height = parent->second->height;
        }
        EXPECT_GE(control.x, 0) << control.id;
        EXPECT_GE(control.y, 0) << control.id;
        EXPECT_LE(control.x + control.width, width) << control.id;
        EXPECT_LE(control.y + control.height, height) << control.id;
        if (control.textRow != kNoRow) {
            EXPECT_STRNE(TextTable::Row(control.textRow), "") << control.id;
        }
    }
}

// Earlier siblings are drawn on top: a field laid over a caption's gap must come before that caption.
TEST(MoreOptionsFormTest, FieldsOverCaptionsComeFirst) {
    const auto& controls = MoreOptionsForm().controls;
    int overlaps = 0;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        for (std::size_t j = 0; j < controls.size(); ++j) {
            const ControlRow& field = controls[i];
            const ControlRow& caption = controls[j];
            if (!IsField(field.kind) || IsField(caption.kind) || caption.kind == ControlKind::Panel ||
                field.parent != caption.parent || !Overlap(field, caption)) {
                continue;
            }
            ++overlaps;
            EXPECT_LT(i, j) << field.id << " lies over " << caption.id;
        }
    }
    EXPECT_GE(overlaps, 10) << "the spin fields sit in their captions' gaps";
}

}  // namespace
}  // namespace talvane
