// What every window shares: the machine, the start-up facts and the theme, made once by the application.
#pragma once

#include "platform/win32/win.h"

#include "base/help_caller.h"
#include "base/memory_sample.h"
#include "base/palette.h"
#include "base/startup_facts.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_files.h"
#include "platform/win32/win32_platform.h"
#include "platform/win32/win32_power.h"
#include "platform/win32/win32_processes.h"
#include "platform/win32/win32_shell_links.h"
#include "settings/save_report.h"
#include "ui/item_dialog.h"
#include "ui/theme.h"

namespace talvane {

// What the windows share; they reach each other and the machine through it.
struct AppContext {
    explicit AppContext(HINSTANCE instance);

    HINSTANCE instance;
    win32::Win32System system;
    win32::Win32Shell shell;
    win32::Win32WindowServices windows;
    win32::Win32HtmlHelp htmlHelp;
    win32::Win32FileDialog fileDialog;
    win32::Win32Prompts prompts;
    win32::Win32Registry registry;
    win32::Win32Processes processes;
    win32::Win32Files files;
    win32::Win32ShellLinks links;
    win32::Win32Power power;
    win32::Win32Clock clock;
    ui::Theme theme;
    // Made once the main window shows, and reused by every page that opens it.
    ui::ItemDialog itemDialog;
    HelpCaller help;
    PaletteTracker palette;
    WarningsSaid warningsSaid;
    StartupFacts facts;
    MemorySample sample;
};

}  // namespace talvane
