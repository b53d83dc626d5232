#include "ui/form_builder.h"

#include <optional>
#include <string>

#include <windowsx.h>

#include "base/text_table.h"

namespace talvane::ui {

namespace {

constexpr const char* kPanelClass = "TalvanePanel";
constexpr const char* kGraphClass = "TalvaneGraph";
constexpr int kStripHeight = 25;

// A panel's one extra slot holds the address of its Form::Panel: each slot set costs Wine a round trip to its server.
const Form::Panel* PanelOf(HWND panel) {
    return reinterpret_cast<const Form::Panel*>(GetWindowLongPtrA(panel, 0));
}

bool IsPanel(HWND window) {
    char name[32] = {};
    return GetClassNameA(window, name, sizeof(name)) != 0 && std::string(name) == kPanelClass;
}

void PaintPanel(HWND panel, HDC dc, const ControlRow& entry, const Theme& theme) {
    RECT area;
    GetClientRect(panel, &area);
    if ((entry.flags & kRoundedFrame) != 0) {
        const Form::Panel* parent = IsPanel(GetParent(panel)) ? PanelOf(GetParent(panel)) : nullptr;
        FillRect(dc, &area, theme.Brush(parent != nullptr ? parent->row->surface : Surface::None));
        const win32::UniquePen navy(CreatePen(PS_SOLID, 1, RGB(0, 0, 128)));
        const win32::SelectGuard pen(dc, navy.Get());
        const win32::SelectGuard brush(dc, theme.Brush(entry.surface));
        RoundRect(dc, area.left, area.top, area.right, area.bottom, 8, 8);
        return;
    }
    FillRect(dc, &area, theme.Brush(entry.surface));
    if ((entry.flags & kTitleStrip) != 0) {
        RECT strip = area;
        strip.bottom = strip.top + kStripHeight;
        FillRect(dc, &strip, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        const COLORREF corner = theme.Palette().middle;
        const int w = area.right;
        SetPixel(dc, 0, 0, corner);
        SetPixel(dc, 1, 0, corner);
        SetPixel(dc, 0, 1, corner);
        SetPixel(dc, w - 1, 0, corner);
        SetPixel(dc, w - 2, 0, corner);
        SetPixel(dc, w - 1, 1, corner);
    }
    if ((entry.flags & kRaised) != 0) {
        DrawEdge(dc, &area, BDR_RAISEDINNER | BDR_SUNKENOUTER, BF_RECT);
    }
}

// What a child of the panel stands on: white on a title strip, else the panel's surface.
HBRUSH ChildBrush(HWND panel, HWND child, const ControlRow& entry, const Theme& theme) {
    if ((entry.flags & kTitleStrip) != 0) {
        RECT area;
        GetWindowRect(child, &area);
        MapWindowPoints(nullptr, panel, reinterpret_cast<POINT*>(&area), 2);
        if (area.top < kStripHeight) {
            return static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
        }
    }
    return theme.Brush(entry.surface);
}

// The static's own DrawText format for the text styles the forms use.
UINT TextFormat(LONG style) {
    UINT format = DT_EXPANDTABS | DT_WORDBREAK | ((style & SS_NOPREFIX) != 0 ? DT_NOPREFIX : 0);
    switch (style & SS_TYPEMASK) {
        case SS_CENTER: return format | DT_CENTER;
        case SS_RIGHT: return format | DT_RIGHT;
        default: return format | DT_LEFT;
    }
}

// Draws one static as it draws itself: its background brush from the panel, then its text or its image. Images are
// drawn straight from the artwork: an icon control would need an icon made for it while the window is built, which
// under Wine costs dozens of round trips to its server per image.
void DrawStatic(HWND panel, HDC dc, HWND item, const RECT& area, const ControlRow& entry, const Theme& theme) {
    FillRect(dc, &area, ChildBrush(panel, item, entry, theme));
    const LONG style = GetWindowLongA(item, GWL_STYLE);
    if ((style & SS_TYPEMASK) == SS_OWNERDRAW) {
        theme.DrawArt(dc, static_cast<Art>(GetWindowLongPtrA(item, GWLP_USERDATA)), area, false);
        return;
    }
    const int length = GetWindowTextLengthA(item);
    if (length <= 0) {
        return;
    }
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    const int copied = GetWindowTextA(item, text.data(), length + 1);
    const win32::SelectGuard font(dc, reinterpret_cast<HFONT>(SendMessageA(item, WM_GETFONT, 0, 0)));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, (style & WS_DISABLED) != 0 ? GetSysColor(COLOR_GRAYTEXT) : RGB(0, 0, 0));
    RECT box = area;
    DrawTextA(dc, text.c_str(), copied, &box, TextFormat(style));
}

// Draws an owner-drawn button as it draws itself: its owner is asked, with the button's state, on a DC whose origin
// is the button's corner.
void DrawButton(HWND panel, HDC dc, HWND item, const RECT& area) {
    const auto state = static_cast<UINT>(SendMessageA(item, BM_GETSTATE, 0, 0));
    DRAWITEMSTRUCT draw{};
    draw.CtlType = ODT_BUTTON;
    draw.CtlID = static_cast<UINT>(GetDlgCtrlID(item));
    draw.itemAction = ODA_DRAWENTIRE;
    draw.itemState = ((state & BST_FOCUS) != 0 ? ODS_FOCUS : 0) | ((state & BST_PUSHED) != 0 ? ODS_SELECTED : 0) |
                     (IsWindowEnabled(item) == FALSE ? ODS_DISABLED : 0);
    draw.hwndItem = item;
    draw.hDC = dc;
    draw.rcItem = {0, 0, area.right - area.left, area.bottom - area.top};
    OffsetViewportOrgEx(dc, area.left, area.top, nullptr);
    SendMessageA(TopLevelOf(panel), WM_DRAWITEM, draw.CtlID, reinterpret_cast<LPARAM>(&draw));
}

// Under Wine each window that paints itself costs some fifteen round trips to its server. So the labels, images and
// flat buttons that stand alone on a panel are drawn with it, as they would draw themselves, and the part drawn is
// validated; one invalidated on its own (a new text, a press) still paints itself. Statics are transparent, which
// keeps the panel's DC from clipping them out; where that DC clips a child, one without that clipping draws it.
void DrawChildren(HWND panel, HDC painting, const RECT& painted, const Form::Panel& state) {
    std::optional<win32::WindowDc> unclipped;
    for (const auto& [item, button] : state.drawn) {
        if ((GetWindowLongA(item, GWL_STYLE) & WS_VISIBLE) == 0) {
            continue;
        }
        RECT area;
        GetWindowRect(item, &area);
        MapWindowPoints(nullptr, panel, reinterpret_cast<POINT*>(&area), 2);
        RECT drawn;
        if (IntersectRect(&drawn, &area, &painted) == FALSE) {
            continue;
        }
        HDC dc = painting;
        if (RectVisible(painting, &drawn) == FALSE) {
            if (!unclipped) {
                unclipped.emplace(panel, DCX_CACHE | DCX_CLIPSIBLINGS);
            }
            dc = unclipped->Get();
        }
        if (dc == nullptr) {
            continue;
        }
        const int saved = SaveDC(dc);
        IntersectClipRect(dc, drawn.left, drawn.top, drawn.right, drawn.bottom);
        if (button) {
            DrawButton(panel, dc, item, area);
        } else {
            DrawStatic(panel, dc, item, area, *state.row, *state.theme);
        }
        RestoreDC(dc, saved);
        OffsetRect(&drawn, -area.left, -area.top);
        ValidateRect(item, &drawn);
    }
}

// Panels paint themselves and their images, and pass their children's notifications up to the top-level window.
LRESULT CALLBACK PanelProc(HWND panel, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_NCCREATE: {
            auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
            SetWindowLongPtrA(panel, 0, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
            break;
        }
        // No frame: the default handling would take a window DC only to draw nothing.
        case WM_NCPAINT: return 0;
        case WM_ERASEBKGND: return 1;
        case WM_PAINT: {
            win32::PaintDc dc(panel);
            if (const Form::Panel* state = PanelOf(panel)) {
                PaintPanel(panel, dc.Get(), *state->row, *state->theme);
                DrawChildren(panel, dc.Get(), dc.Area(), *state);
            }
            return 0;
        }
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN: {
            const Form::Panel* state = PanelOf(panel);
            if (state == nullptr) {
                break;
            }
            auto* dc = reinterpret_cast<HDC>(wParam);
            SetBkMode(dc, TRANSPARENT);
            SetTextColor(dc, RGB(0, 0, 0));
            return reinterpret_cast<LRESULT>(
                ChildBrush(panel, reinterpret_cast<HWND>(lParam), *state->row, *state->theme));
        }
        case WM_DRAWITEM: {
            const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            const Form::Panel* state = PanelOf(panel);
            if (item.CtlType == ODT_STATIC && state != nullptr) {
                DrawStatic(panel, item.hDC, item.hwndItem, item.rcItem, *state->row, *state->theme);
                return TRUE;
            }
            return SendMessageA(TopLevelOf(panel), message, wParam, lParam);
        }
        case WM_COMMAND:
        case WM_NOTIFY:
        case WM_HSCROLL:
        case WM_VSCROLL: return SendMessageA(TopLevelOf(panel), message, wParam, lParam);
        case WM_MOUSEMOVE:
            SendMessageA(TopLevelOf(panel), kPanelMouseMove, reinterpret_cast<WPARAM>(panel), lParam);
            return 0;
        default: break;
    }
    return DefWindowProcA(panel, message, wParam, lParam);
}

// The graph shows a bitmap that its owner keeps in the window's user data.
LRESULT CALLBACK GraphProc(HWND graph, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCPAINT) {
        return 0;  // no frame, as a panel
    }
    if (message == WM_ERASEBKGND) {
        return 1;
    }
    if (message == WM_PAINT) {
        win32::PaintDc dc(graph);
        RECT area;
        GetClientRect(graph, &area);
        auto* bitmap = reinterpret_cast<HBITMAP>(GetWindowLongPtrA(graph, GWLP_USERDATA));
        if (bitmap == nullptr) {
            FillRect(dc.Get(), &area, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
            return 0;
        }
        win32::UniqueMemDc memory(CreateCompatibleDC(dc.Get()));
        win32::SelectGuard select(memory.Get(), bitmap);
        BitBlt(dc.Get(), 0, 0, area.right, area.bottom, memory.Get(), 0, 0, SRCCOPY);
        return 0;
    }
    return DefWindowProcA(graph, message, wParam, lParam);
}

DWORD StyleFor(const ControlRow& entry) {
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS;
    if ((entry.flags & kHidden) == 0) {
        style |= WS_VISIBLE;
    }
    switch (entry.kind) {
        case ControlKind::Panel: return style | WS_CLIPCHILDREN;
        case ControlKind::Label:
        case ControlKind::TitleLabel:
            if ((entry.flags & kCentered) != 0) {
                return style | SS_NOPREFIX | SS_CENTER;
            }
            return style | SS_NOPREFIX | ((entry.flags & kRightAligned) != 0 ? SS_RIGHT : SS_LEFT);
        case ControlKind::FlatButton:
        case ControlKind::NavButton: return style | WS_TABSTOP | BS_PUSHBUTTON | BS_OWNERDRAW;
        case ControlKind::Image: return style | SS_OWNERDRAW;
        case ControlKind::Bevel: return style | SS_SUNKEN;
        case ControlKind::Graph: return style;
        case ControlKind::TrackBar: return style | WS_TABSTOP | TBS_HORZ | TBS_AUTOTICKS | TBS_BOTTOM;
        case ControlKind::Toggle: return style | WS_TABSTOP | BS_RADIOBUTTON | BS_PUSHLIKE;
        case ControlKind::Check: return style | WS_TABSTOP | BS_AUTOCHECKBOX;
        case ControlKind::Edit:
        case ControlKind::SpinEdit: return style | WS_TABSTOP | ES_AUTOHSCROLL;
        case ControlKind::ReadOnlyEdit: return style | WS_TABSTOP | ES_AUTOHSCROLL | ES_READONLY;
        case ControlKind::ComboList: return style | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST;
        case ControlKind::ColourList:
            return style | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS;
        case ControlKind::Progress: return style;
        case ControlKind::Tabs: return style | WS_TABSTOP | TCS_MULTILINE;
        case ControlKind::ListView:
            return style | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_SHAREIMAGELISTS |
                   LVS_NOSORTHEADER;
        case ControlKind::ListBox: return style | WS_TABSTOP | WS_VSCROLL | LBS_NOINTEGRALHEIGHT;
        case ControlKind::ComboEdit: return style | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL;
    }
    return style;
}

DWORD ExStyleFor(ControlKind kind) {
    switch (kind) {
        case ControlKind::Panel: return WS_EX_CONTROLPARENT;
        case ControlKind::Edit:
        case ControlKind::SpinEdit:
        case ControlKind::ReadOnlyEdit:
        case ControlKind::ListView:
        case ControlKind::ListBox: return WS_EX_CLIENTEDGE;
        default: return 0;
    }
}

const char* ClassFor(ControlKind kind) {
    switch (kind) {
        case ControlKind::Panel: return kPanelClass;
        case ControlKind::FlatButton:
        case ControlKind::NavButton: return "BUTTON";
        case ControlKind::Graph: return kGraphClass;
        case ControlKind::TrackBar: return TRACKBAR_CLASSA;
        case ControlKind::Toggle:
        case ControlKind::Check: return "BUTTON";
        case ControlKind::Edit:
        case ControlKind::SpinEdit:
        case ControlKind::ReadOnlyEdit: return "EDIT";
        case ControlKind::ComboList:
        case ControlKind::ComboEdit:
        case ControlKind::ColourList: return "COMBOBOX";
        case ControlKind::ListView: return WC_LISTVIEWA;
        case ControlKind::ListBox: return "LISTBOX";
        case ControlKind::Progress: return PROGRESS_CLASSA;
        case ControlKind::Tabs: return WC_TABCONTROLA;
        default: return "STATIC";
    }
}

}  // namespace

void RelayPointerMove(const MSG& message) {
    if (message.message != WM_MOUSEMOVE || IsPanel(message.hwnd)) {
        return;
    }
    // Only child windows: a drop-down list is a pop-up of its combo box and lies over other controls.
    HWND panel = message.hwnd;
    while (panel != nullptr && (GetWindowLongA(panel, GWL_STYLE) & WS_CHILD) != 0 && !IsPanel(panel)) {
        panel = GetParent(panel);
    }
    if (panel == nullptr || !IsPanel(panel)) {
        return;
    }
    POINT at{GET_X_LPARAM(message.lParam), GET_Y_LPARAM(message.lParam)};
    MapWindowPoints(message.hwnd, panel, &at, 1);
    SendMessageA(TopLevelOf(panel), kPanelMouseMove, reinterpret_cast<WPARAM>(panel), MAKELPARAM(at.x, at.y));
}

HWND TopLevelOf(HWND window) {
    while (window != nullptr && (GetWindowLongA(window, GWL_STYLE) & WS_CHILD) != 0) {
        window = GetParent(window);
    }
    return window;
}

bool Form::RegisterClasses(HINSTANCE instance) {
    WNDCLASSA panel{};
    panel.lpfnWndProc = PanelProc;
    panel.cbWndExtra = sizeof(LONG_PTR);
    panel.hInstance = instance;
    panel.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    panel.lpszClassName = kPanelClass;
    WNDCLASSA graph{};
    graph.lpfnWndProc = GraphProc;
    graph.hInstance = instance;
    graph.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    graph.lpszClassName = kGraphClass;
    return RegisterClassA(&panel) != 0 && RegisterClassA(&graph) != 0;
}

namespace {

bool IsStatic(ControlKind kind) {
    return kind == ControlKind::Label || kind == ControlKind::TitleLabel || kind == ControlKind::Image;
}

}  // namespace

void Form::Build(HINSTANCE instance, HWND client, const std::vector<ControlRow>& rows, const Theme& theme) {
    for (const ControlRow& entry : rows) {
        if ((entry.flags & kOnDemand) == 0) {
            const auto panel = DrawnByItsPanel(entry, rows) ? panels_.find(entry.parent) : panels_.end();
            const bool drawn = panel != panels_.end();
            const HWND control = BuildRow(instance, client, entry, theme, drawn && IsStatic(entry.kind));
            if (control != nullptr && drawn) {
                panel->second.drawn.push_back({control, !IsStatic(entry.kind)});
            }
        }
    }
}

void Form::BuildOne(HINSTANCE instance, HWND client, const std::vector<ControlRow>& rows, int id, const Theme& theme) {
    if (Control(id) != nullptr) {
        return;
    }
    for (const ControlRow& entry : rows) {
        if (entry.id == id) {
            BuildRow(instance, client, entry, theme, false);
            return;
        }
    }
}

HWND Form::BuildRow(HINSTANCE instance, HWND client, const ControlRow& entry, const Theme& theme, bool transparent) {
    const HWND parent = entry.parent == 0 ? client : Control(entry.parent);
    // Each text set costs Wine a round trip to its server: a row's text is given at once, and an empty one
    // not at all.
    const char* text = entry.textRow != kNoRow ? TextTable::Row(entry.textRow) : entry.text;
    if (text != nullptr && *text == '\0') {
        text = nullptr;
    }
    Panel* panel = nullptr;
    if (entry.kind == ControlKind::Panel) {
        panel = &panels_[entry.id];
        panel->row = &entry;
        panel->theme = &theme;
    }
    const HWND control =
        CreateWindowExA(ExStyleFor(entry.kind) | (transparent ? WS_EX_TRANSPARENT : 0), ClassFor(entry.kind), text,
                        StyleFor(entry), entry.x, entry.y, entry.width, entry.height, parent,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(entry.id)), instance, panel);
    if (control == nullptr) {
        return nullptr;
    }
    const HFONT font = entry.kind == ControlKind::TitleLabel ? theme.TitleFont() : theme.NormalFont();
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    if (entry.kind == ControlKind::Image) {
        SetWindowLongPtrA(control, GWLP_USERDATA, static_cast<LONG_PTR>(entry.art));
    }
    controls_[entry.id] = control;
    rows_[entry.id] = &entry;
    return control;
}

