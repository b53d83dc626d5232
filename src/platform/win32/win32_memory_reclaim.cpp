#include "platform/win32/win32_memory_reclaim.h"

#include "platform/win32/win.h"

#include <vector>

#include "platform/win32/handles.h"
#include "platform/win32/win32_platform.h"

namespace talvane::win32 {

namespace {

// Memory of our own from VirtualAlloc, released with the owner.
struct VirtualTraits {
    using Handle = void*;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle h) { VirtualFree(h, 0, MEM_RELEASE); }
};
using UniqueVirtual = platform::UniqueHandle<VirtualTraits>;

}  // namespace

platform::PhysicalMemory Win32MemoryReclaim::Measure() {
    Win32System system;
    platform::PhysicalMemory figures;
    // GlobalMemoryStatus caps at 2 GB and wraps above 4 GB.
    if (const auto ex = system.GlobalMemoryStatusEx()) {
        figures.total = ex->totalPhys;
        figures.available = ex->availPhys;
    } else {
        const platform::MemoryStatus32 legacy = system.GlobalMemoryStatus();
        figures.total = legacy.totalPhys;
        figures.available = legacy.availPhys;
    }
    return figures;
}

// psapi is not on every Windows 98 and NT 4.0 machine, so it is looked up rather than imported.
std::uint32_t Win32MemoryReclaim::TrimWorkingSets() {
    using EnumProcessesFn = BOOL(WINAPI*)(DWORD*, DWORD, DWORD*);
    using EmptyWorkingSetFn = BOOL(WINAPI*)(HANDLE);
    const UniqueModule psapi(LoadLibraryA("psapi.dll"));
    const auto enumProcesses = LookUp<EnumProcessesFn>(psapi.Get(), "EnumProcesses");
    const auto emptyWorkingSet = LookUp<EmptyWorkingSetFn>(psapi.Get(), "EmptyWorkingSet");
    if (enumProcesses == nullptr || emptyWorkingSet == nullptr) {
        return 0;
    }
    // The list is cut off silently when it fills the buffer: grow until it does not.
    std::vector<DWORD> ids(256);
    DWORD bytes = 0;
    for (;;) {
        const auto size = static_cast<DWORD>(ids.size()) * static_cast<DWORD>(sizeof(DWORD));
        if (enumProcesses(ids.data(), size, &bytes) == 0) {
            return 0;
        }
        if (bytes < size || ids.size() >= 65536) {
            break;
        }
        ids.resize(ids.size() * 2);
    }
    ids.resize(bytes / sizeof(DWORD));

    std::uint32_t trimmed = 0;
    for (const DWORD id : ids) {
        const UniqueHandle process(OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_SET_QUOTA, FALSE, id));
        if (process && emptyWorkingSet(process.Get()) != 0) {
            ++trimmed;
        }
    }
    return trimmed;
}

bool Win32MemoryReclaim::TouchAndRelease(std::uint64_t bytes) {
    if (bytes == 0 || bytes > static_cast<SIZE_T>(-1)) {
        return false;
    }
    const auto size = static_cast<SIZE_T>(bytes);
    const UniqueVirtual block(VirtualAlloc(nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
    if (!block) {
        return false;
    }
    SYSTEM_INFO info{};
    GetSystemInfo(&info);
    const SIZE_T page = info.dwPageSize != 0 ? info.dwPageSize : 4096;
    // Volatile, so the writes that make the kernel hand us real pages are not optimised away.
    volatile char* const start = static_cast<volatile char*>(block.Get());
    for (SIZE_T offset = 0; offset < size; offset += page) {
        start[offset] = 1;
    }
    return true;
}

}  // namespace talvane::win32
