// Filters of the open-file dialog.
#pragma once

#include <string>

namespace talvane {

// The filter of a file dialog from its "Name|*.ext" text: NUL between the parts and two at the end.
std::string FileDialogFilter(const std::string& piped);

}  // namespace talvane
