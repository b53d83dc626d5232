#include "fakes/fake_platform.h"

namespace talvane::fakes {

void FakeSystem::SetPhysicalMemory(std::uint64_t bytes, std::uint64_t available, std::uint32_t load) {
    constexpr std::uint64_t kCap =
        0x7FFFFFFF;  // GlobalMemoryStatus's limit for programs that are not large-address aware
    status32.memoryLoad = load;
    status32.totalPhys = static_cast<std::uint32_t>(std::min(bytes, kCap));
    status32.availPhys = static_cast<std::uint32_t>(std::min(available, kCap));
    status32.totalPageFile = static_cast<std::uint32_t>(std::min(bytes * 2, kCap));
    status32.availPageFile = static_cast<std::uint32_t>(std::min(available * 2, kCap));
    if (status64) {
        status64->memoryLoad = load;
        status64->totalPhys = bytes;
        status64->availPhys = available;
        status64->totalPageFile = bytes * 2;
        status64->availPageFile = available * 2;
    }
}

platform::OsVersion FakeSystem::GetVersion() {
    Log("GetVersion");
    return version;
}

platform::MemoryStatus32 FakeSystem::GlobalMemoryStatus() {
    Log("GlobalMemoryStatus");
    return status32;
}

std::optional<platform::MemoryStatus64> FakeSystem::GlobalMemoryStatusEx() {
    Log("GlobalMemoryStatusEx");
    return status64;
}

std::string FakeSystem::GetSystemDirectory(std::size_t bufferSize) {
    Log("GetSystemDirectory");
    return systemDir.size() < bufferSize ? systemDir : std::string();
}

std::string FakeSystem::GetWindowsDirectory(std::size_t bufferSize) {
    Log("GetWindowsDirectory");
    return windowsDir.size() < bufferSize ? windowsDir : std::string();
}

std::string FakeSystem::GetCurrentDirectory() {
    Log("GetCurrentDirectory");
    return currentDir;
}

void FakeSystem::Beep(std::uint32_t frequency, std::uint32_t milliseconds) {
    Log("Beep");
    beeps.emplace_back(frequency, milliseconds);
}

std::string FakeShell::SpecialFolderPath(platform::WindowId /*owner*/, platform::ShellFolder folder) {
    if (log_ != nullptr) {
        log_->Add("SpecialFolder " + std::to_string(static_cast<int>(folder)));
    }
    const auto it = folders.find(folder);
    return it == folders.end() ? std::string() : it->second;
}

std::intptr_t FakeShell::ShellExecute(platform::WindowId owner,
                                      const std::string& verb,
                                      const std::string& file,
                                      int showCommand) {
    if (log_ != nullptr) {
        log_->Add("ShellExecute " + file);
    }
    executions.push_back({owner, verb, file, showCommand});
    return 42;
}

platform::WindowId FakeWindows::FindWindow(const std::string& className, const std::string& caption) {
    for (const Window& window : windows) {
        if (window.className == className && window.caption == caption) {
            return window.id;
        }
    }
    return 0;
}

bool FakeWindows::IsWindowVisible(platform::WindowId id) {
    for (const Window& window : windows) {
        if (window.id == id) {
            return window.visible;
        }
    }
    return false;
}

bool FakeWindows::PostMessage(platform::WindowId window,
                              std::uint32_t message,
                              std::uintptr_t wParam,
                              std::intptr_t lParam) {
    messages.push_back({window, message, wParam, lParam, false});
    return true;
}

std::optional<std::uintptr_t> FakeWindows::SendMessageTimeout(platform::WindowId window,
                                                              std::uint32_t message,
                                                              std::uintptr_t wParam,
                                                              std::intptr_t lParam,
                                                              std::uint32_t flags,
                                                              std::uint32_t timeoutMs) {
    if (log != nullptr) {
        log->Add("SendMessageTimeout " + std::to_string(window) + " " + std::to_string(message));
    }
    messages.push_back({window, message, wParam, lParam, true, flags, timeoutMs});
    if (hung.count(window) != 0) {
        return std::nullopt;
    }
    return 0;
}

std::uint32_t FakeWindows::GetSysColor(int index) {
    const auto it = sysColors.find(index);
    return it == sysColors.end() ? 0 : it->second;
}

bool FakeHtmlHelp::Load() {
    ++loadAttempts;
    return available;
}

void FakeHtmlHelp::DisplayTopic(platform::WindowId /*owner*/, const std::string& address) {
    topics.push_back(address);
}

platform::Answer FakePrompts::Next(platform::Answer fallback) {
    if (answers.empty()) {
        return fallback;
    }
    const platform::Answer answer = answers.front();
    answers.pop_front();
    return answer;
}

platform::Answer FakePrompts::Confirm(platform::WindowId /*owner*/, const std::string& text) {
    shown.push_back({"Confirm", text});
    return Next(platform::Answer::No);
}

void FakePrompts::Inform(platform::WindowId /*owner*/, const std::string& text) {
    shown.push_back({"Information", text});
}

platform::Answer FakePrompts::ErrorOkCancel(platform::WindowId /*owner*/,
                                            const std::string& caption,
                                            const std::string& text) {
    shown.push_back({caption, text});
    return Next(platform::Answer::Cancel);
}

}  // namespace talvane::fakes
