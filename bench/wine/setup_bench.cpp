// The installer's size and the time of a silent install and of a silent uninstall (until the uninstaller, which runs
// on as a copy of itself, has removed its Add/Remove Programs entry, its last step).
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "timing.h"

namespace {

using talvane::bench::Median;
using talvane::bench::Now;

constexpr char kUninstallKey[] = R"(Software\Microsoft\Windows\CurrentVersion\Uninstall\Talvane)";

bool RunAndWait(const std::string& command) {
    std::vector<char> line(command.begin(), command.end());
    line.push_back('\0');
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process) == 0) {
        return false;
    }
    CloseHandle(process.hThread);
    const bool ended = WaitForSingleObject(process.hProcess, 120000) == WAIT_OBJECT_0;
    DWORD code = 1;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hProcess);
    return ended && code == 0;
}

bool Installed() {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kUninstallKey, 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return false;
    }
    RegCloseKey(key);
    return true;
}

std::string InstallFolder() {
    char folder[MAX_PATH] = {};
    DWORD size = sizeof(folder);
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kUninstallKey, 0, KEY_READ, &key) == ERROR_SUCCESS) {
        RegQueryValueExA(key, "InstallLocation", nullptr, nullptr, reinterpret_cast<BYTE*>(folder), &size);
        RegCloseKey(key);
    }
    folder[sizeof(folder) - 1] = '\0';
    return folder;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: setup_bench RUNS TalvaneSetup.exe\n");
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    const std::string setup = argv[2];
    WIN32_FILE_ATTRIBUTE_DATA attributes{};
    if (runs < 1 || !GetFileAttributesExA(setup.c_str(), GetFileExInfoStandard, &attributes)) {
        std::fprintf(stderr, "setup_bench: no runs or no %s\n", setup.c_str());
        return 2;
    }
    std::vector<double> installs;
    std::vector<double> uninstalls;
    for (int run = 0; run < runs; ++run) {
        double start = Now();
        if (!RunAndWait("\"" + setup + "\" /S")) {
            std::fprintf(stderr, "setup_bench: the silent install failed\n");
            return 1;
        }
        installs.push_back((Now() - start) / 1000);
        start = Now();
        if (!RunAndWait("\"" + InstallFolder() + "\\Uninstall.exe\" /S")) {
            std::fprintf(stderr, "setup_bench: the silent uninstall failed\n");
            return 1;
        }
        while (Installed() && Now() - start < 120e6) {
            Sleep(10);
        }
        uninstalls.push_back((Now() - start) / 1000);
    }
    std::printf("installer: %lu bytes (%.0f KB; goal under 1024 KB)\n", attributes.nFileSizeLow,
                attributes.nFileSizeLow / 1024.0);
    std::printf("silent install: median %.0f ms of %d runs\n", Median(installs), runs);
    std::printf("silent uninstall: median %.0f ms of %d runs\n", Median(uninstalls), runs);
    return 0;
}
