#include "ui/app_context.h"

namespace talvane {

AppContext::AppContext(HINSTANCE inst)
    : instance(inst), theme(inst), itemDialog(inst, theme), help(htmlHelp, system, prompts, shell, files) {}

}  // namespace talvane
