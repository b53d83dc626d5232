// Finding and answering a message box ("#32770" top-level window) that another process shows.
#pragma once

#include <windows.h>

#include <string>

namespace talvane::wine_driver {

// A visible "#32770" window of the process once one exists, or nullptr after timeout_ms.
HWND WaitForMessageBox(DWORD process_id, DWORD timeout_ms);

// The message text: the box's static control with ID 0xFFFF, else its longest static text.
std::string MessageBoxText(HWND box);

// Presses the button with that ID (IDYES, IDNO, IDOK, IDCANCEL, ...) by a posted BM_CLICK; false if there is none.
bool AnswerMessageBox(HWND box, int button_id);

}  // namespace talvane::wine_driver
