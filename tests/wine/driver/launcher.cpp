#include "launcher.h"

#include <cstdlib>
#include <vector>

#include "host.h"
#include "wait.h"
#include "win_owners.h"

namespace talvane::wine_driver {

namespace {

std::optional<std::string> ReadWholeFile(const std::string& path) {
    const FileHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    if (!file) {
        return std::nullopt;
    }
    std::vector<char> buffer(64 * 1024);
    DWORD read = 0;
    if (!ReadFile(file.Get(), buffer.data(), static_cast<DWORD>(buffer.size()), &read, nullptr)) {
        return std::nullopt;
    }
    return std::string(buffer.data(), read);
}

// The text after "key=" up to the line's end.
std::optional<std::string> Field(const std::string& text, const std::string& key) {
    const std::size_t start = text.find(key + "=");
    if (start == std::string::npos) {
        return std::nullopt;
    }
    const std::size_t from = start + key.size() + 1;
    const std::size_t end = text.find("\r\n", from);
    return text.substr(from, end == std::string::npos ? std::string::npos : end - from);
}

}  // namespace

std::string InstallLauncher(std::string* error) {
    const std::string source = ProgramPath("TALVANE_LAUNCHER", "VelkLaunch.exe");
    const std::string windows = WindowsDirectory();
    if (windows.empty()) {
        if (error != nullptr) {
            *error = "GetWindowsDirectoryA failed";
        }
        return {};
    }
    const std::string installed = JoinPath(windows, "VelkLaunch.exe");
    if (!CopyFileA(source.c_str(), installed.c_str(), FALSE)) {
        if (error != nullptr) {
            *error = "copying " + source + " to " + installed + " failed, error " + std::to_string(GetLastError());
        }
        return {};
    }
    return installed;
}

std::string LaunchRecorderPath() {
    return ProgramPath("TALVANE_LAUNCH_RECORDER", "launch_recorder.exe");
}

std::optional<LaunchRecord> WaitForLaunchRecord(const std::string& path, DWORD timeout_ms) {
    return PollFor(
        [&]() -> std::optional<LaunchRecord> {
            const auto text = ReadWholeFile(path);
            if (!text) {
                return std::nullopt;
            }
            const auto directory = Field(*text, "directory");
            const auto priority = Field(*text, "priority");
            const auto arguments = Field(*text, "arguments");
            if (!directory || !priority || !arguments) {
                return std::nullopt;
            }
            return LaunchRecord{*directory, static_cast<DWORD>(std::strtoul(priority->c_str(), nullptr, 10)),
                                *arguments};
        },
        timeout_ms);
}

}  // namespace talvane::wine_driver
