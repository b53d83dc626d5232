#include "tweaks/nt_tweaks.h"

#include <gtest/gtest.h>

#include "fakes/fake_registry.h"

namespace talvane {
namespace {

using platform::RootKey;

constexpr const char* kDesktop = R"(Control Panel\Desktop)";
constexpr const char* kMemory = R"(SYSTEM\CurrentControlSet\Control\Session Manager\Memory Management)";
constexpr const char* kUnloadDll = R"(SOFTWARE\Microsoft\Windows\CurrentVersion\Explorer\AlwaysUnloadDLL)";

std::vector<bool> Marks(const NtTweaks& tweaks) {
    return std::vector<bool>(tweaks.checked.begin(), tweaks.checked.end());
}

std::uint32_t Stored(const fakes::FakeRegistry& registry, const char* name) {
    const auto value = registry.Get(RootKey::LocalMachine, kMemory, name);
    return value && value->data.size() == 4 ? value->data[0] | value->data[1] << 8 | value->data[2] << 16 : 0xDEAD;
}

TEST(NtTweaksTest, ReadingMarksWhatDiffersFromWindowsAndWritingKeepsIt) {
    fakes::FakeRegistry registry;
    NtTweaks empty;
    ReadNtTweaks(registry, empty);
    EXPECT_EQ(Marks(empty), std::vector<bool>(7, false));
    EXPECT_EQ(empty.timeouts[0].Text() + empty.timeouts[1].Text() + empty.timeouts[2].Text(), "20000200005000");
    EXPECT_EQ(empty.cacheEntry, kNoCacheEntry);

    registry.PutNumber(RootKey::LocalMachine, kMemory, "IOPageLockLimit", 1048576);
    registry.PutText(RootKey::CurrentUser, kDesktop, "HungAppTimeout", "10000");
    registry.PutText(RootKey::CurrentUser, kDesktop, "WaitToKillAppTimeout", "fast");
    NtTweaks tweaks;
    ReadNtTweaks(registry, tweaks);
    EXPECT_EQ(Marks(tweaks), (std::vector<bool>{false, false, true, true, false, true, false}));
    EXPECT_EQ(tweaks.cacheEntry, kNoCacheEntry) << "no list size holds 1 GB";
    EXPECT_EQ(tweaks.Timeout(NtTweak::HungAppTimeout).Text(), "5000");
    EXPECT_EQ(tweaks.Timeout(NtTweak::AppTimeout).Text(), "20000");
    SaveReport report;
    WriteNtTweaks(registry, tweaks, report);
    EXPECT_TRUE(report.Empty());
    EXPECT_EQ(Stored(registry, "IOPageLockLimit"), 1048576u);

    registry.PutNumber(RootKey::LocalMachine, kMemory, "IOPageLockLimit", 4096);
    NtTweaks small;
    ReadNtTweaks(registry, small);
    EXPECT_EQ(small.cacheEntry, 0);
    small.cacheEntry = 3;  // "32 MB"
    WriteNtTweaks(registry, small, report);
    EXPECT_EQ(Stored(registry, "IOPageLockLimit"), 32768u);
}

TEST(NtTweaksTest, RecommendedFollowsTheMemoryAndDefaultUndoesEverything) {
    const struct {
        std::uint32_t totalPhysMB;
        int entry;
        bool core;
        bool largeCache;
    } cases[] = {{64, 2, false, false}, {304, 5, true, false}, {1028, 6, true, true}};
    for (const auto& c : cases) {
        NtTweaks tweaks;
        tweaks.SetChecked(NtTweak::UnloadDlls, true);
        EXPECT_TRUE(RecommendNtTweaks(tweaks, c.totalPhysMB));
        EXPECT_EQ(tweaks.cacheEntry, c.entry) << c.totalPhysMB;
        EXPECT_EQ(tweaks.diskCacheLimit, kDiskCacheSizesMB[static_cast<std::size_t>(c.entry)] * 1024);
        EXPECT_EQ(Marks(tweaks), (std::vector<bool>{c.core, c.largeCache, true, true, true, true, true}));
        EXPECT_EQ(tweaks.timeouts[0].Text() + tweaks.timeouts[1].Text() + tweaks.timeouts[2].Text(), "500050002000");
        EXPECT_FALSE(RecommendNtTweaks(tweaks, c.totalPhysMB)) << "a second press changes nothing";

        EXPECT_TRUE(DefaultNtTweaks(tweaks));
        EXPECT_EQ(Marks(tweaks), std::vector<bool>(7, false));
        EXPECT_EQ(tweaks.diskCacheLimit, 0u);
        EXPECT_TRUE(tweaks.clearCacheText);
        EXPECT_EQ(tweaks.timeouts[0].Text() + tweaks.timeouts[1].Text() + tweaks.timeouts[2].Text(), "20000200005000");
        EXPECT_FALSE(DefaultNtTweaks(tweaks));
    }
}

TEST(NtTweaksTest, TheNoteTakesTweaksLeftAtTheirDefault) {
    NtTweaks tweaks;
    tweaks.SetChecked(NtTweak::AppTimeout, true);
    EXPECT_EQ(TakeUnchangedNtTweaks(tweaks),
              std::vector<std::string>{"Windows Tweak -> Change Application Time Out Value"});
    EXPECT_FALSE(tweaks.Checked(NtTweak::AppTimeout));
    EXPECT_EQ(NoteFirstLine(1), "Because you did not change the value for the option below,");

    tweaks.SetChecked(NtTweak::DiskCache, true);
    tweaks.SetChecked(NtTweak::HungAppTimeout, true);
    tweaks.SetChecked(NtTweak::ServiceTimeout, true);
    tweaks.Timeout(NtTweak::ServiceTimeout).Set(4000);
    EXPECT_EQ(TakeUnchangedNtTweaks(tweaks).size(), 2u) << "the changed service time-out stays";
    EXPECT_TRUE(tweaks.Checked(NtTweak::ServiceTimeout));
    EXPECT_EQ(NoteFirstLine(2), "Because you did not change the value for the options below,");
}

TEST(NtTweaksTest, TheUnloadKeyComesAndGoesAndOnlyNeededWritesCanFail) {
    fakes::FakeRegistry registry;
    for (const char* key : {kMemory, R"(SOFTWARE\Microsoft\Windows\CurrentVersion\Explorer)"}) {
        registry.AddKey(RootKey::LocalMachine, key);
    }
    registry.AddKey(RootKey::CurrentUser, kDesktop);
    NtTweaks tweaks;
    tweaks.SetChecked(NtTweak::UnloadDlls, true);
    SaveReport report;
    WriteNtTweaks(registry, tweaks, report);
    ASSERT_TRUE(registry.Get(RootKey::LocalMachine, kUnloadDll, ""));
    tweaks.SetChecked(NtTweak::UnloadDlls, false);
    WriteNtTweaks(registry, tweaks, report);
    EXPECT_FALSE(registry.HasKey(RootKey::LocalMachine, kUnloadDll));
    EXPECT_TRUE(report.Empty());

    // A user without rights over the machine: what is already stored as asked is no failure.
    registry.ProtectRoot(RootKey::LocalMachine);
    WriteNtTweaks(registry, tweaks, report);
    EXPECT_TRUE(report.Empty()) << report.Message();
    tweaks.SetChecked(NtTweak::CorePerformance, true);
    WriteNtTweaks(registry, tweaks, report);
    EXPECT_EQ(report.Message(),
              "These need administrator rights and were left as they are: \"DisablePagingExecutive\".");
    EXPECT_EQ(registry.OpenHandles(), 0);
}

}  // namespace
}  // namespace talvane
