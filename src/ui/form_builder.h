// Creates a form's controls from its table and finds them again by ID.
#pragma once

#include "platform/win32/win.h"

#include <map>
#include <string>
#include <vector>

#include "ui/form_table.h"
#include "ui/theme.h"

namespace talvane::ui {

// Sent to the top-level window when the pointer moves over a panel or over a control that takes the mouse itself
// (buttons, edits, lists: they would otherwise keep the move from their panel); wParam is the panel, lParam the
// point in the panel's client coordinates.
constexpr UINT kPanelMouseMove = WM_APP + 1;

// For a message loop, before it dispatches: a pointer move over a control that takes the mouse itself reaches its
// panel's top-level window as kPanelMouseMove, as a move over the panel does. The loop sees every move, so no
// control needs its procedure replaced for this.
void RelayPointerMove(const MSG& message);

// The top-level window a control stands in. GetAncestor would do, but Windows 95 and NT 4.0 before SP4 lack it,
// and importing it would keep the program from starting there at all.
HWND TopLevelOf(HWND window);

class Form {
public:
    // A child its panel draws whenever the panel paints: a static, or else an owner-drawn button.
    struct DrawnChild {
        HWND window;
        bool button;
    };

    // What a panel paints from; row and theme are set before the panel is made, so a panel's entry has both.
    struct Panel {
        const ControlRow* row = nullptr;
        const Theme* theme = nullptr;
        std::vector<DrawnChild> drawn;
    };

    // Panels of the table are created with the "TalvanePanel" class, which must be registered first.
    static bool RegisterClasses(HINSTANCE instance);

    // Adds the rows' controls but those made on demand; a row's parent is the client area or a panel built before.
    void Build(HINSTANCE instance, HWND client, const std::vector<ControlRow>& rows, const Theme& theme);
    // Adds the control of the row with this ID, unless it exists already.
    void BuildOne(HINSTANCE instance, HWND client, const std::vector<ControlRow>& rows, int id, const Theme& theme);

    [[nodiscard]] HWND Control(int id) const;
    [[nodiscard]] const ControlRow* Row(int id) const;
    // The whole text of the control, any length; empty when there is no such control.
    [[nodiscard]] std::string Text(int id) const;
    void SetText(int id, const std::string& text) const;
    // The lines of a list box or combo box, and which one is chosen (-1: none).
    void SetItems(int id, const std::vector<std::string>& items) const;
    [[nodiscard]] int Selected(int id) const;
    void Select(int id, int index) const;
    // Every control with a text-table row takes its text from the table.
    void ApplyTextRows(const std::vector<ControlRow>& rows) const;
    void Show(int id, bool visible) const;
    // Makes a control `by` pixels taller than its table row.
    void GrowFromRow(int id, int by) const;
    // Repaints every panel with the theme's current colours.
    void RepaintPanels() const;

private:
    HWND BuildRow(HINSTANCE instance, HWND client, const ControlRow& entry, const Theme& theme, bool transparent);
    std::map<int, HWND> controls_;
    std::map<int, const ControlRow*> rows_;
    // By panel ID; a panel keeps the address of its entry.
    std::map<int, Panel> panels_;
};

}  // namespace talvane::ui
