// The process list's refill (UpdatePriority) under Wine, with N processes of its own running: once through the bare
// system calls and once through the product's enumeration, icon look-up and list filling, so the difference is our
// own work. Usage: process_list_bench.exe [PROCESSES] [RUNS]
#include "platform/win32/win.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <tlhelp32.h>

#include "platform/win32/handles.h"
#include "platform/win32/win32_platform.h"
#include "platform/win32/win32_processes.h"
#include "sysinfo/process_list.h"
#include "timing.h"
#include "ui/report_list.h"

// No PSAPI header: the bench looks the functions up as the product does.
namespace {

using talvane::bench::Median;
using talvane::bench::Now;

using talvane::win32::UniqueHandle;
using talvane::win32::UniqueIcon;

struct Split {
    double enumerate = 0;
    double icons = 0;
    double fill = 0;
    [[nodiscard]] double Total() const { return enumerate + icons + fill; }
};

struct Counters {
    DWORD cb;
    DWORD faults;
    SIZE_T sizes[8];
};
using EnumModulesFn = BOOL(WINAPI*)(HANDLE, HMODULE*, DWORD, DWORD*);
using MemoryInfoFn = BOOL(WINAPI*)(HANDLE, Counters*, DWORD);
using ModuleFileNameFn = DWORD(WINAPI*)(HANDLE, HMODULE, char*, DWORD);

struct BareRow {
    std::string name;
    DWORD id;
    DWORD priority;
    SIZE_T workingSet;
    DWORD threads;
};

// What any refill must ask the system: the snapshot, each process's facts, its icon, and the list's rows.
Split BareRefill(HMODULE psapi, HWND list, HIMAGELIST images) {
    const auto enumModules = talvane::win32::LookUp<EnumModulesFn>(psapi, "EnumProcessModules");
    const auto memoryInfo = talvane::win32::LookUp<MemoryInfoFn>(psapi, "GetProcessMemoryInfo");
    const auto moduleFileName = talvane::win32::LookUp<ModuleFileNameFn>(psapi, "GetModuleFileNameExA");
    Split split;
    double start = Now();
    std::vector<BareRow> rows;
    const talvane::win32::UniqueFileHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof(entry);
    for (BOOL more = Process32First(snapshot.Get(), &entry); more; more = Process32Next(snapshot.Get(), &entry)) {
        const UniqueHandle process(OpenProcess(0x1F0FFF, FALSE, entry.th32ProcessID));
        if (!process) {
            continue;
        }
        HMODULE modules[1] = {};
        DWORD needed = 0;
        enumModules(process.Get(), modules, sizeof(modules), &needed);
        Counters counters{};
        counters.cb = sizeof(counters);
        memoryInfo(process.Get(), &counters, sizeof(counters));
        char name[301] = {};
        moduleFileName(process.Get(), modules[0], name, sizeof(name));
        rows.push_back(
            {name, entry.th32ProcessID, GetPriorityClass(process.Get()), counters.sizes[1], entry.cntThreads});
    }
    split.enumerate = Now() - start;

    start = Now();
    std::vector<int> images_of(rows.size(), -1);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        HICON small = nullptr;
        const UINT extracted = ExtractIconExA(rows[i].name.c_str(), 0, nullptr, &small, 1);
        if (extracted != 0 && extracted != UINT_MAX && small != nullptr) {
            const UniqueIcon icon(small);
            images_of[i] = ImageList_AddIcon(images, icon.Get());
        }
    }
    split.icons = Now() - start;

