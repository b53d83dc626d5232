// The status timer seen from outside: the graph scrolls, the free-RAM line and the CPU gauge follow the machine.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <string>
#include <vector>

#include "control_ids.h"
#include "driver/gui_driver.h"
#include "gui_fixture.h"

namespace talvane::gui_test {
namespace {

namespace driver = wine_driver;

std::uint64_t AvailableMB() {
    MEMORYSTATUSEX status{};
    status.dwLength = sizeof(status);
    GlobalMemoryStatusEx(&status);
    return status.ullAvailPhys >> 20;
}

// "N %" with N a whole number, or -1.
int Percent(const std::string& text) {
    if (text.size() < 3 || text.compare(text.size() - 2, 2, " %") != 0) {
        return -1;
    }
    const std::string number = text.substr(0, text.size() - 2);
    if (number.find_first_not_of("0123456789") != std::string::npos) {
        return -1;
    }
    return std::atoi(number.c_str());
}

// Keeps one processor busy until told to stop.
DWORD WINAPI Burn(void* stop) {
    volatile unsigned long long n = 0;
    while (!static_cast<std::atomic<bool>*>(stop)->load()) {
        n = n + 1;
    }
    return 0;
}

class StatusTimer : public StartedTalvaneTest {};

TEST_F(StatusTimer, GraphScrollsWhenTheMemoryLoadChanges) {
    HWND graph = app_->Control(IDC_FORM1_GRAPH);
    ASSERT_NE(graph, nullptr);
    // The first paint of the freshly shown window may still be on its way.
    app_->Proc().WaitForIdle(3000);
    Sleep(500);
    const auto before = driver::CaptureClient(graph);
    EXPECT_GT(before.Count(RGB(0, 255, 0)), 0u) << "no green line";
    EXPECT_GT(before.Count(RGB(255, 255, 255)), 0u) << "no white middle line";
    EXPECT_GT(before.Count(RGB(0, 0, 255)), 0u) << "no blue grid";

    // Take and touch memory, so the machine's memory load moves; pieces, since a 32-bit address space is tight.
    constexpr SIZE_T kPiece = SIZE_T{64} << 20;
    std::vector<void*> pieces;
    for (int i = 0; i < 16; ++i) {
        void* piece = VirtualAlloc(nullptr, kPiece, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
        if (piece == nullptr) {
            break;
        }
        for (SIZE_T offset = 0; offset < kPiece; offset += 4096) {
            static_cast<volatile char*>(piece)[offset] = 1;
        }
        pieces.push_back(piece);
    }
    ASSERT_GE(pieces.size(), 8u) << "could not take enough memory to move the load";
    Sleep(3000);
    const auto after = driver::CaptureClient(graph);
    for (void* piece : pieces) {
        VirtualFree(piece, 0, MEM_RELEASE);
    }
    EXPECT_NE(before, after) << "the graph did not change in three seconds";
    SaveScreenshot(app_->Main(), "graph");
}

TEST_F(StatusTimer, FreeRamLineFollowsAvailableMemory) {
    const std::string prefix = "Free RAM: ";
    // Other programs take and free memory meanwhile: the line must lie within what the machine had during the
    // second in which it was last refreshed, watched closely, with a little room for rounding.
    long long shown = -1;
    long long low = 0;
    long long high = 0;
    for (int attempt = 0; attempt < 5; ++attempt) {
        low = high = static_cast<long long>(AvailableMB());
        for (DWORD start = GetTickCount(); GetTickCount() - start < 1100;) {  // at least one tick
            const auto now = static_cast<long long>(AvailableMB());
            low = std::min(low, now);
            high = std::max(high, now);
            Sleep(10);
        }
        const std::string line = Text(IDC_FORM1_LABEL15);
        ASSERT_EQ(line.rfind(prefix, 0), 0u) << line;
        ASSERT_GE(line.size(), prefix.size() + 3);
        ASSERT_EQ(line.substr(line.size() - 3), " MB") << line;
        shown = std::atoll(line.substr(prefix.size(), line.size() - prefix.size() - 3).c_str());
        if (shown >= low - 16 && shown <= high + 16) {
            break;
        }
    }
    EXPECT_TRUE(shown >= low - 16 && shown <= high + 16)
        << "shown " << shown << " MB, available " << low << " to " << high << " MB";
}

TEST_F(StatusTimer, CpuGaugeRisesUnderLoad) {
    // The gauge is seen in the More Options dialog, which is made when first opened.
    ASSERT_TRUE(driver::PostClick(Control(IDC_FORM1_SPEEDBUTTON3)));
    HWND dialog = driver::WaitForTopLevelWindow({app_->Proc().Id(), "TForm4", nullptr, true}, kReactMs);
    ASSERT_NE(dialog, nullptr) << "More Options did not open";
    const HWND label = driver::FindControl(dialog, IDC_FORM4_LABEL20);
    const HWND gauge = driver::FindControl(dialog, IDC_FORM4_PROGRESSBAR1);
    ASSERT_NE(label, nullptr);
    ASSERT_NE(gauge, nullptr);
    const auto closeDialog = [&] {
        EXPECT_TRUE(driver::PostClick(driver::FindControl(dialog, IDC_FORM4_SPEEDBUTTON23)));
        EXPECT_TRUE(driver::WaitUntil([&] { return !IsWindowVisible(dialog); }, kReactMs));
    };

    Sleep(2500);
    const int idle = Percent(driver::ReadText(label).value_or(""));
    ASSERT_GE(idle, 0) << "label reads '" << driver::ReadText(label).value_or("") << "'";
    if (FamilyOfMode(Config().mode) != WindowsFamily::kNt) {
        closeDialog();
        GTEST_SKIP() << "Wine has no dynamic statistics for the 9x reader; it shows " << idle << " %";
    }

    SYSTEM_INFO system{};
    GetSystemInfo(&system);
    std::atomic<bool> stop{false};
    std::vector<HANDLE> burners;
    for (DWORD i = 0; i < std::max<DWORD>(2, system.dwNumberOfProcessors); ++i) {
        burners.push_back(CreateThread(nullptr, 0, &Burn, &stop, 0, nullptr));
        ASSERT_NE(burners.back(), nullptr);
    }
    int busiest = -1;
    int busiestGauge = -1;
    driver::WaitUntil(
        [&] {
            busiest = std::max(busiest, Percent(driver::ReadText(label).value_or("")));
            busiestGauge = std::max(busiestGauge, driver::ReadProgressPos(gauge).value_or(-1));
            return busiest >= 50 && busiestGauge >= 50;
        },
        6000);
    stop = true;
    for (HANDLE burner : burners) {
        WaitForSingleObject(burner, INFINITE);
        CloseHandle(burner);
    }
    // Other tests may load the machine already, so the reading before is only reported.
    EXPECT_GE(busiest, 50) << "before the load " << idle << " %";
    EXPECT_GE(busiestGauge, 50) << "the gauge did not follow its label";
    closeDialog();
}

}  // namespace
}  // namespace talvane::gui_test
