#include "ui/flat_button.h"

namespace talvane::ui {

bool DrawFlatButton(const Theme& theme, const Form& form, const DRAWITEMSTRUCT& item) {
    const ControlRow* entry = form.Row(static_cast<int>(item.CtlID));
    if (entry == nullptr || (entry->kind != ControlKind::FlatButton && entry->kind != ControlKind::NavButton)) {
        return false;
    }
    const ControlRow* parent = form.Row(entry->parent);
    const HDC dc = item.hDC;
    RECT area = item.rcItem;
    FillRect(dc, &area, theme.Brush(parent != nullptr ? parent->surface : Surface::ButtonFace));
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    const bool disabled = (item.itemState & ODS_DISABLED) != 0;
    const int shift = pressed ? 1 : 0;
    char text[128] = {};
    GetWindowTextA(item.hwndItem, text, sizeof(text));
    if (entry->kind == ControlKind::NavButton) {
        RECT image = area;
        OffsetRect(&image, shift, shift);
        theme.DrawArt(dc, entry->art, image, disabled);
    } else {
        const bool hasArt = entry->art != Art::None;
        RECT caption{area.left + shift, area.top + shift, area.right + shift, area.bottom + shift};
        if (hasArt) {
            RECT image{area.left + shift, area.top + 4 + shift, area.right + shift, area.top + 30 + shift};
            theme.DrawArt(dc, entry->art, image, disabled);
            caption.top = area.top + 31 + shift;
        }
        win32::SelectGuard font(dc, theme.NormalFont());
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, GetSysColor(disabled ? COLOR_GRAYTEXT : COLOR_BTNTEXT));
        DrawTextA(dc, text, -1, &caption, DT_CENTER | DT_SINGLELINE | DT_NOPREFIX | (hasArt ? 0 : DT_VCENTER));
        if (!hasArt && !pressed) {
            // A caption-only flat button still shows where it can be pressed.
            DrawEdge(dc, &area, BDR_RAISEDINNER, BF_RECT);
        }
    }
    if (pressed) {
        DrawEdge(dc, &area, BDR_SUNKENOUTER, BF_RECT);
    }
    if ((item.itemState & ODS_FOCUS) != 0) {
        RECT focus = area;
        InflateRect(&focus, -2, -2);
        DrawFocusRect(dc, &focus);
    }
    return true;
}

}  // namespace talvane::ui
