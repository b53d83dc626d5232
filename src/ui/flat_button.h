// Owner-drawn flat buttons: image above caption, or image only for the navigation entries.
#pragma once

#include "platform/win32/win.h"
#include "ui/form_builder.h"
#include "ui/theme.h"

namespace talvane::ui {

// Returns false when the item is not a flat button of the form.
bool DrawFlatButton(const Theme& theme, const Form& form, const DRAWITEMSTRUCT& item);

}  // namespace talvane::ui
