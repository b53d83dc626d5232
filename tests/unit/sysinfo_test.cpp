#include <gtest/gtest.h>

#include "fakes/fake_platform.h"
#include "fakes/fake_processes.h"
#include "fakes/fake_registry.h"
#include "sysinfo/process_list.h"
#include "sysinfo/system_facts.h"

namespace talvane {
namespace {

using platform::kPlatformWin32Nt;
using platform::kPlatformWin32Windows;
using platform::RootKey;

TEST(ProcessListTest, PriorityAndMemoryTextsAtTheirEdges) {
    EXPECT_EQ(PriorityClassText(0), "n/a") << "a failed read";
    EXPECT_EQ(PriorityClassText(0x8000), "Above Normal");
    EXPECT_EQ(PriorityClassText(0x41), "n/a");
    const struct {
        std::int32_t base;
        const char* text;
    } bases[] = {{5, "Idle"},          {6, "Below Normal"}, {8, "Normal"}, {9, "Normal"},     {10, "Above Normal"},
                 {12, "Above Normal"}, {13, "High"},        {23, "High"},  {24, "Real Time"}, {-1, "Real Time"}};
    for (const auto& c : bases) {
        EXPECT_EQ(BasePriorityText(c.base), c.text) << c.base;
    }
    EXPECT_EQ(WorkingSetText(1536u * 1024u), "1536 KB");
    EXPECT_EQ(WorkingSetText(1023u), "0 KB");
    EXPECT_EQ(WorkingSetText(std::nullopt), "Unknown");
}

TEST(ProcessListTest, NtListsOnlyWhatItCanOpenAndNamesEveryRow) {
    fakes::FakeProcesses processes;
    processes.snapshot = std::vector<platform::ProcessEntry>{
        {8, 3, 8, "explorer.exe"}, {12, 1, 8, "refused.exe"}, {16, 2, 8, "noclass.exe"}, {4, 5, 13, "tool64.exe"}};
    processes.facts[8] = {0x20, 2048u * 1024u, "C:\\WINDOWS\\explorer.exe"};
    processes.facts[16] = {0, 1024u, "C:\\noclass.exe"};
    processes.facts[4] = {0x80, std::nullopt, ""};
    const auto rows = EnumerateProcesses(processes, WindowsFamily::WinXP);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].application, "C:\\WINDOWS\\explorer.exe");
    EXPECT_EQ(rows[0].memory, "2048 KB");
    EXPECT_EQ(rows[0].threads, 3u);
    EXPECT_EQ(rows[1].application, "tool64.exe") << "an unreadable module keeps the snapshot's name";
    EXPECT_EQ(rows[1].iconSource, "tool64.exe");
    EXPECT_EQ(rows[1].priority, "High");
    EXPECT_EQ(rows[1].memory, "Unknown");

    processes.snapshot = std::vector<platform::ProcessEntry>{{8, 3, 4, "C:\\WINDOWS\\EXPLORER.EXE"}};
    const auto nine = EnumerateProcesses(processes, WindowsFamily::Win98);
    ASSERT_EQ(nine.size(), 1u);
    EXPECT_EQ(nine[0].application, "EXPLORER.EXE");
    EXPECT_EQ(nine[0].iconSource, "C:\\WINDOWS\\EXPLORER.EXE");
    EXPECT_EQ(nine[0].priority, "Idle");
    EXPECT_TRUE(EnumerateProcesses(processes, WindowsFamily::NT4).empty());
    EXPECT_TRUE(EnumerateProcesses(processes, WindowsFamily::Unsupported).empty());
    processes.snapshot.reset();
    EXPECT_TRUE(EnumerateProcesses(processes, WindowsFamily::WinXP).empty());
}

TEST(ProcessListTest, KillAsksPerFamilyAndSaysWhenItCannot) {
    using platform::Answer;
    const std::string ask = "Do you want to Terminate \"a.exe\"?";
    const std::string warning = "\nIt''s possible the system becames instable or out of\ncontrol......";
    const std::string cannot = "Cannot terminate \"a.exe\"";
    const struct {
        WindowsFamily family;
        const char* id;
        bool running;
        Answer answer;
        std::vector<std::string> prompts;
        bool ended;
    } cases[] = {
        {WindowsFamily::WinXP, "8", true, Answer::Yes, {ask}, true},
        {WindowsFamily::WinMe, "8", true, Answer::Yes, {ask + warning}, true},
        {WindowsFamily::WinXP, "8", true, Answer::No, {ask}, false},
        {WindowsFamily::WinXP, "8", false, Answer::Yes, {ask, cannot}, false},
        {WindowsFamily::WinXP, "8x", true, Answer::Yes, {cannot}, false},
        {WindowsFamily::NT4, "8", true, Answer::Yes, {}, false},
    };
    for (const auto& c : cases) {
        fakes::FakeProcesses processes;
        if (c.running) {
            processes.facts[8] = {};
        }
        fakes::FakePrompts prompts;
        prompts.answers.push_back(c.answer);
        EXPECT_EQ(KillProcess(processes, prompts, 1, c.family, "a.exe", c.id), c.ended) << c.id;
        std::vector<std::string> shown;
        for (const auto& prompt : prompts.shown) {
            shown.push_back(prompt.text);
        }
        EXPECT_EQ(shown, c.prompts) << c.id;
        EXPECT_EQ(processes.terminated.count(8) != 0, c.ended);
    }
    EXPECT_EQ(ProcessIdFromText("4294967295"), 4294967295u);
    for (const char* bad : {"", "-1", "4294967296", " 1"}) {
        EXPECT_FALSE(ProcessIdFromText(bad)) << bad;
    }
}

