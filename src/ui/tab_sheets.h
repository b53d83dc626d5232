// A tab control whose pages are panels of the form laid over its display area.
#pragma once

#include <vector>

#include "ui/form_builder.h"

namespace talvane::ui {

// One tab per sheet, captioned with the sheet's text; the sheets cover exactly the area the control leaves below
// its tabs, however many rows those take.
void AttachTabSheets(const Form& form, int tabsId, const std::vector<int>& sheets);
// Selects the tab and shows its sheet alone.
void ShowTabSheet(const Form& form, int tabsId, const std::vector<int>& sheets, int index);

}  // namespace talvane::ui
