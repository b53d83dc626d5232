// Reading a list view of another process; its LVITEMA and text buffer must live in the target's memory.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace talvane::wine_driver {

std::optional<int> ListViewItemCount(HWND list_view);
std::optional<int> ListViewColumnCount(HWND list_view);
std::optional<std::string> ListViewItemText(HWND list_view, int item, int sub_item = 0);
// Every column of one row, in column order.
std::optional<std::vector<std::string>> ListViewRow(HWND list_view, int item);
std::optional<UINT> ListViewItemState(HWND list_view, int item, UINT mask);
// The check box of LVS_EX_CHECKBOXES: state image 2 is checked, 1 unchecked.
std::optional<bool> ListViewItemChecked(HWND list_view, int item);

// LVM_SETITEMSTATE with the LVITEMA in the target's memory.
bool SetListViewItemState(HWND list_view, int item, UINT state, UINT mask);
// Selects and focuses the row, as a click on it does.
bool SelectListViewRow(HWND list_view, int item);
// The first row whose cell in `column` is exactly `text`.
std::optional<int> FindListViewRow(HWND list_view, const std::string& text, int column = 0);
// Selects and focuses the row, then presses the space bar on the list, as a user toggles a check box by keyboard;
// true once the check changed.
bool ToggleListViewCheckWithSpace(HWND list_view, int item);

}  // namespace talvane::wine_driver
