// Base of every window class: one trampoline stores `this` and forwards to a member.
#pragma once

#include "platform/win32/win.h"

namespace talvane::ui {

// A window's outer rectangle for this client size and frame, centred on the desktop's work area.
RECT CentredFrame(int clientWidth, int clientHeight, DWORD style, DWORD exStyle);

class Window {
public:
    Window() = default;
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    [[nodiscard]] HWND Handle() const { return hwnd_; }

protected:
    static bool Register(HINSTANCE instance, const char* className, HICON icon, HBRUSH background);
    // CreateWindowExA with this object as the creation parameter.
    bool Create(HINSTANCE instance,
                const char* className,
                const char* caption,
                DWORD style,
                DWORD exStyle,
                int x,
                int y,
                int width,
                int height,
                HWND parent);
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK Trampoline(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    HWND hwnd_ = nullptr;
};

}  // namespace talvane::ui
