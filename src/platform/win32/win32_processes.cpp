#include "platform/win32/win32_processes.h"

#include "platform/win32/win.h"

#include <tlhelp32.h>

namespace talvane::win32 {

namespace {

// The value NT 4, 2000 and XP accept; the SDK's newer PROCESS_ALL_ACCESS is refused there.
constexpr DWORD kProcessAllAccess = 0x1F0FFF;
constexpr DWORD kModuleNameBuffer = 301;

// Looked up at run time: NT 4 has no ToolHelp and no PSAPI of its own, and the program must start there.
using SnapshotFn = HANDLE(WINAPI*)(DWORD, DWORD);
using ProcessWalkFn = BOOL(WINAPI*)(HANDLE, PROCESSENTRY32*);
using EnumModulesFn = BOOL(WINAPI*)(HANDLE, HMODULE*, DWORD, DWORD*);
using ModuleFileNameFn = DWORD(WINAPI*)(HANDLE, HMODULE, char*, DWORD);

// The record of the counters GetProcessMemoryInfo fills; declared here so no PSAPI header is needed.
struct MemoryCounters {
    DWORD cb;
    DWORD PageFaultCount;
    SIZE_T PeakWorkingSetSize;
    SIZE_T WorkingSetSize;
    SIZE_T QuotaPeakPagedPoolUsage;
    SIZE_T QuotaPagedPoolUsage;
    SIZE_T QuotaPeakNonPagedPoolUsage;
    SIZE_T QuotaNonPagedPoolUsage;
    SIZE_T PagefileUsage;
    SIZE_T PeakPagefileUsage;
};
using MemoryInfoFn = BOOL(WINAPI*)(HANDLE, MemoryCounters*, DWORD);

}  // namespace

std::uint32_t Win32Processes::WinExec(const std::string& commandLine, int showCommand) {
    return ::WinExec(commandLine.c_str(), static_cast<UINT>(showCommand));
}

bool Win32Processes::SetPriorityClass(std::uint32_t processId, std::uint32_t priorityClass) {
    const UniqueHandle process(OpenProcess(PROCESS_SET_INFORMATION, FALSE, processId));
    return process && ::SetPriorityClass(process.Get(), priorityClass) != FALSE;
}

std::optional<std::vector<platform::ProcessEntry>> Win32Processes::Snapshot() {
    const HMODULE kernel = GetModuleHandleA("kernel32.dll");
    const auto snapshot = LookUp<SnapshotFn>(kernel, "CreateToolhelp32Snapshot");
    const auto first = LookUp<ProcessWalkFn>(kernel, "Process32First");
    const auto next = LookUp<ProcessWalkFn>(kernel, "Process32Next");
    if (snapshot == nullptr || first == nullptr || next == nullptr) {
        return std::nullopt;
    }
    const UniqueFileHandle processes(snapshot(TH32CS_SNAPPROCESS, 0));
    if (!processes) {
        return std::nullopt;
    }
    std::vector<platform::ProcessEntry> entries;
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof(entry);
    for (BOOL more = first(processes.Get(), &entry); more != FALSE; more = next(processes.Get(), &entry)) {
        entry.szExeFile[sizeof(entry.szExeFile) - 1] = '\0';
        entries.push_back(
            {entry.th32ProcessID, entry.cntThreads, static_cast<std::int32_t>(entry.pcPriClassBase), entry.szExeFile});
    }
    return entries;
}

HMODULE Win32Processes::Psapi() {
    if (!psapiTried_) {
        psapiTried_ = true;
        psapi_.Reset(LoadLibraryA("PSAPI.dll"));
    }
    return psapi_.Get();
}

std::optional<platform::ProcessFacts> Win32Processes::Inspect(std::uint32_t processId) {
    const UniqueHandle process(OpenProcess(kProcessAllAccess, FALSE, processId));
    if (!process) {
        return std::nullopt;
    }
    platform::ProcessFacts facts;
    if (const HMODULE psapi = Psapi()) {
        const auto enumModules = LookUp<EnumModulesFn>(psapi, "EnumProcessModules");
        const auto memoryInfo = LookUp<MemoryInfoFn>(psapi, "GetProcessMemoryInfo");
        const auto moduleFileName = LookUp<ModuleFileNameFn>(psapi, "GetModuleFileNameExA");
        HMODULE modules[1] = {};  // the first module is the program; the handle is 8 bytes in the 64-bit build
        DWORD needed = 0;
        const bool haveModule =
            enumModules != nullptr && enumModules(process.Get(), modules, sizeof(modules), &needed) != FALSE;
        MemoryCounters counters{};
        counters.cb = sizeof(counters);
        if (memoryInfo != nullptr && memoryInfo(process.Get(), &counters, sizeof(counters)) != FALSE) {
            facts.workingSetBytes = counters.WorkingSetSize;
        }
        char name[kModuleNameBuffer] = {};
        if (haveModule && moduleFileName != nullptr &&
            moduleFileName(process.Get(), modules[0], name, sizeof(name)) > 0) {
            name[sizeof(name) - 1] = '\0';  // XP leaves a cut name unterminated
            facts.moduleFileName = name;
        }
    }
    facts.priorityClass = GetPriorityClass(process.Get());
    return facts;
}

bool Win32Processes::Terminate(std::uint32_t processId) {
    // A process that has ended can still be opened while any handle to it is left, and Wine then reports its
    // termination as done.
    const UniqueHandle process(OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, processId));
    return process && WaitForSingleObject(process.Get(), 0) == WAIT_TIMEOUT &&
           TerminateProcess(process.Get(), 0) != FALSE;
}

}  // namespace talvane::win32
