// The installed product as TalvaneSetup.exe lays it out, and its silent install and uninstall.
#pragma once

#include <windows.h>

#include <string>

namespace talvane::wine_driver {

inline constexpr char kUninstallKey[] = R"(Software\Microsoft\Windows\CurrentVersion\Uninstall\Talvane)";

// TALVANE_SETUP, else TalvaneSetup.exe beside the test.
std::string SetupPath();
// Where Setup installs by default: "Talvane" under the program files folder.
std::string DefaultInstallFolder();

// TalvaneSetup.exe /S, ended with exit code 0 within timeout_ms; else false with the reason in *error.
bool InstallSilently(DWORD timeout_ms, std::string* error = nullptr);
// The folder's Uninstall.exe /S. It runs on as a copy of itself in the temporary folder, so this waits for that
// copy's last step, the Add/Remove Programs entry going away.
bool UninstallSilently(const std::string& folder, DWORD timeout_ms, std::string* error = nullptr);

}  // namespace talvane::wine_driver
