#include "control_ids.h"
#include "shell/main_window_model.h"

namespace talvane {

namespace {

constexpr ControlKind P = ControlKind::Panel;
constexpr ControlKind L = ControlKind::Label;
constexpr ControlKind B = ControlKind::FlatButton;
constexpr ControlKind N = ControlKind::NavButton;
constexpr Surface kNoSurface = Surface::None;

// The navigation entries, evenly spaced so that all five fit the inner pane.
constexpr int kNavStep = 80;
constexpr int kNavTop = 14;
constexpr int kNavButtonX = 52;
constexpr int NavButtonY(int k) {
    return kNavTop + k * kNavStep;
}
constexpr int NavLabelY(int k) {
    return NavButtonY(k) + 36;
}

constexpr ControlRow PagePanel(int id) {
    return {id, IDC_FORM1_TITLE_PANEL, P, 0, 23, 457, 305, kNoRow, "", Surface::Light, Art::None, kHidden | kOnDemand};
}

FormTable BuildMainWindowForm() {
    FormTable form{630, 490, {}};
    form.controls = {
        // Toolbar
        {IDC_FORM1_TOOLBAR, 0, P, 0, 0, 630, 65, kNoRow, "", Surface::ButtonFace, Art::None, 0},
        {IDC_FORM1_APPLY, IDC_FORM1_TOOLBAR, B, 4, 6, 55, 53, kNoRow, "Apply", kNoSurface, Art::Apply, kHandCursor},
        {IDC_FORM1_CANCEL, IDC_FORM1_TOOLBAR, B, 59, 6, 55, 53, kNoRow, "Cancel", kNoSurface, Art::Cancel, kHandCursor},
        {IDC_FORM1_HELP, IDC_FORM1_TOOLBAR, B, 114, 6, 56, 53, kNoRow, "Help", kNoSurface, Art::Help, kHandCursor},
        {IDC_FORM1_TOOLBAR_SEPARATOR, IDC_FORM1_TOOLBAR, ControlKind::Bevel, 172, 8, 2, 49, kNoRow, "", kNoSurface,
         Art::None, 0},
        {IDC_FORM1_HOMEPAGE, IDC_FORM1_TOOLBAR, B, 176, 6, 72, 53, kNoRow, "Home Page", kNoSurface, Art::HomePage,
         kHandCursor},
        {IDC_FORM1_ABOUT, IDC_FORM1_TOOLBAR, B, 248, 6, 56, 53, kNoRow, "About", kNoSurface, Art::About, kHandCursor},
        {IDC_FORM1_LABEL13, IDC_FORM1_TOOLBAR, L, 320, 8, 60, 13, 63, "Label13", kNoSurface, Art::None, kHidden},
        {IDC_FORM1_LABEL14, IDC_FORM1_TOOLBAR, L, 320, 24, 60, 13, 64, "Label14", kNoSurface, Art::None, kHidden},
        {IDC_FORM1_LABEL8, IDC_FORM1_TOOLBAR, L, 390, 8, 60, 13, 65, "Label8", kNoSurface, Art::None, kHidden},
        {IDC_FORM1_LABEL26, IDC_FORM1_TOOLBAR, L, 390, 24, 60, 13, 71, "Label26", kNoSurface, Art::None, kHidden},

        // Navigation pane
        {IDC_FORM1_NAV_PANE, 0, P, 0, 65, 153, 425, kNoRow, "", Surface::Dark, Art::None, 0},
        {IDC_FORM1_NAV_INNER, IDC_FORM1_NAV_PANE, P, 8, 8, 137, 409, kNoRow, "", Surface::Light, Art::None, 0},
        {IDC_FORM1_NAV_OPTIMIZER, IDC_FORM1_NAV_INNER, N, kNavButtonX, NavButtonY(0), 32, 32, kNoRow, "RAM Optimizer",
         kNoSurface, Art::NavOptimizer, kHandCursor},
        {IDC_FORM1_LABEL3, IDC_FORM1_NAV_INNER, L, 2, NavLabelY(0), 133, 14, 0, "Label3", kNoSurface, Art::None,
         kCentered},
        {IDC_FORM1_NAV_SYSINFO, IDC_FORM1_NAV_INNER, N, kNavButtonX, NavButtonY(1), 32, 32, kNoRow,
         "System Information", kNoSurface, Art::NavSysInfo, kHandCursor},
        {IDC_FORM1_LABEL33, IDC_FORM1_NAV_INNER, L, 2, NavLabelY(1), 133, 14, 70, "Label33", kNoSurface, Art::None,
         kCentered},
        {IDC_FORM1_NAV_STARTUP, IDC_FORM1_NAV_INNER, N, kNavButtonX, NavButtonY(2), 32, 32, kNoRow, "Startup Manager",
         kNoSurface, Art::NavStartup, kHandCursor},
        {IDC_FORM1_LABEL32, IDC_FORM1_NAV_INNER, L, 2, NavLabelY(2), 133, 14, 69, "Label32", kNoSurface, Art::None,
         kCentered},
        {IDC_FORM1_NAV_SHORTCUT, IDC_FORM1_NAV_INNER, N, kNavButtonX, NavButtonY(3), 32, 32, kNoRow, "Create Shortcut",
         kNoSurface, Art::NavShortcut, kHandCursor},
        {IDC_FORM1_LABEL27, IDC_FORM1_NAV_INNER, L, 2, NavLabelY(3), 133, 14, 68, "Label27", kNoSurface, Art::None,
         kCentered},
        {IDC_FORM1_NAV_TWEAK, IDC_FORM1_NAV_INNER, N, kNavButtonX, NavButtonY(4), 32, 32, kNoRow, "Windows Tweak",
         kNoSurface, Art::NavTweak, kHandCursor},
        {IDC_FORM1_LABEL42, IDC_FORM1_NAV_INNER, L, 2, NavLabelY(4), 133, 14, 131, "Label42", kNoSurface, Art::None,
         kCentered},
        {IDC_FORM1_NAV_SEPARATOR, 0, ControlKind::Bevel, 153, 65, 3, 425, kNoRow, "", kNoSurface, Art::None, 0},

        // Content area
        {IDC_FORM1_CONTENT, 0, P, 156, 65, 474, 425, kNoRow, "", Surface::Middle, Art::None, 0},
        {IDC_FORM1_TITLE_PANEL, IDC_FORM1_CONTENT, P, 8, 9, 457, 328, kNoRow, "", Surface::Light, Art::None,
         kTitleStrip},
        {IDC_FORM1_TITLE_IMAGE, IDC_FORM1_TITLE_PANEL, ControlKind::Image, 8, 6, 16, 16, kNoRow, "", kNoSurface,
         Art::StripTitle, 0},
        {IDC_FORM1_TITLE, IDC_FORM1_TITLE_PANEL, ControlKind::TitleLabel, 32, 7, 300, 14, kNoRow, "", kNoSurface,
         Art::None, 0},
        // Pages lie over the title panel below its strip; each panel is made when its page is first built.
        PagePanel(IDC_FORM1_PAGE0),
        PagePanel(IDC_FORM1_PAGE1),
        PagePanel(IDC_FORM1_PAGE2),
        PagePanel(IDC_FORM1_PAGE3),
        PagePanel(IDC_FORM1_PAGE4),
        PagePanel(IDC_FORM1_PAGE5),

        // Quick-info panel
        {IDC_FORM1_QUICKINFO, IDC_FORM1_CONTENT, P, 8, 343, 457, 74, kNoRow, "", Surface::Light, Art::None,
         kTitleStrip},
        {IDC_FORM1_QUICKINFO_IMAGE, IDC_FORM1_QUICKINFO, ControlKind::Image, 8, 7, 16, 16, kNoRow, "", kNoSurface,
         Art::StripQuickInfo, 0},
        {IDC_FORM1_LABEL9, IDC_FORM1_QUICKINFO, ControlKind::TitleLabel, 32, 7, 200, 14, 2, "Label9", kNoSurface,
         Art::None, 0},
        {IDC_FORM1_LABEL12, IDC_FORM1_QUICKINFO, L, 296, 7, 158, 14, 3, "Label12", kNoSurface, Art::None, 0},
        {IDC_FORM1_QUICKINFO_LINE1, IDC_FORM1_QUICKINFO, L, 16, 36, 437, 14, kNoRow, "Detail", kNoSurface, Art::None,
         0},
        {IDC_FORM1_QUICKINFO_LINE2, IDC_FORM1_QUICKINFO, L, 16, 52, 437, 14, kNoRow, "Detail", kNoSurface, Art::None,
         0},
    };
    return form;
}

}  // namespace

const FormTable& MainWindowForm() {
    static const FormTable form = BuildMainWindowForm();
    return form;
}

}  // namespace talvane
