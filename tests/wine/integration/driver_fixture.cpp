// A window with one of each standard control, in its own process, for the driver's own tests.
// The "Ask" button shows a Yes/No box and the process then exits with the box's answer as its exit code.
#include <windows.h>

#include <commctrl.h>

#include <initializer_list>

#include "driver_fixture_ids.h"

namespace {

namespace fx = talvane::wine_fixture;

HWND g_hover_label = nullptr;
int g_exit_code = 0;

void SetHoverText(const char* text) {
    char current[32] = {};
    GetWindowTextA(g_hover_label, current, sizeof(current));
    if (lstrcmpA(current, text) != 0) {
        SetWindowTextA(g_hover_label, text);
    }
}

LRESULT CALLBACK PadProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_MOUSEMOVE) {
        SetHoverText(fx::kHoverPadText);
        return 0;
    }
    return DefWindowProcA(window, message, wparam, lparam);
}

HWND Child(HWND parent,
           const char* window_class,
           const char* text,
           DWORD style,
           int id,
           int x,
           int y,
           int w,
           int h,
           DWORD ex_style = 0) {
    return CreateWindowExA(ex_style, window_class, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
}

void AddRow(HWND list, int index, const char* first, const char* second, bool checked) {
    LVITEMA item = {};
    item.mask = LVIF_TEXT;
    item.iItem = index;
    item.pszText = const_cast<char*>(first);
    SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    item.iSubItem = 1;
    item.pszText = const_cast<char*>(second);
    SendMessageA(list, LVM_SETITEMTEXTA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    item.stateMask = LVIS_STATEIMAGEMASK;
    item.state = INDEXTOSTATEIMAGEMASK(checked ? 2 : 1);
    SendMessageA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
}

void CreateControls(HWND window) {
    HWND list = Child(window, WC_LISTVIEWA, "", LVS_REPORT | WS_BORDER, fx::kListViewId, 10, 10, 300, 100);
    SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_CHECKBOXES, LVS_EX_CHECKBOXES);
    LVCOLUMNA column = {};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.cx = 140;
    column.pszText = const_cast<char*>("Name");
    SendMessageA(list, LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
    column.pszText = const_cast<char*>("Command");
    SendMessageA(list, LVM_INSERTCOLUMNA, 1, reinterpret_cast<LPARAM>(&column));
    AddRow(list, 0, "Scheduler", "C:\\sched.exe /q", true);
    AddRow(list, 1, "Updater", "C:\\Program Files\\up.exe", false);
    AddRow(list, 2, "Tray", "", true);

    HWND combo = Child(window, WC_COMBOBOXA, "", CBS_DROPDOWNLIST | WS_VSCROLL, fx::kComboId, 320, 10, 150, 120);
    for (const char* entry : {"Alpha", "Beta", "Gamma"}) {
        SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry));
    }
    SendMessageA(combo, CB_SETCURSEL, 1, 0);

    HWND trackbar = Child(window, TRACKBAR_CLASSA, "", TBS_HORZ, fx::kTrackbarId, 10, 120, 300, 30);
    SendMessageA(trackbar, TBM_SETRANGE, TRUE, MAKELPARAM(0, 20));
    SendMessageA(trackbar, TBM_SETLINESIZE, 0, 3);
    SendMessageA(trackbar, TBM_SETPOS, TRUE, 5);

    HWND progress = Child(window, PROGRESS_CLASSA, "", 0, fx::kProgressId, 10, 160, 300, 16);
    SendMessageA(progress, PBM_SETRANGE32, 0, 100);
    SendMessageA(progress, PBM_SETPOS, 42, 0);

    Child(window, "BUTTON", "Enabled", BS_AUTOCHECKBOX, fx::kCheckId, 320, 50, 150, 20);
    CheckDlgButton(window, fx::kCheckId, BST_CHECKED);
    Child(window, "BUTTON", "Ask", BS_PUSHBUTTON, fx::kAskButtonId, 320, 80, 80, 24);
    g_hover_label = Child(window, "STATIC", "", 0, fx::kHoverLabelId, 10, 190, 300, 20);
    Child(window, "TalvaneHoverPad", "", WS_BORDER, fx::kHoverPadId, 320, 120, 150, 60);
}

LRESULT CALLBACK FixtureProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_CREATE: CreateControls(window); return 0;
        case WM_MOUSEMOVE: SetHoverText(fx::kHoverMainText); return 0;
        case WM_COMMAND:
            if (LOWORD(wparam) == fx::kAskButtonId && HIWORD(wparam) == BN_CLICKED) {
                g_exit_code = MessageBoxA(window, fx::kAskText, fx::kCaption, MB_YESNO | MB_ICONQUESTION);
                DestroyWindow(window);
            }
            return 0;
        case WM_DESTROY: PostQuitMessage(g_exit_code); return 0;
        default: return DefWindowProcA(window, message, wparam, lparam);
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES | ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&controls);

    WNDCLASSA pad_class = {};
    pad_class.lpfnWndProc = PadProc;
    pad_class.hInstance = instance;
    pad_class.hCursor = LoadCursor(nullptr, IDC_ARROW);
    pad_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    pad_class.lpszClassName = "TalvaneHoverPad";
    WNDCLASSA window_class = pad_class;
    window_class.lpfnWndProc = FixtureProc;
    window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    window_class.lpszClassName = fx::kWindowClass;
    if (!RegisterClassA(&pad_class) || !RegisterClassA(&window_class)) {
        return 1;
    }
    HWND window = CreateWindowExA(0, fx::kWindowClass, fx::kCaption, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, 40, 40,
                                  500, 260, nullptr, nullptr, instance, nullptr);
    if (window == nullptr) {
        return 2;
    }
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}
