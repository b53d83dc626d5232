// Plain values that cross the platform boundary; no <windows.h> here.
#pragma once

#include <cstdint>
#include <string>

namespace talvane::platform {

// An HWND as a number, 0 for none.
using WindowId = std::uintptr_t;

// Win32 status codes the models look at.
constexpr long kErrorSuccess = 0;
constexpr long kErrorFileNotFound = 2;
constexpr long kErrorPathNotFound = 3;
constexpr long kErrorAccessDenied = 5;
constexpr long kErrorInvalidHandle = 6;
constexpr long kErrorMoreData = 234;

constexpr std::uint32_t kPlatformWin32Windows = 1;
constexpr std::uint32_t kPlatformWin32Nt = 2;

struct OsVersion {
    std::uint32_t platformId = 0;
    std::uint32_t major = 0;
    std::uint32_t minor = 0;
    std::uint32_t build = 0;  // the low word only on 9x, whose high word repeats the version
    std::string servicePack;  // "Service Pack 2"; empty without one
};

// GlobalMemoryStatus: 32-bit figures, capped or wrapped on large machines.
struct MemoryStatus32 {
    std::uint32_t memoryLoad = 0;
    std::uint32_t totalPhys = 0;
    std::uint32_t availPhys = 0;
    std::uint32_t totalPageFile = 0;
    std::uint32_t availPageFile = 0;
};

// GlobalMemoryStatusEx: the true 64-bit figures.
struct MemoryStatus64 {
    std::uint32_t memoryLoad = 0;
    std::uint64_t totalPhys = 0;
    std::uint64_t availPhys = 0;
    std::uint64_t totalPageFile = 0;
    std::uint64_t availPageFile = 0;
};

// CSIDL values of the shell folders the product resolves.
enum class ShellFolder : int {
    Desktop = 0x0000,
    Programs = 0x0002,
    Startup = 0x0007,
    StartMenu = 0x000b,
    CommonPrograms = 0x0017,
    CommonStartup = 0x0018,
    AppData = 0x001a,
};

// ShowWindow codes used with WinExec and ShellExecute.
constexpr int kSwShowNormal = 1;
constexpr int kSwShow = 5;

}  // namespace talvane::platform
