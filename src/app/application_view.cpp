#include "app/application.h"

#include <commctrl.h>

#include "app/main_window_view.h"
#include "app/start_routine.h"
#include "ui/form_builder.h"

namespace talvane {

AppContext::AppContext(HINSTANCE inst) : instance(inst), theme(inst), help(htmlHelp, system, prompts, shell) {}

Application::Application(HINSTANCE instance) : context_(instance) {}

Application::~Application() = default;

int Application::Run() {
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof(controls);
    controls.dwICC = ICC_WIN95_CLASSES;
    InitCommonControlsEx(&controls);
    if (!ui::Form::RegisterClasses(context_.instance)) {
        return 1;
    }
    mainWindow_ = std::make_unique<MainWindow>(context_);
    if (!mainWindow_->Create()) {
        return 1;
    }
    mainWindow_->Show();

    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        // Tab and arrow keys move between the main window's controls.
        if (mainWindow_->Handle() != nullptr && IsDialogMessageA(mainWindow_->Handle(), &msg)) {
            continue;
        }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}

}  // namespace talvane
