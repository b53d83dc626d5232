// The least a Win32 program can do to show a 630x490 client window: the floor a start-up benchmark compares with.
// Built a second time as floor_styles_window with TALVANE_FLOOR_STYLES: then also the least a program with visual
// styles does first, the common-controls-6 manifest (its resource) and InitCommonControlsEx.
#include <windows.h>

#ifdef TALVANE_FLOOR_STYLES
#include <commctrl.h>
#endif

namespace {

LRESULT CALLBACK FloorProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wparam, lparam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
#ifdef TALVANE_FLOOR_STYLES
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof(controls);
    controls.dwICC = ICC_WIN95_CLASSES;
    InitCommonControlsEx(&controls);
#endif
    WNDCLASSA window_class = {};
    window_class.lpfnWndProc = FloorProc;
    window_class.hInstance = instance;
    window_class.hCursor = LoadCursor(nullptr, IDC_ARROW);
    window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    window_class.lpszClassName = "TalvaneFloor";
    if (!RegisterClassA(&window_class)) {
        return 1;
    }
    constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    RECT frame = {0, 0, 630, 490};
    AdjustWindowRectEx(&frame, kStyle, FALSE, 0);
    HWND window =
        CreateWindowExA(0, "TalvaneFloor", "Floor", kStyle, CW_USEDEFAULT, CW_USEDEFAULT, frame.right - frame.left,
                        frame.bottom - frame.top, nullptr, nullptr, instance, nullptr);
    if (window == nullptr) {
        return 2;
    }
    ShowWindow(window, show);
    UpdateWindow(window);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}
