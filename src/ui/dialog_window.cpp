#include "ui/dialog_window.h"

#include "ui/flat_button.h"

namespace talvane::ui {

namespace {

constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
// Posted to itself on activation changes: by the time it arrives the main window has derived the new palette.
constexpr UINT kRepaintInPalette = WM_APP + 3;

}  // namespace

bool DialogWindow::Create(const char* caption) {
    if (!Register(instance_, className_, theme_.AppIcon(), nullptr)) {
        return false;
    }
    const RECT frame = CentredFrame(table_.clientWidth, table_.clientHeight, kStyle, WS_EX_DLGMODALFRAME);
    if (!Window::Create(instance_, className_, caption, kStyle, WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT, frame.left,
                        frame.top, frame.right - frame.left, frame.bottom - frame.top, nullptr)) {
        return false;
    }
    form_.Build(instance_, Handle(), table_.controls, theme_);
    OnCreate();
    return true;
}

void DialogWindow::ShowModal(HWND owner) {
    if (showing_ || !EnsureCreated()) {
        return;
    }
    done_ = false;
    showing_ = true;
    SetWindowLongPtrA(Handle(), GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner));
    OnShowing();
    EnableWindow(owner, FALSE);
    ShowWindow(Handle(), SW_SHOW);
    SetForegroundWindow(Handle());
    MSG msg;
    bool quit = false;
    while (!done_) {
        const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got <= 0) {
            quit = true;
            break;
        }
        if (!IsDialogMessageA(Handle(), &msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    // Re-enable the owner before hiding, or Windows activates another program.
    EnableWindow(owner, TRUE);
    ShowWindow(Handle(), SW_HIDE);
    SetActiveWindow(owner);
    showing_ = false;
    if (quit) {
        PostQuitMessage(static_cast<int>(msg.wParam));
    }
}

LRESULT DialogWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CLOSE: EndModal(); return 0;
        case WM_COMMAND:
            // Escape comes as IDCANCEL from the dialog keyboard handling: it closes like the close box.
            if (LOWORD(wParam) == IDCANCEL && lParam == 0) {
                EndModal();
                return 0;
            }
            OnCommand(LOWORD(wParam), HIWORD(wParam));
            return 0;
        case WM_DRAWITEM:
            if (DrawFlatButton(theme_, form_, *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) {
                return TRUE;
            }
            break;
        case WM_ACTIVATEAPP:
            if (showing_) {
                PostMessageA(Handle(), kRepaintInPalette, 0, 0);
            }
            break;
        case kRepaintInPalette:
            form_.RepaintPanels();
            RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE);
            return 0;
        case WM_ERASEBKGND: {
            RECT area;
            GetClientRect(Handle(), &area);
            FillRect(reinterpret_cast<HDC>(wParam), &area, theme_.Brush(Surface::Middle));
            return 1;
        }
        default: break;
    }
    return Window::HandleMessage(message, wParam, lParam);
}

}  // namespace talvane::ui
