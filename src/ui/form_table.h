// A form described once as a table of controls, from which a view creates them.
#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

namespace talvane {

enum class ControlKind : std::uint8_t {
    Panel,       // a coloured container
    Label,       // static text, transparent over its panel
    TitleLabel,  // "Arial" 8 points bold
    FlatButton,  // image above caption, flat
    NavButton,   // 32 x 32 image only, flat
    Image,       // a 16 x 16 strip icon
    Bevel,       // a sunken line or frame
    Graph,       // an owner-painted picture
    TrackBar,    // a slider
    Toggle,      // a push-like button that stays pressed (checked)
    Check,       // a check box
    Edit,        // a one-line edit box
    ReadOnlyEdit,
    SpinEdit,    // the edit box of a spin field; its view attaches the arrows
    ComboList,   // a drop-down list
    ColourList,  // a drop-down list of colours its view draws
    Progress,    // a progress bar
    Tabs,        // a tab control; its pages are panels laid over it
    ListView,    // a report list; its view adds the columns
    ListBox,     // a plain list of lines
    ComboEdit,   // a drop-down list the user may also type into
};

// Which palette colour a panel is painted with.
enum class Surface : std::uint8_t { None, ButtonFace, Dark, Middle, Light, Editor };

enum class Art : std::uint8_t {
    None,
    Apply,
    Cancel,
    Help,
    HomePage,
    About,
    NavOptimizer,
    NavSysInfo,
    NavStartup,
    NavShortcut,
    NavTweak,
    StripTitle,
    StripQuickInfo,
};

enum ControlFlag : std::uint32_t {
    kHidden = 1u << 0,
    kHandCursor = 1u << 1,
    kTitleStrip = 1u << 2,  // white strip with palette corners across the top
    kCentered = 1u << 3,
    kRaised = 1u << 4,
    kRightAligned = 1u << 5,
    kRoundedFrame = 1u << 6,  // a navy rounded outline on its parent's surface
    kOnDemand = 1u << 7,      // left out of its table's build; made when asked for by its ID
};

constexpr int kNoRow = -1;

struct ControlRow {
    int id;
    int parent;  // 0: the form's client area
    ControlKind kind;
    int x;
    int y;
    int width;
    int height;
    int textRow;       // kNoRow: use text
    const char* text;  // fixed caption, or the placeholder until the row is set
    Surface surface;
    Art art;
    std::uint32_t flags;
};

// A label, image or flat button on a panel that no other row on that panel overlaps: the panel may draw it, since it
// would paint over anything standing there.
inline bool DrawnByItsPanel(const ControlRow& row, const std::vector<ControlRow>& rows) {
    switch (row.kind) {
        case ControlKind::Label:
        case ControlKind::TitleLabel:
        case ControlKind::Image:
        case ControlKind::FlatButton:
        case ControlKind::NavButton: break;
        default: return false;
    }
    return row.parent != 0 && std::none_of(rows.begin(), rows.end(), [&](const ControlRow& other) {
               return &other != &row && other.parent == row.parent && other.x < row.x + row.width &&
                      row.x < other.x + other.width && other.y < row.y + row.height && row.y < other.y + other.height;
           });
}

struct FormTable {
    int clientWidth;
    int clientHeight;
    std::vector<ControlRow> controls;
};

}  // namespace talvane
