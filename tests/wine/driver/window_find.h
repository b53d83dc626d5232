// Finding windows of other processes: top-level windows by owner/class/caption, controls by ID.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace talvane::wine_driver {

struct TopLevelQuery {
    DWORD process_id = 0;              // 0: any process
    const char* class_name = nullptr;  // nullptr: any class
    const char* caption = nullptr;     // nullptr: any caption; else exact match
    bool visible_only = true;
};

std::vector<HWND> FindTopLevelWindows(const TopLevelQuery& query);

// The first matching window once one exists, or nullptr after timeout_ms.
HWND WaitForTopLevelWindow(const TopLevelQuery& query, DWORD timeout_ms);

// Every descendant of top whose GetDlgCtrlID is id, in EnumChildWindows order.
std::vector<HWND> FindControls(HWND top, int id);
// The first such descendant, or nullptr.
HWND FindControl(HWND top, int id);

std::string ClassNameOf(HWND window);
// The caption as the window manager keeps it; sends nothing, so safe on a hung window.
std::string CaptionOf(HWND window);
DWORD ProcessIdOf(HWND window);
SIZE ClientSizeOf(HWND window);

}  // namespace talvane::wine_driver
