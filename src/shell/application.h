// Owns the platform, the start-up facts and the windows for the life of the process.
#pragma once

#include "platform/win32/win.h"

#include <memory>

#include "ui/app_context.h"

namespace talvane {

class MainWindow;
class AboutBox;
class MoreOptionsDialog;

// How a window opens the others; the application owns them all.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual void ShowAbout(HWND owner) = 0;
    virtual void ShowMoreOptions(HWND owner) = 0;
    // The CPU gauge of More Options follows the status timer, shown or not.
    virtual void SetCpuUsage(int percent) = 0;
};

class Application final : private Dialogs {
public:
    explicit Application(HINSTANCE instance);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // Creates the windows and runs the message loop; returns the exit code.
    int Run();

private:
    void ShowAbout(HWND owner) override;
    void ShowMoreOptions(HWND owner) override;
    void SetCpuUsage(int percent) override;

    AppContext context_;
    std::unique_ptr<MainWindow> mainWindow_;
    std::unique_ptr<AboutBox> aboutBox_;
    std::unique_ptr<MoreOptionsDialog> moreOptions_;
};

}  // namespace talvane