TEST(SystemFactsTest, VersionAndBuildTextsForEveryWindows) {
    const struct {
        platform::OsVersion version;
        const char* text;
        const char* build;
    } cases[] = {
        {{kPlatformWin32Windows, 4, 0, 950, ""}, "Windows 95 4.0", "950"},
        {{kPlatformWin32Windows, 4, 10, 0x040A08AE, " A "}, "Windows 98 4.10", "2222"},
        {{kPlatformWin32Windows, 4, 90, 3000, ""}, "Windows Me 4.90", "3000"},
        {{kPlatformWin32Nt, 4, 0, 1381, "Service Pack 6"}, "Windows NT 4.0", "1381"},
        {{kPlatformWin32Nt, 5, 0, 2195, "Service Pack 4"}, "Windows 2000  (Service Pack 4)", "2195"},
        {{kPlatformWin32Nt, 5, 1, 2600, ""}, "Windows XP", "2600"},
        {{kPlatformWin32Nt, 5, 2, 3790, "Service Pack 2"}, "Windows XP  (Service Pack 2)", "3790"},
        {{kPlatformWin32Nt, 6, 1, 7601, "Service Pack 1"}, "Windows 7  (Service Pack 1)", "7601"},
        {{kPlatformWin32Nt, 6, 3, 9600, ""}, "Windows 8.1", "9600"},
        {{kPlatformWin32Nt, 10, 0, 19045, ""}, "Windows 10", "19045"},
        {{kPlatformWin32Nt, 10, 0, 22631, ""}, "Windows 11", "22631"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(WindowsVersionText(c.version), c.text);
        EXPECT_EQ(WindowsBuildText(c.version), c.build) << c.text;
    }
    const struct {
        const char* version;
        const char* text;
    } directX[] = {{"4.09.00.0904", "9.0"}, {"4.08.01.0881", "8.1"}, {"4.09", "9.0"}, {"x.y.z", "0.0"}, {"", "0.0"},
                   {"4.9a.1", "0.1"}};
    for (const auto& c : directX) {
        EXPECT_EQ(DirectXText(c.version), c.text) << c.version;
    }
}

TEST(SystemFactsTest, BrowserRowComesAndGoesWithItsKeyAndMovesTheUptimeRow) {
    fakes::FakeSystem system;
    fakes::FakeRegistry registry;
    const std::string owner = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";
    registry.PutText(RootKey::LocalMachine, owner, "RegisteredOwner", "Ana");
    registry.PutText(RootKey::LocalMachine, "Software\\Microsoft\\Internet Explorer", "Version", "6.0.2900.2180");
    StartupFacts facts;
    const SystemFacts with = GatherSystemFacts(system, registry, facts, 90061000);
    ASSERT_EQ(with.rows.size(), 15u);
    EXPECT_EQ(with.uptimeRow, 12);
    EXPECT_EQ(with.rows[12].value, "1 days, 1 hours, 1 minutes, 1 seconds");
    EXPECT_EQ(with.rows[9].value, "6.0.2900.2180");
    EXPECT_EQ(with.rows[8].value, "0.0") << "no DirectX key";
    EXPECT_EQ(with.rows[13].value, "Ana");
    EXPECT_EQ(with.rows[14].value, "") << "no organization";

    // 98 and Me keep them under the Windows key.
    registry.PutText(RootKey::LocalMachine, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion", "RegisteredOrganization",
                     "Talvane Club");
    registry.PutText(RootKey::LocalMachine, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion", "RegisteredOwner", "Bo");
    const SystemFacts nine = GatherSystemFacts(system, registry, facts, 0);
    EXPECT_EQ(nine.rows[13].value, "Ana") << "the NT key comes first";
    EXPECT_EQ(nine.rows[14].value, "Talvane Club");

    fakes::FakeRegistry bare;
    const SystemFacts without = GatherSystemFacts(system, bare, facts, 0);
    EXPECT_EQ(without.rows.size(), 14u);
    EXPECT_EQ(without.uptimeRow, 11);
    EXPECT_EQ(bare.OpenHandles(), 0);
}

}  // namespace
}  // namespace talvane
