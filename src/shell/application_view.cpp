#include "shell/application.h"

#include <commctrl.h>

#include "platform/win32/handles.h"
#include "shell/about_box_view.h"
#include "shell/main_window_view.h"
#include "shell/start_routine.h"
#include "ui/form_builder.h"

namespace talvane {

namespace {

// comctl32 4.00 of Windows 95 has no InitCommonControlsEx, and importing it would keep the program from starting
// there; InitCommonControls registers the same classes. The function is looked up in the comctl32 the program is
// bound to, which under the manifest is version 6: the module that holds InitCommonControls.
void InitCommonControlClasses() {
    MEMORY_BASIC_INFORMATION region{};
    using InitEx = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
    InitEx initEx = nullptr;
    if (VirtualQuery(reinterpret_cast<const void*>(&InitCommonControls), &region, sizeof(region)) != 0) {
        initEx = win32::LookUp<InitEx>(static_cast<HMODULE>(region.AllocationBase), "InitCommonControlsEx");
    }
    if (initEx == nullptr) {
        InitCommonControls();
        return;
    }
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof(controls);
    controls.dwICC = ICC_WIN95_CLASSES;
    initEx(&controls);
}

}  // namespace

Application::Application(HINSTANCE instance) : context_(instance) {}

Application::~Application() = default;

int Application::Run() {
    InitCommonControlClasses();
    if (!ui::Form::RegisterClasses(context_.instance)) {
        return 1;
    }
    mainWindow_ = std::make_unique<MainWindow>(context_, static_cast<Dialogs&>(*this));
    if (!mainWindow_->Create()) {
        return 1;
    }
    mainWindow_->Show();
    // The dialogs make their windows when first opened, from the text table the main window holds by then.
    aboutBox_ = std::make_unique<AboutBox>(context_);

    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        ui::RelayPointerMove(msg);
        // Tab and arrow keys move between the main window's controls.
        if (mainWindow_->Handle() != nullptr && IsDialogMessageA(mainWindow_->Handle(), &msg)) {
            continue;
        }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}

void Application::ShowAbout(HWND owner) {
    if (aboutBox_) {
        aboutBox_->ShowModal(owner);
    }
}

}  // namespace talvane
