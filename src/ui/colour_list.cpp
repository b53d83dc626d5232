#include "ui/colour_list.h"

#include "platform/win32/handles.h"

namespace talvane::ui {

namespace {

// As tall as the default list entries of the dialogs' font, with room for a framed swatch.
constexpr int kItemHeight = 16;
constexpr int kSwatchWidth = 22;

}  // namespace

void FillColourList(HWND combo, const std::vector<ColourEntry>& entries, int visibleRows) {
    SendMessageA(combo, CB_RESETCONTENT, 0, 0);
    for (const ColourEntry& entry : entries) {
        const LRESULT index = SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.name.c_str()));
        if (index >= 0) {
            SendMessageA(combo, CB_SETITEMDATA, static_cast<WPARAM>(index), static_cast<LPARAM>(entry.colour));
        }
    }
    // -1 is the selection field, 0 every list entry.
    SendMessageA(combo, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), kItemHeight);
    SendMessageA(combo, CB_SETITEMHEIGHT, 0, kItemHeight);
    // A drop-down list's window height is the height of its open list.
    RECT area;
    GetWindowRect(combo, &area);
    SetWindowPos(combo, nullptr, 0, 0, area.right - area.left, kItemHeight * (visibleRows + 1) + 8,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool DrawColourEntry(const DRAWITEMSTRUCT& item) {
    if (item.CtlType != ODT_COMBOBOX) {
        return false;
    }
    const HDC dc = item.hDC;
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    RECT area = item.rcItem;
    FillRect(dc, &area, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    // An empty selection field shows nothing but its background.
    if (item.itemID != static_cast<UINT>(-1)) {
        const auto colour = static_cast<COLORREF>(SendMessageA(item.hwndItem, CB_GETITEMDATA, item.itemID, 0));
        RECT swatch{area.left + 2, area.top + 2, area.left + 2 + kSwatchWidth, area.bottom - 2};
        win32::UniqueBrush fill(CreateSolidBrush(colour));
        FillRect(dc, &swatch, fill.Get());
        FrameRect(dc, &swatch, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));

        const LRESULT length = SendMessageA(item.hwndItem, CB_GETLBTEXTLEN, item.itemID, 0);
        if (length > 0) {
            std::string name(static_cast<std::size_t>(length) + 1, '\0');
            SendMessageA(item.hwndItem, CB_GETLBTEXT, item.itemID, reinterpret_cast<LPARAM>(name.data()));
            name.resize(static_cast<std::size_t>(length));
            RECT text{swatch.right + 4, area.top, area.right - 2, area.bottom};
            SetBkMode(dc, TRANSPARENT);
            SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
            DrawTextA(dc, name.c_str(), static_cast<int>(name.size()), &text,
                      DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
        }
    }
    if ((item.itemState & ODS_FOCUS) != 0) {
        DrawFocusRect(dc, &area);
    }
    return true;
}

}  // namespace talvane::ui
