// A message box shown from a thread of its own, so that the window that asks for it goes on answering. Win32 only.
#pragma once

#include "platform/win32/win.h"

#include <string>

#include "platform/win32/handles.h"

namespace talvane::engine {

class WarningBox {
public:
    // False, showing nothing, while the previous box is still open or when no thread could be started.
    bool Show(const std::string& text);

private:
    static DWORD WINAPI ThreadMain(LPVOID text);

    win32::UniqueHandle thread_;
};

}  // namespace talvane::engine
