#include "platform/win32/win32_platform.h"

namespace talvane::win32 {

platform::WindowId Win32WindowServices::FindWindow(const std::string& className, const std::string& caption) {
    return FromHwnd(FindWindowA(className.c_str(), caption.c_str()));
}

bool Win32WindowServices::IsWindowVisible(platform::WindowId window) {
    return ::IsWindowVisible(ToHwnd(window)) != FALSE;
}

bool Win32WindowServices::PostMessage(platform::WindowId window,
                                      std::uint32_t message,
                                      std::uintptr_t wParam,
                                      std::intptr_t lParam) {
    return PostMessageA(ToHwnd(window), message, wParam, lParam) != FALSE;
}

std::optional<std::uintptr_t> Win32WindowServices::SendMessageTimeout(platform::WindowId window,
                                                                      std::uint32_t message,
                                                                      std::uintptr_t wParam,
                                                                      std::intptr_t lParam,
                                                                      std::uint32_t flags,
                                                                      std::uint32_t timeoutMs) {
    DWORD_PTR result = 0;
    if (SendMessageTimeoutA(ToHwnd(window), message, wParam, lParam, flags, timeoutMs, &result) == 0) {
        return std::nullopt;
    }
    return result;
}

std::uint32_t Win32WindowServices::GetSysColor(int index) {
    return ::GetSysColor(index);
}

}  // namespace talvane::win32
