// Owns the platform, the start-up facts and the windows for the life of the process.
#pragma once

#include "platform/win32/win.h"

#include <memory>

#include "app/help_caller.h"
#include "app/memory_sample.h"
#include "app/palette.h"
#include "app/startup_facts.h"
#include "optimizer/load_history.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_files.h"
#include "platform/win32/win32_platform.h"
#include "platform/win32/win32_power.h"
#include "platform/win32/win32_processes.h"
#include "ui/theme.h"

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

// What the windows share; they reach each other and the machine through it.
struct AppContext {
    explicit AppContext(HINSTANCE instance);

    HINSTANCE instance;
    win32::Win32System system;
    win32::Win32Shell shell;
    win32::Win32WindowServices windows;
    win32::Win32HtmlHelp htmlHelp;
    win32::Win32Prompts prompts;
    win32::Win32Registry registry;
    win32::Win32Processes processes;
    win32::Win32Files files;
    win32::Win32Power power;
    win32::Win32Clock clock;
    ui::Theme theme;
    HelpCaller help;
    PaletteTracker palette;
    StartupFacts facts;
    MemorySample sample;
    LoadHistory loadHistory;
    Dialogs* dialogs = nullptr;
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
