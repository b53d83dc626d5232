#include "control_ids.h"
#include "shell/about_box.h"

namespace talvane {

namespace {

constexpr ControlKind L = ControlKind::Label;
constexpr Surface kNoSurface = Surface::None;
constexpr int kFigureRight = 321;
constexpr int kFigureWidth = 100;

FormTable BuildAboutBoxForm() {
    FormTable form{355, 327, {}};
    form.controls = {
        {IDC_FORM3_PANEL2, 0, ControlKind::Panel, 6, 6, 343, 315, kNoRow, "", Surface::Light, Art::None, 0},
        {IDC_FORM3_IMAGE1, IDC_FORM3_PANEL2, ControlKind::Graph, 1, 1, 341, 71, kNoRow, "", kNoSurface, Art::None, 0},
        {IDC_FORM3_IMAGE2, IDC_FORM3_PANEL2, ControlKind::Graph, 1, 72, 341, 5, kNoRow, "", kNoSurface, Art::None, 0},
        {IDC_FORM3_LABEL5, IDC_FORM3_PANEL2, L, 120, 96, 200, 14, kNoRow, "Talvane Limited Edition", kNoSurface,
         Art::None, 0},
        {IDC_FORM3_LABEL1, IDC_FORM3_PANEL2, L, 120, 112, 200, 14, 201, "Label1", kNoSurface, Art::None, 0},
        {IDC_FORM3_PANEL1, IDC_FORM3_PANEL2, ControlKind::Bevel, 120, 173, 201, 2, kNoRow, "", kNoSurface, Art::None,
         0},
        {IDC_FORM3_LABEL4, IDC_FORM3_PANEL2, L, 120, 184, 130, 14, 205, "Label4", kNoSurface, Art::None, 0},
        {IDC_FORM3_LABEL7, IDC_FORM3_PANEL2, L, 120, 200, 130, 14, 206, "Label7", kNoSurface, Art::None, 0},
        {IDC_FORM3_LABEL8, IDC_FORM3_PANEL2, L, 120, 216, 130, 14, 207, "Label8", kNoSurface, Art::None, 0},
        {IDC_FORM3_LABEL9, IDC_FORM3_PANEL2, L, 120, 232, 130, 14, 208, "Label9", kNoSurface, Art::None, 0},
        {IDC_FORM3_LABEL10, IDC_FORM3_PANEL2, L, 120, 248, 130, 14, 209, "Label10", kNoSurface, Art::None, 0},
        {IDC_FORM3_LABEL11, IDC_FORM3_PANEL2, L, kFigureRight - kFigureWidth, 184, kFigureWidth, 14, kNoRow, "",
         kNoSurface, Art::None, kRightAligned},
        {IDC_FORM3_LABEL12, IDC_FORM3_PANEL2, L, kFigureRight - kFigureWidth, 200, kFigureWidth, 14, kNoRow, "",
         kNoSurface, Art::None, kRightAligned},
        {IDC_FORM3_LABEL13, IDC_FORM3_PANEL2, L, kFigureRight - kFigureWidth, 216, kFigureWidth, 14, kNoRow, "",
         kNoSurface, Art::None, kRightAligned},
        {IDC_FORM3_LABEL14, IDC_FORM3_PANEL2, L, kFigureRight - kFigureWidth, 232, kFigureWidth, 14, kNoRow, "",
         kNoSurface, Art::None, kRightAligned},
        {IDC_FORM3_LABEL15, IDC_FORM3_PANEL2, L, kFigureRight - kFigureWidth, 248, kFigureWidth, 14, kNoRow, "",
         kNoSurface, Art::None, kRightAligned},
        {IDC_FORM3_SPEEDBUTTON4, IDC_FORM3_PANEL2, ControlKind::FlatButton, 264, 283, 59, 22, 113, "Close", kNoSurface,
         Art::None, kHandCursor},
    };
    return form;
}

}  // namespace

const FormTable& AboutBoxForm() {
    static const FormTable form = BuildAboutBoxForm();
    return form;
}

}  // namespace talvane
