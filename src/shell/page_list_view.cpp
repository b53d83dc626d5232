#include "shell/page_list.h"

#include "optimizer/optimizer_page_view.h"
#include "shortcut/shortcut_page_view.h"
#include "startup/startup_page_view.h"
#include "sysinfo/sysinfo_page_view.h"
#include "tweaks/nt_tweak_page_view.h"
#include "tweaks/win9x_tweak_page_view.h"

namespace talvane {

std::vector<std::unique_ptr<ui::Page>> CreatePages(AppContext& context, const ui::Form& form, ui::PageHost& host) {
    std::vector<std::unique_ptr<ui::Page>> pages;
    pages.push_back(std::make_unique<NtTweakPageView>(context, form, host));
    pages.push_back(std::make_unique<Win9xTweakPageView>(context, form, host));
    pages.push_back(std::make_unique<OptimizerPageView>(context, form, host));
    pages.push_back(std::make_unique<StartupPageView>(context, form, host));
    pages.push_back(std::make_unique<ShortcutPageView>(context, form, host));
    pages.push_back(std::make_unique<SystemInfoPageView>(context, form, host));
    return pages;
}

}  // namespace talvane
