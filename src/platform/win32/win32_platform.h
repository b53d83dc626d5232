// The real platform: each class forwards to the Win32 call of the same name.
#pragma once

#include "platform/win32/win.h"

#include <optional>
#include <string>

#include "platform/html_help.h"
#include "platform/prompts.h"
#include "platform/registry.h"
#include "platform/shell.h"
#include "platform/system.h"
#include "platform/win32/handles.h"
#include "platform/window_services.h"

namespace talvane::win32 {

inline HWND ToHwnd(platform::WindowId window) {
    return reinterpret_cast<HWND>(window);
}
inline platform::WindowId FromHwnd(HWND window) {
    return reinterpret_cast<platform::WindowId>(window);
}

class Win32System final : public platform::System {
public:
    platform::OsVersion GetVersion() override;
    platform::MemoryStatus32 GlobalMemoryStatus() override;
    std::optional<platform::MemoryStatus64> GlobalMemoryStatusEx() override;
    std::string GetSystemDirectory(std::size_t bufferSize) override;
    std::string GetWindowsDirectory(std::size_t bufferSize) override;
    std::string GetCurrentDirectory() override;
    void Beep(std::uint32_t frequency, std::uint32_t milliseconds) override;
    std::string GetComputerName() override;
    std::string GetUserName() override;
    std::string DefaultLanguageName() override;
};

// shell32 (and the libraries it brings) is loaded only while it is used: the folders are read once at start,
// and ShellExecute is rare. Once ShellExecute ran, the library stays, as work it started may still run in it.
class Win32Shell final : public platform::Shell {
public:
    std::string SpecialFolderPath(platform::WindowId owner, platform::ShellFolder folder) override;
    std::intptr_t ShellExecute(platform::WindowId owner,
                               const std::string& verb,
                               const std::string& file,
                               int showCommand) override;
    void HoldLibrary() override;
    void ReleaseLibrary() override;

    // SHGetFileInfoA's small icon of a file, folder or program; none when the shell finds none.
    UniqueIcon SmallFileIcon(const std::string& path);
    // ExtractIconExA's small icon of a program's first icon; none when it has none.
    UniqueIcon SmallProgramIcon(const std::string& path);
    // SHBrowseForFolderA for file-system folders under the desktop; none when the user cancelled.
    std::optional<std::string> BrowseForFolder(HWND owner, const std::string& title);

private:
    class Use;
    UniqueModule library_;
    int holds_ = 0;
    bool keep_ = false;
};

class Win32WindowServices final : public platform::Windows {
public:
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

class Win32HtmlHelp final : public platform::HtmlHelp {
public:
    bool Load() override;
    void DisplayTopic(platform::WindowId owner, const std::string& address) override;

private:
    using HtmlHelpFn = HWND(WINAPI*)(HWND, LPCSTR, UINT, DWORD_PTR);
    UniqueModule library_;
    HtmlHelpFn htmlHelp_ = nullptr;
};

// The common dialog library is loaded on the first browse, not with the program: most runs never browse.
class Win32FileDialog {
public:
    // GetOpenFileNameA; false when the user cancelled or the library is missing.
    bool GetOpenFileName(OPENFILENAMEA& dialog);

private:
    using GetOpenFileNameFn = BOOL(WINAPI*)(LPOPENFILENAMEA);
    UniqueModule library_;
    GetOpenFileNameFn getOpenFileName_ = nullptr;
};

class Win32Prompts final : public platform::Prompts {
public:
    platform::Answer Confirm(platform::WindowId owner, const std::string& text) override;
    void Inform(platform::WindowId owner, const std::string& text) override;
    platform::Answer ErrorOkCancel(platform::WindowId owner,
                                   const std::string& caption,
                                   const std::string& text) override;
};

class Win32Registry final : public platform::Registry {
public:
    long OpenKey(platform::RootKey root,
                 const std::string& subkey,
                 std::uint32_t access,
                 platform::KeyId* key) override;
    long CreateKey(platform::RootKey root,
                   const std::string& subkey,
                   std::uint32_t access,
                   platform::KeyId* key) override;
    long QueryValue(platform::KeyId key,
                    const std::string& name,
                    std::uint32_t* type,
                    std::uint8_t* data,
                    std::uint32_t* size) override;
    long SetValue(platform::KeyId key,
                  const std::string& name,
                  std::uint32_t type,
                  const std::uint8_t* data,
                  std::uint32_t size) override;
    long DeleteValue(platform::KeyId key, const std::string& name) override;
    long DeleteKey(platform::KeyId key, const std::string& subkey) override;
    long EnumValueName(platform::KeyId key, std::uint32_t index, std::string* name) override;
    long CloseKey(platform::KeyId key) override;
};

}  // namespace talvane::win32
