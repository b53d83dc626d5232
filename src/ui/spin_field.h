// The arrows of a spin field: an up-down control inside the right edge of an edit box. The arrows keep no number
// of their own; each press reaches the owner as a step, and the owner puts the new text into the edit box.
#pragma once

#include "platform/win32/win.h"

#include <cstddef>
#include <optional>

namespace talvane::ui {

// Limits the edit box to maxLength characters and gives it arrows with the ID arrowsId. The range only sets the
// arrows' direction and what assistive tools report. Returns the arrows, or nullptr.
HWND AttachSpinArrows(HWND edit, int arrowsId, int minimum, int maximum, std::size_t maxLength);

struct SpinStep {
    int editId;
    int delta;  // +1 up, -1 down
};

// The step of a UDN_DELTAPOS from arrows made by AttachSpinArrows; the owner answers it with TRUE so that the
// arrows leave their own position alone.
std::optional<SpinStep> SpinStepOf(const NMHDR& header);

}  // namespace talvane::ui
