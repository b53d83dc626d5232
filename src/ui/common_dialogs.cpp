#include "ui/common_dialogs.h"

#include <cstddef>

#include "base/file_filter.h"

namespace talvane::ui {

namespace {

// The headers always declare the fields that XP and 2000 added, so sizeof gives sizes the older DLLs refuse:
// comctl32 before 6 (98, Me, NT 4.0, 2000) adds no tool of more than 44 bytes, and comdlg32 of 95, 98 and NT 4.0
// opens no dialog of more than 76. The sizes up to the first added field are what every version takes.
constexpr UINT kToolInfoSize = offsetof(TOOLINFOA, lpReserved);
constexpr DWORD kOpenFileNameSize = offsetof(OPENFILENAMEA, pvReserved);
#ifndef _WIN64
static_assert(kToolInfoSize == 44 && kOpenFileNameSize == 76, "the sizes Windows 98 knows");
#endif

}  // namespace

HWND AddHint(HINSTANCE instance, HWND window, HWND tool, const std::string& text) {
    const HWND hint = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                                      CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window, nullptr, instance, nullptr);
    if (hint == nullptr) {
        return nullptr;
    }
    std::string buffer = text;
    TOOLINFOA info{};
    info.cbSize = kToolInfoSize;
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info.hwnd = window;
    info.uId = reinterpret_cast<UINT_PTR>(tool);
    info.lpszText = buffer.data();
    SendMessageA(hint, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info));
    return hint;
}

std::optional<std::string> PickFile(win32::Win32FileDialog& dialogs, HWND owner, const std::string& pipedFilter) {
    const std::string filter = FileDialogFilter(pipedFilter);
    char path[MAX_PATH + 1] = {};
    OPENFILENAMEA dialog{};
    dialog.lStructSize = kOpenFileNameSize;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = path;
    dialog.nMaxFile = sizeof(path);
    dialog.Flags = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST | OFN_NOCHANGEDIR;
    if (!dialogs.GetOpenFileName(dialog)) {
        return std::nullopt;
    }
    return std::string(path);
}

}  // namespace talvane::ui
