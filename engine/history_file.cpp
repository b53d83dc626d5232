#include "engine/history_file.h"

#include "platform/win32/win.h"

#include <optional>

#include "platform/win32/handles.h"
#include "platform/win32/win32_platform.h"

namespace talvane::engine {

namespace {

constexpr const char* kFolderName = "Talvane";
constexpr const char* kFileName = "freeings.log";
// Far beyond 500 lines: a larger file is not one the engine wrote, and is left alone.
constexpr DWORD kLargestFile = 1u << 20;

using FolderPathFn = HRESULT(WINAPI*)(HWND, int, HANDLE, DWORD, LPSTR);

// shfolder.dll brings the folder to shells that cannot name it (95, 98 and NT 4.0 without the desktop update).
std::string AppDataFromShfolder() {
    const win32::UniqueModule library(LoadLibraryA("shfolder.dll"));
    const auto folderPath = win32::LookUp<FolderPathFn>(library.Get(), "SHGetFolderPathA");
    char path[MAX_PATH + 1] = {};
    if (folderPath == nullptr ||
        FAILED(folderPath(nullptr, static_cast<int>(platform::ShellFolder::AppData), nullptr, 0, path))) {
        return {};
    }
    return path;
}

std::string AppDataFolder() {
    win32::Win32Shell shell;
    std::string folder = shell.SpecialFolderPath(0, platform::ShellFolder::AppData);
    if (folder.empty()) {
        folder = AppDataFromShfolder();
    }
    if (folder.empty()) {
        win32::Win32System system;
        std::string windows = system.GetWindowsDirectory(MAX_PATH + 1);
        if (!windows.empty() && windows.back() == '\\') {
            windows.pop_back();
        }
        folder = windows + "\\Application Data";
        CreateDirectoryA(folder.c_str(), nullptr);
    }
    if (!folder.empty() && folder.back() == '\\') {
        folder.pop_back();
    }
    return folder;
}

// Empty for a file not there yet; none for one that is there but cannot be read, which is left as it is.
std::optional<std::string> ReadWhole(const std::string& path) {
    const win32::UniqueFileHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                                   nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        const DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) {
            return std::string();
        }
        return std::nullopt;
    }
    const DWORD size = GetFileSize(file.Get(), nullptr);
    if (size == INVALID_FILE_SIZE || size > kLargestFile) {
        return std::nullopt;
    }
    std::string text(size, '\0');
    DWORD read = 0;
    if (size > 0 && !ReadFile(file.Get(), text.data(), size, &read, nullptr)) {
        return std::nullopt;
    }
    text.resize(read);
    return text;
}

}  // namespace

std::string HistoryFilePath() {
    const std::string folder = AppDataFolder() + '\\' + kFolderName;
    CreateDirectoryA(folder.c_str(), nullptr);  // fails harmlessly when it exists
    return folder + '\\' + kFileName;
}

void AppendToHistoryFile(const std::string& path, const std::string& line) {
    const std::optional<std::string> before = ReadWhole(path);
    if (!before) {
        return;
    }
    const std::string text = AppendHistoryLine(*before, line);
    const win32::UniqueFileHandle file(
        CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        return;
    }
    DWORD written = 0;
    WriteFile(file.Get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

LocalTime LocalTimeNow() {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
}

}  // namespace talvane::engine
