#include "control_ids.h"
#include "optimizer/optimizer_page.h"

namespace talvane {

namespace {

constexpr ControlKind P = ControlKind::Panel;
constexpr ControlKind L = ControlKind::Label;
constexpr Surface kNoSurface = Surface::None;

std::vector<ControlRow> BuildOptimizerPageControls() {
    return {
        // Page 0: the memory graph
        {IDC_FORM1_GRAPH_BOX, IDC_FORM1_PAGE0, P, 16, 16, 425, 161, kNoRow, "", Surface::Light, Art::None, kRaised},
        {IDC_FORM1_LABEL15, IDC_FORM1_GRAPH_BOX, L, 16, 8, 300, 14, 4, "Label15", kNoSurface, Art::None, 0},
        {IDC_FORM1_GRAPH, IDC_FORM1_GRAPH_BOX, ControlKind::Graph, 16, 25, 360, 120, kNoRow, "", kNoSurface, Art::None,
         0},
        {IDC_FORM1_SCALE_TOP, IDC_FORM1_GRAPH_BOX, L, 380, 22, 40, 14, kNoRow, "", kNoSurface, Art::None, 0},
        {IDC_FORM1_SCALE_MIDDLE, IDC_FORM1_GRAPH_BOX, L, 380, 79, 40, 14, kNoRow, "", kNoSurface, Art::None, 0},
        {IDC_FORM1_SCALE_BOTTOM, IDC_FORM1_GRAPH_BOX, L, 380, 135, 40, 14, kNoRow, "", kNoSurface, Art::None, 0},

        // Page 0: the optimizer settings and the engine switch
        {IDC_FORM1_LABEL4, IDC_FORM1_PAGE0, L, 16, 196, 110, 14, 5, "Label4", kNoSurface, Art::None, 0},
        {IDC_FORM1_TRACKBAR1, IDC_FORM1_PAGE0, ControlKind::TrackBar, 128, 192, 265, 25, kNoRow, "", kNoSurface,
         Art::None, kHandCursor},
        {IDC_FORM1_LABEL5, IDC_FORM1_PAGE0, L, 396, 196, 60, 14, kNoRow, "Label5", kNoSurface, Art::None, 0},
        {IDC_FORM1_LABEL50, IDC_FORM1_PAGE0, L, 16, 228, 110, 14, 6, "Label50", kNoSurface, Art::None, 0},
        {IDC_FORM1_TRACKBAR2, IDC_FORM1_PAGE0, ControlKind::TrackBar, 128, 224, 265, 25, kNoRow, "", kNoSurface,
         Art::None, kHandCursor},
        {IDC_FORM1_LABEL6, IDC_FORM1_PAGE0, L, 396, 228, 60, 14, kNoRow, "Label6", kNoSurface, Art::None, 0},
        {IDC_FORM1_SPEEDBUTTON5, IDC_FORM1_PAGE0, ControlKind::Toggle, 16, 271, 65, 22, 72, "Enable", kNoSurface,
         Art::None, kHandCursor},
        {IDC_FORM1_SPEEDBUTTON4, IDC_FORM1_PAGE0, ControlKind::Toggle, 88, 271, 73, 22, 73, "Disable", kNoSurface,
         Art::None, kHandCursor},
        {IDC_FORM1_OPTIMIZER_SEPARATOR, IDC_FORM1_PAGE0, ControlKind::Bevel, 168, 271, 2, 23, kNoRow, "", kNoSurface,
         Art::None, 0},
        {IDC_FORM1_SPEEDBUTTON3, IDC_FORM1_PAGE0, ControlKind::FlatButton, 176, 271, 97, 22, kNoRow, "More Options",
         kNoSurface, Art::None, kHandCursor},

    };
}

}  // namespace

const std::vector<ControlRow>& OptimizerPageControls() {
    static const std::vector<ControlRow> controls = BuildOptimizerPageControls();
    return controls;
}

}  // namespace talvane
