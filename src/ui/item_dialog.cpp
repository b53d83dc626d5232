#include "ui/item_dialog.h"

#include <array>

#include "base/text_table.h"
#include "control_ids.h"
#include "ui/common_dialogs.h"

namespace talvane::ui {

namespace {

constexpr ControlKind L = ControlKind::Label;
constexpr ControlKind B = ControlKind::FlatButton;
constexpr Surface kNone = Surface::None;
constexpr int kPageLeft = 8;
constexpr int kPageTop = 8;
constexpr int kCloseRow = 113;
constexpr int kBrowseHintRow = 92;
constexpr std::array<int, 3> kPriorityRows = {142, 143, 144};

struct PagePanel {
    int id;
    int width;
    int height;
};
constexpr std::array<PagePanel, 3> kPages = {{
    {IDC_FORM2_PANEL1, 313, 148},
    {IDC_FORM2_PANEL2, 276, 305},
    {IDC_FORM2_PANEL3, 353, 177},
}};

// The background is as large as the largest page with its margins; each opening shrinks the window to one page.
constexpr int kClientWidth = 2 * kPageLeft + 353;
constexpr int kClientHeight = 2 * kPageTop + 305;

ControlRow Page(const PagePanel& page) {
    return {page.id, IDC_FORM2_PANEL15, ControlKind::Panel, kPageLeft,        kPageTop, page.width, page.height, kNoRow,
            "",      Surface::Light,    Art::None,          kHidden | kRaised};
}

const FormTable& ItemDialogForm() {
    static const FormTable form{
        kClientWidth,
        kClientHeight,
        {
            {IDC_FORM2_PANEL15, 0, ControlKind::Panel, 0, 0, kClientWidth, kClientHeight, kNoRow, "", Surface::Middle,
             Art::None, 0},
            Page(kPages[0]),
            Page(kPages[1]),
            Page(kPages[2]),
            // Page 0: add a startup item
            {IDC_FORM2_LABEL1, IDC_FORM2_PANEL1, L, 10, 14, 100, 14, 109, "Label1", kNone, Art::None, 0},
            {IDC_FORM2_EDIT1, IDC_FORM2_PANEL1, ControlKind::Edit, 112, 10, 190, 21, kNoRow, "", kNone, Art::None, 0},
            {IDC_FORM2_LABEL2, IDC_FORM2_PANEL1, L, 10, 44, 100, 14, 110, "Label2", kNone, Art::None, 0},
            {IDC_FORM2_EDIT2, IDC_FORM2_PANEL1, ControlKind::ReadOnlyEdit, 112, 40, 163, 21, kNoRow, "", kNone,
             Art::None, 0},
            {IDC_FORM2_SPEEDBUTTON1, IDC_FORM2_PANEL1, B, 279, 40, 23, 21, kNoRow, "...", kNone, Art::None,
             kHandCursor},
            {IDC_FORM2_LABEL3, IDC_FORM2_PANEL1, L, 10, 74, 100, 14, 111, "Label3", kNone, Art::None, 0},
            {IDC_FORM2_COMBOBOX1, IDC_FORM2_PANEL1, ControlKind::ComboEdit, 112, 70, 190, 120, kNoRow, "", kNone,
             Art::None, 0},
            {IDC_FORM2_SPEEDBUTTON2, IDC_FORM2_PANEL1, B, 112, 110, 104, 25, 112, "Create Shortcut", kNone, Art::None,
             kHandCursor},
            {IDC_FORM2_SPEEDBUTTON7, IDC_FORM2_PANEL1, B, 222, 110, 80, 25, kCloseRow, "Close", kNone, Art::None,
             kHandCursor},
            // Page 1: the priority of a process
            {IDC_FORM2_LABEL4, IDC_FORM2_PANEL2, L, 10, 14, 76, 14, 140, "Label4", kNone, Art::None, 0},
            {IDC_FORM2_EDIT3, IDC_FORM2_PANEL2, ControlKind::ReadOnlyEdit, 88, 10, 178, 21, kNoRow, "", kNone,
             Art::None, 0},
            {IDC_FORM2_LABEL5, IDC_FORM2_PANEL2, L, 10, 44, 76, 14, 141, "Label5", kNone, Art::None, 0},
            {IDC_FORM2_COMBOBOX2, IDC_FORM2_PANEL2, ControlKind::ComboList, 88, 40, 178, 100, kNoRow, "", kNone,
             Art::None, 0},
            {IDC_FORM2_LABEL6, IDC_FORM2_PANEL2, ControlKind::TitleLabel, 10, 76, 256, 14, 147, "Label6", kNone,
             Art::None, 0},
            {IDC_FORM2_LABEL10, IDC_FORM2_PANEL2, L, 10, 96, 256, 16, 148, "Label10", kNone, Art::None, 0},
            {IDC_FORM2_LABEL11, IDC_FORM2_PANEL2, L, 10, 112, 256, 16, 149, "Label11", kNone, Art::None, 0},
            {IDC_FORM2_LABEL12, IDC_FORM2_PANEL2, L, 10, 136, 256, 16, 150, "Label12", kNone, Art::None, 0},
            {IDC_FORM2_LABEL13, IDC_FORM2_PANEL2, L, 10, 152, 256, 16, 151, "Label13", kNone, Art::None, 0},
            {IDC_FORM2_LABEL14, IDC_FORM2_PANEL2, L, 10, 176, 256, 16, 152, "Label14", kNone, Art::None, 0},
            {IDC_FORM2_LABEL15, IDC_FORM2_PANEL2, L, 10, 192, 256, 16, 153, "Label15", kNone, Art::None, 0},
            {IDC_FORM2_LABEL16, IDC_FORM2_PANEL2, L, 10, 208, 256, 32, 154, "Label16", kNone, Art::None, 0},
            {IDC_FORM2_SPEEDBUTTON4, IDC_FORM2_PANEL2, B, 100, 268, 80, 25, 155, "OK ", kNone, Art::None, kHandCursor},
            {IDC_FORM2_SPEEDBUTTON3, IDC_FORM2_PANEL2, B, 186, 268, 80, 25, kCloseRow, "Close", kNone, Art::None,
             kHandCursor},
            // Page 2: the note after Apply
            {IDC_FORM2_LABEL7, IDC_FORM2_PANEL3, L, 10, 10, 333, 14, kNoRow, "", kNone, Art::None, 0},
            {IDC_FORM2_LABEL8, IDC_FORM2_PANEL3, L, 10, 26, 333, 14, kNoRow, "", kNone, Art::None, 0},
            {IDC_FORM2_LISTBOX1, IDC_FORM2_PANEL3, ControlKind::ListBox, 10, 46, 333, 86, kNoRow, "", kNone, Art::None,
             0},
            {IDC_FORM2_SPEEDBUTTON5, IDC_FORM2_PANEL3, B, 263, 140, 80, 25, kCloseRow, "Close", kNone, Art::None,
             kHandCursor},
        }};
    return form;
}

}  // namespace

ItemDialog::ItemDialog(HINSTANCE instance, const Theme& theme)
    : DialogWindow(instance, theme, "TForm2", ItemDialogForm()) {}

void ItemDialog::OnCreate() {
    RECT outer;
    RECT background;
    GetWindowRect(Handle(), &outer);
    GetWindowRect(Control(IDC_FORM2_PANEL15), &background);
    frameHeight_ = (outer.bottom - outer.top) - (background.bottom - background.top);
    frameWidth_ = (outer.right - outer.left) - (background.right - background.left);
    SetItems(IDC_FORM2_COMBOBOX2, TextTable::Texts(kPriorityRows));
    AddHint(Instance(), Handle(), Control(IDC_FORM2_SPEEDBUTTON1), TextTable::Row(kBrowseHintRow));
}

void ItemDialog::Open(HWND owner, ItemPage page, const std::string& caption, ItemDialogPage& handler) {
    if (Showing() || !EnsureCreated()) {
        return;
    }
    const PagePanel& panel = kPages[static_cast<std::size_t>(page)];
    const int width = 2 * kPageLeft + panel.width + frameWidth_;
    const int height = 2 * kPageTop + panel.height + frameHeight_;
    SetWindowPos(Control(IDC_FORM2_PANEL15), nullptr, 0, 0, 2 * kPageLeft + panel.width, 2 * kPageTop + panel.height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    // Centred on the desktop, as when it was made.
    const int left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    const int top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    SetWindowPos(Handle(), nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    ShowPage(static_cast<int>(page));
    SetWindowTextA(Handle(), caption.c_str());
    handler_ = &handler;
    handler.Opening(*this);
    ShowModal(owner);
    handler_ = nullptr;
}

void ItemDialog::ShowPage(int page) {
    for (std::size_t i = 0; i < kPages.size(); ++i) {
        Controls().Show(kPages[i].id, static_cast<int>(i) == page);
    }
}

void ItemDialog::Enable(int id, bool enabled) const {
    if (const HWND control = Control(id)) {
        EnableWindow(control, enabled ? TRUE : FALSE);
    }
}

void ItemDialog::OnCommand(int id, int code) {
    switch (id) {
        case IDC_FORM2_SPEEDBUTTON7:
        case IDC_FORM2_SPEEDBUTTON3:
        case IDC_FORM2_SPEEDBUTTON5: EndModal(); return;
        default: break;
    }
    if (handler_ != nullptr) {
        handler_->Command(*this, id, code);
    }
}

}  // namespace talvane::ui