    start = Now();
    char text[32];
    for (std::size_t i = 0; i < rows.size(); ++i) {
        LVITEMA item{};
        item.mask = LVIF_TEXT | LVIF_IMAGE;
        item.iItem = static_cast<int>(i);
        item.pszText = rows[i].name.data();
        item.iImage = images_of[i];
        const auto row = static_cast<int>(SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
        std::snprintf(text, sizeof(text), "%lu", rows[i].id);
        ListView_SetItemText(list, row, 1, text);
        std::snprintf(text, sizeof(text), "%lu", rows[i].priority);
        ListView_SetItemText(list, row, 2, text);
        std::snprintf(text, sizeof(text), "%lu KB", static_cast<unsigned long>(rows[i].workingSet >> 10));
        ListView_SetItemText(list, row, 3, text);
        std::snprintf(text, sizeof(text), "%lu", rows[i].threads);
        ListView_SetItemText(list, row, 4, text);
    }
    split.fill = Now() - start;
    return split;
}

// The product's refill, step by step as its view does it.
Split WholeRefill(talvane::win32::Win32Processes& processes,
                  talvane::win32::Win32Shell& shell,
                  HWND list,
                  HIMAGELIST images) {
    Split split;
    double start = Now();
    const auto rows = talvane::EnumerateProcesses(processes, talvane::WindowsFamily::WinXP);
    split.enumerate = Now() - start;

    start = Now();
    std::vector<int> images_of(rows.size(), -1);
    {
        const talvane::platform::ShellLibraryHold hold(shell);
        for (std::size_t i = 0; i < rows.size(); ++i) {
            if (const UniqueIcon icon = shell.SmallProgramIcon(rows[i].iconSource)) {
                images_of[i] = ImageList_AddIcon(images, icon.Get());
            }
        }
    }
    split.icons = Now() - start;

    start = Now();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int row = talvane::ui::AppendListRow(list, rows[i].application, images_of[i]);
        talvane::ui::SetListCell(list, row, 1, std::to_string(rows[i].processId));
        talvane::ui::SetListCell(list, row, 2, rows[i].priority);
        talvane::ui::SetListCell(list, row, 3, rows[i].memory);
        talvane::ui::SetListCell(list, row, 4, std::to_string(rows[i].threads));
    }
    split.fill = Now() - start;
    return split;
}

void Clear(HWND list, HIMAGELIST images) {
    ListView_DeleteAllItems(list);
    ImageList_RemoveAll(images);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "--idle") == 0) {
        Sleep(120000);
        return 0;
    }
    const int count = argc > 1 ? std::max(0, std::atoi(argv[1])) : 40;
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 9;

    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, sizeof(self));
    std::vector<UniqueHandle> idle;
    for (int i = 0; i < count; ++i) {
        std::string command = std::string("\"") + self + "\" --idle";
        STARTUPINFOA startup{};
        startup.cb = sizeof(startup);
        PROCESS_INFORMATION info{};
        if (CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) {
            CloseHandle(info.hThread);
            idle.emplace_back(info.hProcess);
        }
    }
    Sleep(500);  // let them start

    InitCommonControls();
    const HWND list = CreateWindowExA(0, WC_LISTVIEWA, "", WS_OVERLAPPEDWINDOW | LVS_REPORT, 0, 0, 600, 400, nullptr,
                                      nullptr, GetModuleHandleA(nullptr), nullptr);
    talvane::ui::AddListColumns(list, {{132, 230}, {133, 75, true}, {134, 75}, {215, 100, true}, {135, 75}});
    const talvane::win32::UniqueImageList images(ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 32, 32));
    ListView_SetImageList(list, images.Get(), LVSIL_SMALL);
    const talvane::win32::UniqueModule psapi(LoadLibraryA("PSAPI.dll"));
    talvane::win32::Win32Processes processes;
    talvane::win32::Win32Shell shell;

    std::vector<double> bare[3];
    std::vector<double> whole[3];
    std::size_t rows = 0;
    for (int run = 0; run <= runs; ++run) {  // run 0 warms the caches and is not counted
        Clear(list, images.Get());
        const Split b = BareRefill(psapi.Get(), list, images.Get());
        Clear(list, images.Get());
        const Split w = WholeRefill(processes, shell, list, images.Get());
        rows = static_cast<std::size_t>(ListView_GetItemCount(list));
        if (run > 0) {
            bare[0].push_back(b.enumerate);
            bare[1].push_back(b.icons);
            bare[2].push_back(b.fill);
            whole[0].push_back(w.enumerate);
            whole[1].push_back(w.icons);
            whole[2].push_back(w.fill);
        }
    }
    for (const auto& process : idle) {
        TerminateProcess(process.Get(), 0);
    }
    DestroyWindow(list);

    const char* parts[] = {"enumeration", "icons", "list filling"};
    double bareTotal = 0;
    double wholeTotal = 0;
    std::printf("process list refill, %zu rows, median of %d runs, in ms:\n", rows, runs);
    for (int i = 0; i < 3; ++i) {
        const double b = Median(bare[i]) / 1000;
        const double w = Median(whole[i]) / 1000;
        bareTotal += b;
        wholeTotal += w;
        std::printf("  %-13s bare %7.2f  product %7.2f\n", parts[i], b, w);
    }
    const double own = wholeTotal - bareTotal;
    std::printf("  whole refill  bare %7.2f  product %7.2f\n", bareTotal, wholeTotal);
    std::printf("  own work: %.2f ms = %.1f %% of the refill (goal under 10 %%)\n", own, 100.0 * own / wholeTotal);
    return 0;
}
