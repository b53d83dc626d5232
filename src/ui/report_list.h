// The report-style list views of the pages: columns from the text table, rows of texts with an optional picture.
#pragma once

#include "platform/win32/win.h"

#include <string>
#include <vector>

namespace talvane::ui {

struct ListColumn {
    int textRow;
    int width;
    bool rightAligned = false;
};

void AddListColumns(HWND list, const std::vector<ListColumn>& columns);
// Appends a row; the image is a position in the small image list, -1 for none. The new row's index, -1 on failure.
int AppendListRow(HWND list, const std::string& caption, int image, int indent = 0);
void SetListCell(HWND list, int row, int column, const std::string& text);
// The text of one cell, any length.
std::string ListCell(HWND list, int row, int column);

}  // namespace talvane::ui
