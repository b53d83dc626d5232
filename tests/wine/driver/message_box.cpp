#include "message_box.h"

#include <vector>

#include "controls.h"
#include "window_find.h"

namespace talvane::wine_driver {
namespace {

constexpr int kMessageTextId = 0xFFFF;

BOOL CALLBACK CollectChild(HWND window, LPARAM context) {
    reinterpret_cast<std::vector<HWND>*>(context)->push_back(window);
    return TRUE;
}

}  // namespace

HWND WaitForMessageBox(DWORD process_id, DWORD timeout_ms) {
    return WaitForTopLevelWindow({process_id, "#32770", nullptr, true}, timeout_ms);
}

std::string MessageBoxText(HWND box) {
    std::vector<HWND> children;
    EnumChildWindows(box, CollectChild, reinterpret_cast<LPARAM>(&children));
    std::string longest;
    for (HWND child : children) {
        if (_stricmp(ClassNameOf(child).c_str(), "Static") != 0) {
            continue;
        }
        const auto text = ReadText(child);
        if (!text) {
            continue;
        }
        if ((GetDlgCtrlID(child) & 0xFFFF) == kMessageTextId) {
            return *text;
        }
        if (text->size() > longest.size()) {
            longest = *text;
        }
    }
    return longest;
}

bool AnswerMessageBox(HWND box, int button_id) {
    HWND button = FindControl(box, button_id);
    return button != nullptr && PostClick(button);
}

}  // namespace talvane::wine_driver
