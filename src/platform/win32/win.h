// <windows.h> for this project: the platform interfaces name their operations after the Win32 calls,
// so the A/W macros that would rename them are switched off; code calls the A functions by name.
#pragma once

// windows.h must come first; the others build on it.
#include <windows.h>

#include <commctrl.h>
#include <commdlg.h>
#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>

#undef FindWindow
#undef PostMessage
#undef SendMessageTimeout
#undef GetSystemDirectory
#undef GetWindowsDirectory
#undef GetCurrentDirectory
#undef ShellExecute
#undef GetOpenFileName
#undef GetComputerName
#undef GetUserName
#undef GetPrivateProfileString
#undef WritePrivateProfileString
