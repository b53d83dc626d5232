// Owns the platform, the start-up facts and the windows for the life of the process.
#pragma once

#include "platform/win32/win.h"

#include <memory>

#include "ui/app_context.h"

namespace talvane {

class MainWindow;
class AboutBox;

// How a window opens the others; the application owns them all.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual void ShowAbout(HWND owner) = 0;
};

class Application final : private Dialogs {
public:
    explicit Application(HINSTANCE instance);
    ~Application() override;
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // Creates the windows and runs the message loop; returns the exit code.
    int Run();

private:
    void ShowAbout(HWND owner) override;

    AppContext context_;
    std::unique_ptr<MainWindow> mainWindow_;
    std::unique_ptr<AboutBox> aboutBox_;
};

}  // namespace talvane
