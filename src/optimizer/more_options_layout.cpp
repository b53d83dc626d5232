#include "control_ids.h"
#include "optimizer/more_options.h"

namespace talvane {

namespace {

constexpr ControlKind L = ControlKind::Label;
constexpr ControlKind C = ControlKind::Check;
constexpr ControlKind S = ControlKind::SpinEdit;
constexpr Surface kNoSurface = Surface::None;
constexpr Art kNoArt = Art::None;

// Where the tab control shows its pages with one row of tabs; the view moves them to what the control reports.
constexpr int kPageX = 12;
constexpr int kPageY = 32;
constexpr int kPageWidth = 433;
constexpr int kPageHeight = 261;
constexpr int kSpinWidth = 41;
constexpr int kSpinHeight = 22;
constexpr int kCheckHeight = 17;
constexpr int kLabelHeight = 13;
constexpr int kEditHeight = 21;

// A field laid over a caption's gap comes before the caption: earlier siblings are drawn on top.
FormTable BuildMoreOptionsForm() {
    FormTable form{472, 353, {}};
    form.controls = {
        {IDC_FORM4_PANEL9, 0, ControlKind::Panel, 8, 8, 457, 337, kNoRow, "", Surface::Light, kNoArt, 0},
        {IDC_FORM4_SPEEDBUTTON22, IDC_FORM4_PANEL9, ControlKind::FlatButton, 238, 305, 65, 22, kNoRow, "OK", kNoSurface,
         kNoArt, kHandCursor},
        {IDC_FORM4_SPEEDBUTTON23, IDC_FORM4_PANEL9, ControlKind::FlatButton, 310, 305, 65, 22, kNoRow, "Close",
         kNoSurface, kNoArt, kHandCursor},
        {IDC_FORM4_SPEEDBUTTON1, IDC_FORM4_PANEL9, ControlKind::FlatButton, 382, 305, 65, 22, kNoRow, "Help",
         kNoSurface, kNoArt, kHandCursor},
        {IDC_FORM4_TABSHEET1, IDC_FORM4_PANEL9, ControlKind::Panel, kPageX, kPageY, kPageWidth, kPageHeight, 12,
         "TabSheet1", Surface::ButtonFace, kNoArt, 0},
        {IDC_FORM4_TABSHEET2, IDC_FORM4_PANEL9, ControlKind::Panel, kPageX, kPageY, kPageWidth, kPageHeight, 26,
         "TabSheet2", Surface::ButtonFace, kNoArt, kHidden},
        {IDC_FORM4_TABSHEET3, IDC_FORM4_PANEL9, ControlKind::Panel, kPageX, kPageY, kPageWidth, kPageHeight, 38,
         "TabSheet3", Surface::ButtonFace, kNoArt, kHidden},
        {IDC_FORM4_TABSHEET4, IDC_FORM4_PANEL9, ControlKind::Panel, kPageX, kPageY, kPageWidth, kPageHeight, 52,
         "TabSheet4", Surface::ButtonFace, kNoArt, kHidden},
        // Below its pages, so that they cover its display area.
        {IDC_FORM4_PAGECONTROL1, IDC_FORM4_PANEL9, ControlKind::Tabs, 8, 8, 441, 289, kNoRow, "", kNoSurface, kNoArt,
         0},

        // Main
        {IDC_FORM4_CHECKBOX1, IDC_FORM4_TABSHEET1, C, 16, 16, 177, kCheckHeight, 13, "CheckBox1", kNoSurface, kNoArt,
         0},
        {IDC_FORM4_SPINEDIT1, IDC_FORM4_TABSHEET1, S, 80, 36, kSpinWidth, kSpinHeight, kNoRow, "", kNoSurface, kNoArt,
         0},
        {IDC_FORM4_SPINEDIT5, IDC_FORM4_TABSHEET1, S, 264, 36, kSpinWidth, kSpinHeight, kNoRow, "", kNoSurface, kNoArt,
         0},
        {IDC_FORM4_CHECKBOX3, IDC_FORM4_TABSHEET1, C, 16, 40, 345, kCheckHeight, 15, "CheckBox3", kNoSurface, kNoArt,
         0},
        {IDC_FORM4_SPINEDIT2, IDC_FORM4_TABSHEET1, S, 57, 68, kSpinWidth, kSpinHeight, kNoRow, "", kNoSurface, kNoArt,
         0},
        {IDC_FORM4_SPINEDIT3, IDC_FORM4_TABSHEET1, S, 160, 68, kSpinWidth, kSpinHeight, kNoRow, "", kNoSurface, kNoArt,
         0},
        {IDC_FORM4_SPINEDIT4, IDC_FORM4_TABSHEET1, S, 344, 68, kSpinWidth, kSpinHeight, kNoRow, "", kNoSurface, kNoArt,
         0},
        {IDC_FORM4_LABEL22, IDC_FORM4_TABSHEET1, L, 16, 72, 401, kLabelHeight, 17, "Label22", kNoSurface, kNoArt, 0},
        {IDC_FORM4_PANEL1, IDC_FORM4_TABSHEET1, ControlKind::Bevel, 16, 101, 401, 2, kNoRow, "", kNoSurface, kNoArt, 0},
        {IDC_FORM4_LABEL19, IDC_FORM4_TABSHEET1, L, 16, 113, 64, kLabelHeight, 20, "Label19", kNoSurface, kNoArt, 0},
        {IDC_FORM4_PROGRESSBAR1, IDC_FORM4_TABSHEET1, ControlKind::Progress, 80, 112, 273, 17, kNoRow, "", kNoSurface,
         kNoArt, 0},
        {IDC_FORM4_LABEL20, IDC_FORM4_TABSHEET1, L, 360, 112, 40, kLabelHeight, kNoRow, "0 %", kNoSurface, kNoArt, 0},
        {IDC_FORM4_CHECKBOX2, IDC_FORM4_TABSHEET1, C, 16, 136, 169, kCheckHeight, 21, "CheckBox2", kNoSurface, kNoArt,
         0},
        {IDC_FORM4_PANEL2, IDC_FORM4_TABSHEET1, ControlKind::Bevel, 16, 165, 401, 2, kNoRow, "", kNoSurface, kNoArt, 0},
        {IDC_FORM4_SPINEDIT6, IDC_FORM4_TABSHEET1, S, 240, 174, kSpinWidth, kSpinHeight, kNoRow, "", kNoSurface, kNoArt,
         0},
        {IDC_FORM4_CHECKBOX4, IDC_FORM4_TABSHEET1, C, 16, 176, 281, kCheckHeight, 24, "CheckBox4", kNoSurface, kNoArt,
         0},

        // Tray Icon
        {IDC_FORM4_IMAGE3, IDC_FORM4_TABSHEET2, ControlKind::Graph, 16, 16, 33, 33, kNoRow, "", kNoSurface, kNoArt, 0},
        {IDC_FORM4_LABEL28, IDC_FORM4_TABSHEET2, L, 16, 56, 50, kLabelHeight, 27, "Label28", kNoSurface, kNoArt, 0},
        {IDC_FORM4_IMAGE6, IDC_FORM4_TABSHEET2, ControlKind::Graph, 96, 16, 33, 33, kNoRow, "", kNoSurface, kNoArt, 0},
        {IDC_FORM4_LABEL29, IDC_FORM4_TABSHEET2, L, 80, 56, 70, kLabelHeight, 28, "Label29", kNoSurface, kNoArt, 0},
        {IDC_FORM4_PANEL3, IDC_FORM4_TABSHEET2, ControlKind::Bevel, 16, 85, 401, 2, kNoRow, "", kNoSurface, kNoArt, 0},
        {IDC_FORM4_LABEL30, IDC_FORM4_TABSHEET2, L, 16, 104, 98, kLabelHeight, 29, "Label30", kNoSurface, kNoArt, 0},
        {IDC_FORM4_COLORCOMBOBOX1, IDC_FORM4_TABSHEET2, ControlKind::ColourList, 116, 102, 97, 22, kNoRow, "",
         kNoSurface, kNoArt, 0},
        {IDC_FORM4_COMBOBOX1, IDC_FORM4_TABSHEET2, ControlKind::ComboList, 58, 134, 127, kEditHeight, kNoRow, "",
         kNoSurface, kNoArt, 0},
        {IDC_FORM4_LABEL31, IDC_FORM4_TABSHEET2, L, 16, 137, 260, kLabelHeight, 31, "Label31", kNoSurface, kNoArt, 0},
        {IDC_FORM4_CHECKBOX5, IDC_FORM4_TABSHEET2, C, 16, 168, 169, kCheckHeight, 33, "CheckBox5", kNoSurface, kNoArt,
         0},

        // Popup Menu
        {IDC_FORM4_SPINEDIT7, IDC_FORM4_TABSHEET3, S, 62, 18, kSpinWidth, kSpinHeight, kNoRow, "", kNoSurface, kNoArt,
         0},
        {IDC_FORM4_LABEL21, IDC_FORM4_TABSHEET3, L, 16, 22, 140, kLabelHeight, 46, "Label21", kNoSurface, kNoArt, 0},
        {IDC_FORM4_SPINEDIT8, IDC_FORM4_TABSHEET3, S, 62, 43, kSpinWidth, kSpinHeight, kNoRow, "", kNoSurface, kNoArt,
         0},
        {IDC_FORM4_LABEL23, IDC_FORM4_TABSHEET3, L, 16, 47, 140, kLabelHeight, 48, "Label23", kNoSurface, kNoArt, 0},
        {IDC_FORM4_SPINEDIT9, IDC_FORM4_TABSHEET3, S, 62, 68, kSpinWidth, kSpinHeight, kNoRow, "", kNoSurface, kNoArt,
         0},
        {IDC_FORM4_LABEL24, IDC_FORM4_TABSHEET3, L, 16, 72, 140, kLabelHeight, 50, "Label24", kNoSurface, kNoArt, 0},
        // 227 pixels wide at this place, of which the page shows 217.
        {IDC_FORM4_IMAGE7, IDC_FORM4_TABSHEET3, ControlKind::Graph, 216, 16, 217, 217, kNoRow, "", kNoSurface, kNoArt,
         0},

        // Others
        {IDC_FORM4_CHECKBOX11, IDC_FORM4_TABSHEET4, C, 16, 16, 217, 25, 53, "CheckBox11", kNoSurface, kNoArt, 0},
        {IDC_FORM4_CHECKBOX13, IDC_FORM4_TABSHEET4, C, 16, 40, 209, 25, 55, "CheckBox13", kNoSurface, kNoArt, 0},
        {IDC_FORM4_SPEEDBUTTON3, IDC_FORM4_TABSHEET4, ControlKind::FlatButton, 354, 41, 23, 21, kNoRow, "...",
         kNoSurface, kNoArt, kHandCursor},
        {IDC_FORM4_EDIT1, IDC_FORM4_TABSHEET4, ControlKind::ReadOnlyEdit, 232, 42, 123, kEditHeight, kNoRow, "",
         kNoSurface, kNoArt, 0},
        {IDC_FORM4_PANEL4, IDC_FORM4_TABSHEET4, ControlKind::Bevel, 16, 72, 401, 2, kNoRow, "", kNoSurface, kNoArt, 0},
        {IDC_FORM4_EDIT2, IDC_FORM4_TABSHEET4, ControlKind::Edit, 180, 85, 21, kEditHeight, kNoRow, "", kNoSurface,
         kNoArt, 0},
        {IDC_FORM4_LABEL39, IDC_FORM4_TABSHEET4, L, 16, 88, 164, kLabelHeight, 57, "Label39", kNoSurface, kNoArt, 0},
        {IDC_FORM4_EDIT3, IDC_FORM4_TABSHEET4, ControlKind::Edit, 232, 111, 21, kEditHeight, kNoRow, "", kNoSurface,
         kNoArt, 0},
        {IDC_FORM4_LABEL40, IDC_FORM4_TABSHEET4, L, 16, 114, 216, kLabelHeight, 60, "Label40", kNoSurface, kNoArt, 0},
    };
    return form;
}

}  // namespace

const FormTable& MoreOptionsForm() {
    static const FormTable form = BuildMoreOptionsForm();
    return form;
}

}  // namespace talvane
