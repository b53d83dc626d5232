#include "ui/common_dialogs.h"

#include "base/file_filter.h"

namespace talvane::ui {

HWND AddHint(HINSTANCE instance, HWND window, HWND tool, const std::string& text) {
    const HWND hint = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                                      CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window, nullptr, instance, nullptr);
    if (hint == nullptr) {
        return nullptr;
    }
    std::string buffer = text;
    TOOLINFOA info{};
    info.cbSize = sizeof(info);
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
    dialog.lStructSize = sizeof(dialog);
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
