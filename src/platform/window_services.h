// Window services: finding windows, messages to them, system colours.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/types.h"

namespace talvane::platform {

class Windows {
public:
    virtual ~Windows() = default;

    // Top-level window with exactly this class and caption, 0 when none.
    virtual WindowId FindWindow(const std::string& className, const std::string& caption) = 0;
    virtual bool IsWindowVisible(WindowId window) = 0;
    virtual bool PostMessage(WindowId window, std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) = 0;
    // SendMessageTimeoutA: the window's answer, or none when the call failed or timed out, or when the flags ask
    // not to wait for a window that is not responding and it was not.
    virtual std::optional<std::uintptr_t> SendMessageTimeout(WindowId window,
                                                             std::uint32_t message,
                                                             std::uintptr_t wParam,
                                                             std::intptr_t lParam,
                                                             std::uint32_t flags,
                                                             std::uint32_t timeoutMs) = 0;
    // GetSysColor: 0x00BBGGRR.
    virtual std::uint32_t GetSysColor(int index) = 0;
};

constexpr std::uint32_t kWmUser = 0x0400;
constexpr std::uint32_t kSmtoAbortIfHung = 0x0002;
constexpr int kColorActiveCaption = 2;
constexpr int kColorInactiveCaption = 3;

}  // namespace talvane::platform
