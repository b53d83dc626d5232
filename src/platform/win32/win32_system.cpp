#include <algorithm>
#include <vector>

#include "platform/win32/win32_platform.h"

namespace talvane::win32 {

platform::OsVersion Win32System::GetVersion() {
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof(info);
    platform::OsVersion version;
    if (GetVersionExA(&info) == 0) {
        return version;
    }
    version.platformId = info.dwPlatformId;
    version.major = info.dwMajorVersion;
    version.minor = info.dwMinorVersion;
    // 9x keeps the major and minor version in the high word of the build number.
    version.build = info.dwPlatformId == VER_PLATFORM_WIN32_NT ? info.dwBuildNumber : LOWORD(info.dwBuildNumber);
    info.szCSDVersion[sizeof(info.szCSDVersion) - 1] = '\0';
    version.servicePack = info.szCSDVersion;
    return version;
}

namespace {

// A 64-bit process's SIZE_T figures beyond 4 GB read as the 32-bit call's own cap, never wrapped.
std::uint32_t Capped(SIZE_T bytes) {
    return static_cast<std::uint32_t>(std::min<SIZE_T>(bytes, 0xFFFFFFFFu));
}

}  // namespace

platform::MemoryStatus32 Win32System::GlobalMemoryStatus() {
    MEMORYSTATUS status{};
    status.dwLength = 32;  // the size Windows 95 and NT 4.0 know
    ::GlobalMemoryStatus(&status);
    platform::MemoryStatus32 result;
    result.memoryLoad = status.dwMemoryLoad;
    result.totalPhys = Capped(status.dwTotalPhys);
    result.availPhys = Capped(status.dwAvailPhys);
    result.totalPageFile = Capped(status.dwTotalPageFile);
    result.availPageFile = Capped(status.dwAvailPageFile);
    return result;
}

std::optional<platform::MemoryStatus64> Win32System::GlobalMemoryStatusEx() {
    using Fn = BOOL(WINAPI*)(LPMEMORYSTATUSEX);
    static const Fn fn = LookUp<Fn>(GetModuleHandleA("kernel32.dll"), "GlobalMemoryStatusEx");
    if (fn == nullptr) {
        return std::nullopt;
    }
    MEMORYSTATUSEX status{};
    status.dwLength = sizeof(status);
    if (fn(&status) == 0) {
        return std::nullopt;
    }
    platform::MemoryStatus64 result;
    result.memoryLoad = status.dwMemoryLoad;
    result.totalPhys = status.ullTotalPhys;
    result.availPhys = status.ullAvailPhys;
    result.totalPageFile = status.ullTotalPageFile;
    result.availPageFile = status.ullAvailPageFile;
    return result;
}

namespace {

template <typename Fn>
std::string ReadDirectory(Fn fn, std::size_t bufferSize) {
    std::vector<char> buffer(bufferSize, '\0');
    const UINT length = fn(buffer.data(), static_cast<UINT>(buffer.size()));
    if (length == 0 || length >= buffer.size()) {
        return {};  // failed, or did not fit: the buffer holds nothing usable
    }
    return {buffer.data(), length};
}

}  // namespace

std::string Win32System::GetSystemDirectory(std::size_t bufferSize) {
    return ReadDirectory(::GetSystemDirectoryA, bufferSize);
}

std::string Win32System::GetWindowsDirectory(std::size_t bufferSize) {
    return ReadDirectory(::GetWindowsDirectoryA, bufferSize);
}

std::string Win32System::GetCurrentDirectory() {
    char buffer[MAX_PATH + 1] = {};
    const DWORD length = ::GetCurrentDirectoryA(sizeof(buffer), buffer);
    if (length == 0 || length >= sizeof(buffer)) {
        return {};
    }
    return {buffer, length};
}

void Win32System::Beep(std::uint32_t frequency, std::uint32_t milliseconds) {
    ::Beep(frequency, milliseconds);
}

std::string Win32System::GetComputerName() {
    char name[256] = {};
    DWORD size = sizeof(name);
    return GetComputerNameA(name, &size) != FALSE ? std::string(name) : std::string();
}

std::string Win32System::GetUserName() {
    char name[256] = {};
    DWORD size = sizeof(name);
    return GetUserNameA(name, &size) != FALSE ? std::string(name) : std::string();
}

std::string Win32System::DefaultLanguageName() {
    char name[100] = {};
    const DWORD length = VerLanguageNameA(GetSystemDefaultLangID(), name, sizeof(name));
    return length > 0 && length < sizeof(name) ? std::string(name, length) : std::string();
}

}  // namespace talvane::win32
