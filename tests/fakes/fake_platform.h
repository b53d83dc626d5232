// In-memory stand-ins for the kernel, shell, window, help and prompt services.
#pragma once

#include <deque>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "fakes/call_log.h"
#include "platform/html_help.h"
#include "platform/prompts.h"
#include "platform/shell.h"
#include "platform/system.h"
#include "platform/window_services.h"

namespace talvane::fakes {

class FakeSystem : public platform::System {
public:
    explicit FakeSystem(CallLog* log = nullptr) : log_(log) {}

    platform::OsVersion version;
    platform::MemoryStatus32 status32;
    std::optional<platform::MemoryStatus64> status64;  // empty: the kernel has no GlobalMemoryStatusEx
    std::string systemDir = "C:\\WINDOWS\\system32";
    std::string windowsDir = "C:\\WINDOWS";
    std::string currentDir = "C:\\Program Files\\Talvane";
    std::string computerName = "DESK";
    std::string userName = "ana";
    std::string languageName = "English (United States)";
    std::vector<std::pair<std::uint32_t, std::uint32_t>> beeps;

    // A machine of `bytes` physical memory, with both calls answering as real Windows does.
    void SetPhysicalMemory(std::uint64_t bytes, std::uint64_t available, std::uint32_t load);

    platform::OsVersion GetVersion() override;
    platform::MemoryStatus32 GlobalMemoryStatus() override;
    std::optional<platform::MemoryStatus64> GlobalMemoryStatusEx() override;
    std::string GetSystemDirectory(std::size_t bufferSize) override;
    std::string GetWindowsDirectory(std::size_t bufferSize) override;
    std::string GetCurrentDirectory() override;
    void Beep(std::uint32_t frequency, std::uint32_t milliseconds) override;
    std::string GetComputerName() override { return computerName; }
    std::string GetUserName() override { return userName; }
    std::string DefaultLanguageName() override { return languageName; }

private:
    void Log(const std::string& entry) {
        if (log_ != nullptr) {
            log_->Add(entry);
        }
    }
    CallLog* log_;
};

class FakeShell : public platform::Shell {
public:
    explicit FakeShell(CallLog* log = nullptr) : log_(log) {}

    std::map<platform::ShellFolder, std::string> folders;
    struct Execution {
        platform::WindowId owner;
        std::string verb;
        std::string file;
        int show;
    };
    std::vector<Execution> executions;

    std::string SpecialFolderPath(platform::WindowId owner, platform::ShellFolder folder) override;
    std::intptr_t ShellExecute(platform::WindowId owner,
                               const std::string& verb,
                               const std::string& file,
                               int showCommand) override;

private:
    CallLog* log_;
};

class FakeWindows : public platform::Windows {
public:
    FakeWindows() = default;
    explicit FakeWindows(CallLog* sentLog) : log(sentLog) {}

    struct Window {
        platform::WindowId id;
        std::string className;
        std::string caption;
        bool visible;
    };
    struct Message {
        platform::WindowId window;
        std::uint32_t message;
        std::uintptr_t wParam;
        std::intptr_t lParam;
        bool sent;  // SendMessageTimeout rather than PostMessage
        std::uint32_t flags = 0;
        std::uint32_t timeoutMs = 0;
    };
    std::vector<Window> windows;
    std::vector<Message> messages;
    // Windows that take sent messages and never answer, as a program does while it hangs.
    std::set<platform::WindowId> hung;
    std::map<int, std::uint32_t> sysColors;
    // When set, sent messages join this log, so their order against other fakes' calls shows.
    CallLog* log = nullptr;

    platform::WindowId FindWindow(const std::string& className, const std::string& caption) override;
    bool IsWindowVisible(platform::WindowId window) override;
    bool PostMessage(platform::WindowId window,
                     std::uint32_t message,
                     std::uintptr_t wParam,
                     std::intptr_t lParam) override;
    std::optional<std::uintptr_t> SendMessageTimeout(platform::WindowId window,
                                                     std::uint32_t message,
                                                     std::uintptr_t wParam,
                                                     std::intptr_t lParam,
                                                     std::uint32_t flags,
                                                     std::uint32_t timeoutMs) override;
    std::uint32_t GetSysColor(int index) override;
};

class FakeHtmlHelp : public platform::HtmlHelp {
public:
    bool available = true;
    int loadAttempts = 0;
    std::vector<std::string> topics;

    bool Load() override;
    void DisplayTopic(platform::WindowId owner, const std::string& address) override;
};

class FakePrompts : public platform::Prompts {
public:
    struct Prompt {
        std::string caption;
        std::string text;
    };
    std::vector<Prompt> shown;
    std::deque<platform::Answer> answers;  // taken in order; No or Cancel when empty

    platform::Answer Confirm(platform::WindowId owner, const std::string& text) override;
    void Inform(platform::WindowId owner, const std::string& text) override;
    platform::Answer ErrorOkCancel(platform::WindowId owner,
                                   const std::string& caption,
                                   const std::string& text) override;

private:
    platform::Answer Next(platform::Answer fallback);
};

}  // namespace talvane::fakes