HWND Form::Control(int id) const {
    const auto it = controls_.find(id);
    return it == controls_.end() ? nullptr : it->second;
}

const ControlRow* Form::Row(int id) const {
    const auto it = rows_.find(id);
    return it == rows_.end() ? nullptr : it->second;
}

std::string Form::Text(int id) const {
    const HWND control = Control(id);
    if (control == nullptr) {
        return {};
    }
    const int length = GetWindowTextLengthA(control);
    std::string text(static_cast<std::size_t>(length > 0 ? length : 0) + 1, '\0');
    const int copied = GetWindowTextA(control, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return text;
}

void Form::SetText(int id, const std::string& text) const {
    const HWND control = Control(id);
    if (control == nullptr) {
        return;
    }
    // Setting the same text again would only flicker.
    char current[512] = {};
    GetWindowTextA(control, current, sizeof(current));
    if (text != current) {
        SetWindowTextA(control, text.c_str());
    }
}

namespace {

bool IsCombo(const ControlRow* row) {
    return row != nullptr && (row->kind == ControlKind::ComboList || row->kind == ControlKind::ComboEdit ||
                              row->kind == ControlKind::ColourList);
}

}  // namespace

void Form::SetItems(int id, const std::vector<std::string>& items) const {
    const HWND control = Control(id);
    if (control == nullptr) {
        return;
    }
    const bool combo = IsCombo(Row(id));
    SendMessageA(control, combo ? CB_RESETCONTENT : LB_RESETCONTENT, 0, 0);
    for (const std::string& item : items) {
        SendMessageA(control, combo ? CB_ADDSTRING : LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    }
}

int Form::Selected(int id) const {
    const HWND control = Control(id);
    return control == nullptr
               ? -1
               : static_cast<int>(SendMessageA(control, IsCombo(Row(id)) ? CB_GETCURSEL : LB_GETCURSEL, 0, 0));
}

void Form::Select(int id, int index) const {
    if (const HWND control = Control(id)) {
        SendMessageA(control, IsCombo(Row(id)) ? CB_SETCURSEL : LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    }
}

void Form::ApplyTextRows(const std::vector<ControlRow>& rows) const {
    for (const ControlRow& entry : rows) {
        if (entry.textRow != kNoRow) {
            SetText(entry.id, TextTable::Row(entry.textRow));
        }
    }
}

void Form::Show(int id, bool visible) const {
    if (const HWND control = Control(id)) {
        ShowWindow(control, visible ? SW_SHOW : SW_HIDE);
    }
}

void Form::GrowFromRow(int id, int by) const {
    const ControlRow* row = Row(id);
    if (row != nullptr && by != 0) {
        SetWindowPos(Control(id), nullptr, 0, 0, row->width, row->height + by,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void Form::RepaintPanels() const {
    for (const auto& [id, entry] : rows_) {
        if (entry->kind == ControlKind::Panel && entry->parent == 0) {
            RedrawWindow(Control(id), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_ERASE);
        }
    }
}

}  // namespace talvane::ui
