#include "host.h"

#include <windows.h>

#include <vector>

namespace talvane::wine_driver {

std::optional<std::string> EnvVar(const char* name) {
    const DWORD needed = GetEnvironmentVariableA(name, nullptr, 0);
    if (needed == 0) {
        return std::nullopt;
    }
    std::vector<char> buffer(needed);
    const DWORD length = GetEnvironmentVariableA(name, buffer.data(), needed);
    if (length == 0 || length >= needed) {
        return std::nullopt;
    }
    return std::string(buffer.data(), length);
}

std::string ToWindowsPath(const std::string& path) {
    std::string result = path;
    for (char& c : result) {
        if (c == '/') {
            c = '\\';
        }
    }
    if (!path.empty() && path[0] == '/') {
        result.insert(0, "Z:");
    }
    return result;
}

bool SamePath(const std::string& a, const std::string& b) {
    return lstrcmpiA(a.c_str(), b.c_str()) == 0;
}

std::string WindowsDirectory() {
    char path[MAX_PATH + 1] = {};
    const UINT length = GetWindowsDirectoryA(path, MAX_PATH);
    return length > 0 && length <= MAX_PATH ? std::string(path, length) : std::string();
}

std::string JoinPath(const std::string& directory, const std::string& name) {
    if (directory.empty() || directory.back() == '\\' || directory.back() == '/') {
        return directory + name;
    }
    return directory + '\\' + name;
}

std::string DirectoryOf(const std::string& path) {
    const auto slash = path.find_last_of("\\/");
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}

bool EnsureDirectory(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES) {
        return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    }
    const std::string parent = DirectoryOf(path);
    if (parent != path && parent.size() > 2 && !EnsureDirectory(parent)) {
        return false;
    }
    return CreateDirectoryA(path.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS;
}

std::string OwnDirectory() {
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    return DirectoryOf(std::string(path, length < MAX_PATH ? length : 0));
}

std::string ProgramPath(const char* env_name, const char* file_name) {
    if (const auto path = EnvVar(env_name); path && !path->empty()) {
        return ToWindowsPath(*path);
    }
    return JoinPath(OwnDirectory(), file_name);
}

std::string TempFilePath(const std::string& stem) {
    static unsigned counter = 0;
    char temp_dir[MAX_PATH] = {};
    const DWORD length = GetTempPathA(MAX_PATH, temp_dir);
    const std::string directory = length > 0 && length < MAX_PATH ? std::string(temp_dir, length) : std::string(".\\");
    const std::string path = JoinPath(
        directory, stem + "_" + std::to_string(GetCurrentProcessId()) + "_" + std::to_string(++counter) + ".txt");
    DeleteFileA(path.c_str());
    return path;
}

std::string EngineFileName() {
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof(version);
    GetVersionExA(&version);
    if (version.dwPlatformId != VER_PLATFORM_WIN32_WINDOWS) {
        return "VELK_XP.exe";
    }
    return version.dwMinorVersion >= 90 ? "VELK_ME.exe" : "VELK_98.exe";
}

}  // namespace talvane::wine_driver
