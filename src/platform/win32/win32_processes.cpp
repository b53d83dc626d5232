#include "platform/win32/win32_processes.h"

#include "platform/win32/win.h"

namespace talvane::win32 {

std::uint32_t Win32Processes::WinExec(const std::string& commandLine, int showCommand) {
    return ::WinExec(commandLine.c_str(), static_cast<UINT>(showCommand));
}

}  // namespace talvane::win32
