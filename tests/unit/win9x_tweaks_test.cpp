#include "tweaks/win9x_tweaks.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/fake_files.h"
#include "fakes/fake_registry.h"

namespace talvane {
namespace {

using platform::RootKey;

constexpr const char* kIni = "C:\\WINDOWS\\SYSTEM.INI";
constexpr const char* kFileSystem = "SYSTEM\\CurrentControlSet\\Control\\FileSystem";
constexpr const char* kTemplates = "Software\\Microsoft\\Windows\\CurrentVersion\\FS Templates";

struct Machine {
    fakes::FakeFiles files;
    fakes::FakeRegistry registry;
    SaveReport report;

    // The marks as "10110", in the order of the boxes.
    std::string Read(std::uint32_t totalPhysMB, Win9xTweaks tweaks = {}) {
        ReadWin9xTweaks(files, registry, kIni, totalPhysMB, tweaks);
        std::string marks;
        for (std::size_t i = 0; i < kWin9xTweakCount; ++i) {
            marks += tweaks.Checked(static_cast<Win9xTweak>(i)) ? '1' : '0';
        }
        return marks;
    }
    void Write(std::uint32_t totalPhysMB, const Win9xTweaks& tweaks) {
        WriteWin9xTweaks(files, registry, kIni, totalPhysMB, tweaks, report);
    }
    std::string Ini(const char* section, const char* key) const {
        return files.ProfileString(kIni, section, key).value_or("<none>");
    }
    std::string Vcache() const {
        return Ini("vcache", "MinFileCache") + "/" + Ini("vcache", "MaxFileCache") + "/" + Ini("vcache", "CHUNKSIZE");
    }
    void PutVcache(const char* max, const char* chunk) {
        files.PutProfileString(kIni, "vcache", "MaxFileCache", max);
        files.PutProfileString(kIni, "vcache", "CHUNKSIZE", chunk);
    }
};

Win9xTweaks AllChecked() {
    Win9xTweaks tweaks;
    tweaks.PressRecommended();
    tweaks.SetChecked(Win9xTweak::RamFirst, true);
    return tweaks;
}

TEST(Win9xTweaks, CacheFigureRoundsHalvesToEven) {
    const std::vector<std::pair<std::uint32_t, std::uint32_t>> cases = {
        {32, 2}, {40, 2}, {56, 4}, {60, 4}, {64, 8}, {84, 10}, {92, 12}, {128, 32}, {260, 65}};
    for (const auto& [memory, figure] : cases) {
        EXPECT_EQ(CacheFigure(memory), figure) << memory << " MB";
    }
}

TEST(Win9xTweaks, ReadChecksWhatTheStoresHold) {
    Machine empty;
    EXPECT_EQ(empty.Read(128), "00000");

    Machine otherTool;  // a disk cache sized by another program is not ours
    otherTool.files.PutProfileString(kIni, "vcache", "MinFileCache", "0");
    otherTool.PutVcache("32768", "16");
    EXPECT_EQ(otherTool.Read(128), "00000");

    Machine tuned;  // a missing MinFileCache reads as "0"
    tuned.PutVcache("32", "16");
    tuned.registry.PutText(RootKey::LocalMachine, kTemplates, "", "Server");
    tuned.files.PutProfileString(kIni, "386Enh", "PageBuffers", "32");
    tuned.registry.PutNumber(RootKey::LocalMachine, kFileSystem, "ContigFileAllocSize", 512);
    tuned.files.PutProfileString(kIni, "386Enh", "ConservativeSwapfileUsage", "1");
    EXPECT_EQ(tuned.Read(128), "11111");
    EXPECT_EQ(tuned.Read(64), "01111") << "the figure follows the memory";

    Win9xTweaks marked;
    marked.SetChecked(Win9xTweak::DiskBuffers, true);
    EXPECT_EQ(empty.Read(128, marked), "00100") << "reading never clears a mark";
}

TEST(Win9xTweaks, WriteLeavesEachTweakOnOrOff) {
    Machine m;
    m.files.PutProfileString(kIni, "386Enh", "PageBuffers", "32");
    m.registry.PutNumber(RootKey::LocalMachine, kFileSystem, "ContigFileAllocSize", 512);
    m.registry.PutText(RootKey::LocalMachine, kTemplates, "", "Server");
    m.PutVcache("32768", "512");
    m.Write(128, Win9xTweaks{});
    EXPECT_TRUE(m.report.Empty()) << m.report.Message();
    EXPECT_EQ(m.Ini("386Enh", "PageBuffers"), "<none>");
    EXPECT_FALSE(m.registry.Get(RootKey::LocalMachine, kFileSystem, "ContigFileAllocSize"));
    EXPECT_EQ(m.Ini("386Enh", "ConservativeSwapfileUsage"), "0");
    EXPECT_EQ(m.Vcache(), "0/0/0");
    const auto desktop = m.registry.Get(RootKey::LocalMachine, kTemplates, "");
    ASSERT_TRUE(desktop);
    EXPECT_EQ(std::string(desktop->data.begin(), desktop->data.end()), "Desktop");

    Win9xTweaks cache;
    cache.SetChecked(Win9xTweak::DiskCache, true);
    m.Write(128, cache);
    EXPECT_EQ(m.Vcache(), "0/32/16");
    EXPECT_EQ(m.Read(128), "10000");
}

TEST(Win9xTweaks, RecommendedAndDefaultChangeOnlyWhatDiffers) {
    Win9xTweaks tweaks = AllChecked();
    EXPECT_TRUE(tweaks.PressRecommended());
    EXPECT_FALSE(tweaks.Checked(Win9xTweak::RamFirst));
    EXPECT_TRUE(tweaks.Checked(Win9xTweak::DiskCache) && tweaks.Checked(Win9xTweak::ContiguousAllocation));
    EXPECT_FALSE(tweaks.PressRecommended());
    EXPECT_TRUE(tweaks.PressDefault());
    EXPECT_FALSE(tweaks.PressDefault());
    EXPECT_FALSE(tweaks.Checked(Win9xTweak::FileCache));
}

TEST(Win9xTweaks, UnwritableSystemIniStopsTheSave) {
    Machine m;
    m.registry.AddKey(RootKey::LocalMachine, kFileSystem);
    m.files.FailPath(kIni, 5);
    m.Write(128, AllChecked());
    EXPECT_TRUE(m.report.Stopped());
    EXPECT_EQ(m.report.Message(), std::string("Unable to write to ") + kIni);
    EXPECT_FALSE(m.registry.Get(RootKey::LocalMachine, kFileSystem, "ContigFileAllocSize"));
    EXPECT_EQ(m.files.profileWrites, 0);
}

TEST(Win9xTweaks, RegistryFailuresAreReported) {
    struct Case {
        const char* name;
        bool keys;
        bool protect;
        bool checked;
        std::vector<std::string> failing;
    };
    const std::vector<Case> cases = {
        {"no administrator rights", true, true, true, {"ContigFileAllocSize", "FS Templates"}},
        {"keys missing, tweaks on", false, false, true, {"ContigFileAllocSize", "FS Templates"}},
        {"keys missing, tweaks off", false, false, false, {}},
    };
    for (const Case& c : cases) {
        Machine m;
        if (c.keys) {
            m.registry.AddKey(RootKey::LocalMachine, kFileSystem);
            m.registry.AddKey(RootKey::LocalMachine, kTemplates);
        }
        if (c.protect) {
            m.registry.ProtectRoot(RootKey::LocalMachine);
        }
        m.Write(128, c.checked ? AllChecked() : Win9xTweaks{});
        std::vector<std::string> failing;
        for (const SaveFailure& failure : m.report.Failures()) {
            failing.push_back(failure.what);
            EXPECT_TRUE(failure.machineWide) << c.name;
        }
        EXPECT_EQ(failing, c.failing) << c.name;
        EXPECT_FALSE(m.report.Stopped()) << c.name;
        EXPECT_EQ(m.Ini("vcache", "CHUNKSIZE"), c.checked ? "16" : "0")
            << c.name << ": SYSTEM.INI is written all the same";
    }
}

}  // namespace
}  // namespace talvane
