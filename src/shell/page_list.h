// The one list of the main window's pages.
#pragma once

#include <memory>
#include <vector>

#include "ui/app_context.h"
#include "ui/form_builder.h"
#include "ui/page.h"

namespace talvane {

// In the order Apply writes them; the main window shows one at a time.
std::vector<std::unique_ptr<ui::Page>> CreatePages(AppContext& context, const ui::Form& form, ui::PageHost& host);

}  // namespace talvane
