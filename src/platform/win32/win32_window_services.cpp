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

std::intptr_t Win32WindowServices::SendMessage(platform::WindowId window,
                                               std::uint32_t message,
                                               std::uintptr_t wParam,
                                               std::intptr_t lParam) {
    return SendMessageA(ToHwnd(window), message, wParam, lParam);
}

std::uint32_t Win32WindowServices::GetSysColor(int index) {
    return ::GetSysColor(index);
}

}  // namespace talvane::win32
