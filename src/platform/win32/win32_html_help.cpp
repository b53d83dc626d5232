#include "platform/win32/win32_platform.h"

namespace talvane::win32 {

bool Win32HtmlHelp::Load() {
    if (htmlHelp_ != nullptr) {
        return true;
    }
    UniqueModule library(LoadLibraryA("HHCtrl.ocx"));
    htmlHelp_ = LookUp<HtmlHelpFn>(library.Get(), "HtmlHelpA");
    if (htmlHelp_ != nullptr) {
        library_ = std::move(library);  // held until the process ends
    }
    return htmlHelp_ != nullptr;
}

void Win32HtmlHelp::DisplayTopic(platform::WindowId owner, const std::string& address) {
    constexpr UINT kDisplayTopic = 0;
    if (htmlHelp_ != nullptr) {
        KeepComStarted();
        htmlHelp_(ToHwnd(owner), address.c_str(), kDisplayTopic, 0);
    }
}

}  // namespace talvane::win32
