#include "installer.h"

#include <shlobj.h>

#include "host.h"
#include "process.h"
#include "registry.h"
#include "shell_files.h"
#include "wait.h"

namespace talvane::wine_driver {

namespace {

bool RunToExit(const std::string& exe, DWORD timeout_ms, std::string* error) {
    auto process = Process::Launch(exe, "/S", {}, error);
    if (!process) {
        return false;
    }
    const auto code = process->WaitForExit(timeout_ms);
    if (code != DWORD{0} && error != nullptr) {
        *error = exe + (code ? " ended with exit code " + std::to_string(*code) : " did not end");
    }
    return code == DWORD{0};
}

}  // namespace

std::string SetupPath() {
    return ProgramPath("TALVANE_SETUP", "TalvaneSetup.exe");
}

std::string DefaultInstallFolder() {
    return JoinPath(ShellFolderPath(CSIDL_PROGRAM_FILES), "Talvane");
}

bool InstallSilently(DWORD timeout_ms, std::string* error) {
    return RunToExit(SetupPath(), timeout_ms, error);
}

bool UninstallSilently(const std::string& folder, DWORD timeout_ms, std::string* error) {
    if (!RunToExit(JoinPath(folder, "Uninstall.exe"), timeout_ms, error)) {
        return false;
    }
    if (!WaitUntil([] { return !RegistryKeyExists(HKEY_LOCAL_MACHINE, kUninstallKey); }, timeout_ms)) {
        if (error != nullptr) {
            *error = "the uninstaller did not finish";
        }
        return false;
    }
    return true;
}

}  // namespace talvane::wine_driver
