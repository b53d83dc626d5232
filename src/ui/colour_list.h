// A drop-down list of colours, each entry drawn as a swatch and its name. The names are the entries' strings and
// the colours their item data, so CB_GETCURSEL and CB_GETLBTEXT answer as for any combo box.
#pragma once

#include "platform/win32/win.h"

#include <string>
#include <vector>

namespace talvane::ui {

struct ColourEntry {
    std::string name;
    COLORREF colour;
};

// The combo box must have CBS_OWNERDRAWFIXED and CBS_HASSTRINGS; visibleRows sets how far it drops down.
void FillColourList(HWND combo, const std::vector<ColourEntry>& entries, int visibleRows);

// Draws an entry, or the empty selection field; false when the item is not a combo box's.
bool DrawColourEntry(const DRAWITEMSTRUCT& item);

}  // namespace talvane::ui
