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
constexpr const char* kFileSystem = R"(SYSTEM\CurrentControlSet\Control\FileSystem)";
constexpr const char* kTemplates = R"(Software\Microsoft\Windows\CurrentVersion\FS Templates)";

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
    void Write(const Win9xTweaks& tweaks) { WriteWin9xTweaks(files, registry, kIni, 128, tweaks, report); }
    void Put(const char* section, const char* key, const char* value) {
        files.PutProfileString(kIni, section, key, value);
    }
    std::string Ini(const char* section, const char* key) const {
        return files.ProfileString(kIni, section, key).value_or("<none>");
    }
    std::string Vcache() const {
        return Ini("vcache", "MinFileCache") + "/" + Ini("vcache", "MaxFileCache") + "/" + Ini("vcache", "CHUNKSIZE");
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
    Machine m;
    EXPECT_EQ(m.Read(128), "00000");
    m.Put("vcache", "MaxFileCache", "32768");  // sized by another tool
    m.Put("vcache", "CHUNKSIZE", "16");
    EXPECT_EQ(m.Read(128), "00000");
    m.Put("vcache", "MaxFileCache", "32");  // a missing MinFileCache reads as "0"
    m.registry.PutText(RootKey::LocalMachine, kTemplates, "", "Server");
    m.Put("386Enh", "PageBuffers", "32");
    m.registry.PutNumber(RootKey::LocalMachine, kFileSystem, "ContigFileAllocSize", 512);
    m.Put("386Enh", "ConservativeSwapfileUsage", "1");
    EXPECT_EQ(m.Read(128), "11111");
    EXPECT_EQ(m.Read(64), "01111") << "the figure follows the memory";

    Win9xTweaks marked;
    marked.SetChecked(Win9xTweak::DiskCache, true);
    EXPECT_EQ(Machine().Read(128, marked), "10000") << "reading never clears a mark";
}

TEST(Win9xTweaks, WriteLeavesEachTweakOnOrOff) {
    Machine m;
    m.Put("386Enh", "PageBuffers", "32");
    m.registry.PutNumber(RootKey::LocalMachine, kFileSystem, "ContigFileAllocSize", 512);
    m.registry.PutText(RootKey::LocalMachine, kTemplates, "", "Server");
    m.Put("vcache", "MaxFileCache", "32768");
    m.Write(Win9xTweaks{});
    EXPECT_TRUE(m.report.Empty()) << m.report.Message();
    EXPECT_EQ(m.Ini("386Enh", "PageBuffers"), "<none>");
    EXPECT_FALSE(m.registry.Get(RootKey::LocalMachine, kFileSystem, "ContigFileAllocSize"));
    EXPECT_EQ(m.Vcache(), "0/0/0");

    Win9xTweaks cache;
    cache.SetChecked(Win9xTweak::DiskCache, true);
    m.Write(cache);
    EXPECT_EQ(m.Vcache(), "0/32/16");
    EXPECT_EQ(m.Read(128), "10000");
}

TEST(Win9xTweaks, UnwritableSystemIniStopsTheSave) {
    Machine m;
    m.registry.AddKey(RootKey::LocalMachine, kFileSystem);
    m.files.FailPath(kIni, 5);
    m.Write(AllChecked());
    EXPECT_EQ(m.report.Message(), std::string("Unable to write to ") + kIni);
    EXPECT_TRUE(m.report.Stopped());
    EXPECT_FALSE(m.registry.Get(RootKey::LocalMachine, kFileSystem, "ContigFileAllocSize"));
}

TEST(Win9xTweaks, RegistryFailuresAreReported) {
    Machine m;
    m.registry.AddKey(RootKey::LocalMachine, kFileSystem);
    m.registry.AddKey(RootKey::LocalMachine, kTemplates);
    m.registry.ProtectRoot(RootKey::LocalMachine);
    m.Write(AllChecked());
    EXPECT_EQ(m.report.Message(),
              "These need administrator rights and were left as they are: \"ContigFileAllocSize\", \"FS Templates\".");
    EXPECT_EQ(m.Ini("vcache", "CHUNKSIZE"), "16") << "SYSTEM.INI is written all the same";

    Machine bare;  // no keys: an unset tweak has nothing to take away
    bare.Write(Win9xTweaks{});
    EXPECT_TRUE(bare.report.Empty()) << bare.report.Message();
}

}  // namespace
}  // namespace talvane
