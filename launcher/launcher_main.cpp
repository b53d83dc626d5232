// VelkLaunch.exe: the program a launcher shortcut starts. It frees the memory the shortcut asks for, then starts
// the shortcut's program at its priority in the program's folder, and ends without waiting for it.
#include "platform/win32/win.h"

#include <string>
#include <vector>

#include "base/launcher_line.h"
#include "base/memory_freeing.h"
#include "base/memory_sample.h"
#include "base/paths.h"
#include "platform/win32/handles.h"
#include "platform/win32/win32_files.h"
#include "platform/win32/win32_memory_reclaim.h"
#include "platform/win32/win32_platform.h"

namespace talvane::launcher {

namespace {

constexpr const char* kCaption = "Talvane";

// user32 is loaded only to complain: a launch that goes well never pays for it (under Wine it doubles the start).
int Refuse(const std::string& text) {
    using MessageBoxFn = int(WINAPI*)(HWND, LPCSTR, LPCSTR, UINT);
    const win32::UniqueModule user32(LoadLibraryA("user32.dll"));
    if (const auto messageBox = win32::LookUp<MessageBoxFn>(user32.Get(), "MessageBoxA")) {
        messageBox(nullptr, text.c_str(), kCaption, MB_OK | MB_ICONERROR | MB_SETFOREGROUND);
    }
    return 1;
}

std::string SystemMessage(DWORD error) {
    char text[512] = {};
    const DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0,
                                        text, sizeof(text), nullptr);
    std::string message(text, length < sizeof(text) ? length : 0);
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r' || message.back() == ' ')) {
        message.pop_back();
    }
    return (message.empty() ? std::string("Windows error") : message) + " (error " + std::to_string(error) + ")";
}

DWORD PriorityClass(int priority) {
    switch (priority) {
        case 0: return IDLE_PRIORITY_CLASS;
        case 2: return HIGH_PRIORITY_CLASS;
        default: return NORMAL_PRIORITY_CLASS;  // 1, and a priority the user typed
    }
}

}  // namespace

int Run() {
    const char* commandLine = GetCommandLineA();
    const std::string line = ArgumentsAfterProgramName(commandLine != nullptr ? commandLine : "");

    win32::Win32System system;
    std::string problem;
    const auto request = ParseLauncherLine(line, TakeMemorySample(system).totalPhysMB, &problem);
    if (!request) {
        return Refuse("The shortcut's command line cannot be used: " + problem + "\n\nCommand line: " + line);
    }
    if (!win32::Win32Files().FileExists(request->program)) {
        return Refuse("The program \"" + request->program + "\" does not exist.");
    }

    win32::Win32MemoryReclaim memory;
    FreeMemory(memory, system.GetVersion().platformId == platform::kPlatformWin32Nt, request->megabytes);

    std::string command = "\"" + request->program + "\"";
    if (!request->parameters.empty()) {
        command += " " + request->parameters;
    }
    // CreateProcessA may write into the command line, so it gets a buffer of its own.
    std::vector<char> commandBuffer(command.begin(), command.end());
    commandBuffer.push_back('\0');
    const std::string folder = FolderPartOf(request->program);
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION started{};
    // Started suspended and given its class once more before it runs: Wine ignores the class among the creation
    // flags, and the program must never run a moment at the wrong priority.
    const DWORD priorityClass = PriorityClass(request->priority);
    if (CreateProcessA(nullptr, commandBuffer.data(), nullptr, nullptr, FALSE, priorityClass | CREATE_SUSPENDED,
                       nullptr, folder.empty() ? nullptr : folder.c_str(), &startup, &started) == 0) {
        return Refuse("The program \"" + request->program +
                      "\" could not be started: " + SystemMessage(GetLastError()) + ".");
    }
    const win32::UniqueHandle process(started.hProcess);
    const win32::UniqueHandle thread(started.hThread);
    SetPriorityClass(process.Get(), priorityClass);
    if (ResumeThread(thread.Get()) == static_cast<DWORD>(-1)) {
        const DWORD error = GetLastError();
        TerminateProcess(process.Get(), 1);
        return Refuse("The program \"" + request->program + "\" could not be started: " + SystemMessage(error) + ".");
    }
    return 0;
}

}  // namespace talvane::launcher

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    return talvane::launcher::Run();
}
