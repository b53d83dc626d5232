#include "platform/win32/win32_platform.h"

namespace talvane::win32 {

platform::Answer Win32Prompts::Confirm(platform::WindowId owner, const std::string& text) {
    const int result = MessageBoxA(ToHwnd(owner), text.c_str(), "Confirm", MB_YESNO | MB_ICONQUESTION);
    return result == IDYES ? platform::Answer::Yes : platform::Answer::No;
}

void Win32Prompts::Inform(platform::WindowId owner, const std::string& text) {
    MessageBoxA(ToHwnd(owner), text.c_str(), "Information", MB_OK | MB_ICONINFORMATION);
}

platform::Answer Win32Prompts::ErrorOkCancel(platform::WindowId owner,
                                             const std::string& caption,
                                             const std::string& text) {
    const int result = MessageBoxA(ToHwnd(owner), text.c_str(), caption.c_str(), MB_OKCANCEL | MB_ICONERROR);
    return result == IDOK ? platform::Answer::Ok : platform::Answer::Cancel;
}

}  // namespace talvane::win32
