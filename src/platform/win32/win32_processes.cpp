#include "platform/win32/win32_processes.h"

#include "platform/win32/handles.h"
#include "platform/win32/win.h"

namespace talvane::win32 {

std::uint32_t Win32Processes::WinExec(const std::string& commandLine, int showCommand) {
    return ::WinExec(commandLine.c_str(), static_cast<UINT>(showCommand));
}

bool Win32Processes::SetPriorityClass(std::uint32_t processId, std::uint32_t priorityClass) {
    const UniqueHandle process(OpenProcess(PROCESS_SET_INFORMATION, FALSE, processId));
    return process && ::SetPriorityClass(process.Get(), priorityClass) != FALSE;
}

}  // namespace talvane::win32
