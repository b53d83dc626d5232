// The Startup Manager's list rebuild under Wine: N Run values and N links, listed once through the bare system
// calls and once through the model with its icons, so the difference is our own work.
#include "platform/win32/win.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "base/startup_facts.h"
#include "platform/win32/handles.h"
#include "platform/win32/win32_files.h"
#include "platform/win32/win32_platform.h"
#include "platform/win32/win32_shell_links.h"
#include "startup/startup_items.h"
#include "timing.h"

namespace {

using talvane::bench::Median;
using talvane::bench::Now;

using talvane::win32::UniqueIcon;
using talvane::win32::UniqueImageList;
using talvane::win32::UniqueKey;

constexpr const char* kRunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr const char* kValuePrefix = "TalvaneBench";

std::string ValueName(int index) {
    return kValuePrefix + std::to_string(index);
}

// What the bench puts on the machine, removed again when it ends.
struct Planted {
    std::string folder;  // ends in "\"
    std::vector<std::string> links;
    int values = 0;
    talvane::win32::Win32Files files;

    ~Planted() {
        for (const auto& link : links) {
            files.DeletePath(link);
        }
        if (!folder.empty()) {
            files.RemoveFolder(folder);
        }
        HKEY raw = nullptr;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, kRunKey, 0, KEY_SET_VALUE, &raw) == ERROR_SUCCESS) {
            const UniqueKey key(raw);
            for (int i = 0; i < values; ++i) {
                RegDeleteValueA(key.Get(), ValueName(i).c_str());
            }
        }
    }
};

bool Plant(Planted& planted, int count, const std::string& program) {
    char temp[MAX_PATH] = {};
    GetTempPathA(sizeof(temp), temp);
    planted.folder = std::string(temp) + "talvane_list_bench\\";
    if (planted.files.MakeFolder(planted.folder) != ERROR_SUCCESS && !planted.files.FolderExists(planted.folder)) {
        return false;
    }
    talvane::win32::Win32ShellLinks links;
    for (int i = 0; i < count; ++i) {
        const std::string link = planted.folder + "Program " + std::to_string(i) + ".lnk";
        if (links.CreateLink({program, link, planted.folder, program, "/startup " + std::to_string(i)}) !=
            ERROR_SUCCESS) {
            return false;
        }
        planted.links.push_back(link);
    }
    HKEY raw = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, kRunKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &raw, nullptr) !=
        ERROR_SUCCESS) {
        return false;
    }
    const UniqueKey key(raw);
    for (; planted.values < count; ++planted.values) {
        const std::string name = ValueName(planted.values);
        if (RegSetValueExA(key.Get(), name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(program.c_str()),
                           static_cast<DWORD>(program.size() + 1)) != ERROR_SUCCESS) {
            return false;
        }
    }
    return true;
}

void AddIcon(HIMAGELIST images, HICON icon) {
    if (icon != nullptr) {
        ImageList_AddIcon(images, icon);
    }
}

// The system calls a rebuild cannot do without: the Run values read, the folder listed, each link loaded, and
// each row's icon found and added. Returns {enumeration, icons} in microseconds.
std::pair<double, double> BareRebuild(const Planted& planted, HIMAGELIST images, std::size_t* rows) {
    ImageList_RemoveAll(images);
    const double start = Now();
    std::vector<std::string> iconPaths;
    HKEY raw = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kRunKey, 0, KEY_READ, &raw) == ERROR_SUCCESS) {
        const UniqueKey key(raw);
        char name[261];
        for (DWORD index = 0;; ++index) {
            DWORD nameSize = sizeof(name);
            if (RegEnumValueA(key.Get(), index, name, &nameSize, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) {
                break;
            }
            BYTE data[261] = {};
            DWORD dataSize = sizeof(data);
            RegQueryValueExA(key.Get(), name, nullptr, nullptr, data, &dataSize);
            iconPaths.emplace_back(reinterpret_cast<const char*>(data));
        }
    }
    talvane::win32::Win32ShellLinks links;
    WIN32_FIND_DATAA found{};
    const talvane::win32::UniqueFind find(FindFirstFileA((planted.folder + "*.*").c_str(), &found));
    if (find) {
        do {
            if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
                const std::string path = planted.folder + found.cFileName;
                static_cast<void>(links.Read(path));
                iconPaths.push_back(path);
            }
        } while (FindNextFileA(find.Get(), &found));
    }
    const double listed = Now();
    for (const auto& path : iconPaths) {
        SHFILEINFOA info{};
        if (SHGetFileInfoA(path.c_str(), 0, &info, sizeof(info), SHGFI_ICON | SHGFI_SMALLICON) != 0) {
            const UniqueIcon icon(info.hIcon);
            AddIcon(images, icon.Get());
        }
    }
    *rows = iconPaths.size();
    return {listed - start, Now() - listed};
}

// The product's rebuild: the model lists every store, then each row's icon through the shell, held for the batch.
std::pair<double, double> WholeRebuild(const talvane::StartupStores& stores,
                                       talvane::win32::Win32Shell& shell,
                                       HIMAGELIST images,
                                       std::size_t* rows) {
    ImageList_RemoveAll(images);
    const double start = Now();
    const std::vector<talvane::StartupItem> items = stores.List();
    const double listed = Now();
    {
        const talvane::platform::ShellLibraryHold hold(shell);
        for (const auto& item : items) {
            AddIcon(images, shell.SmallFileIcon(item.iconPath).Get());
        }
    }
    *rows = items.size();
    return {listed - start, Now() - listed};
}

}  // namespace

int main(int argc, char** argv) {
    const int count = argc > 1 ? std::max(1, std::atoi(argv[1])) : 500;
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
    const talvane::win32::ComInit com;  // as on the product's main thread
    // A program whose path has no "-" or "/", so the model looks up the same icon file as the bare calls do.
    char system[MAX_PATH] = {};
    GetSystemDirectoryA(system, sizeof(system));
    const std::string program = std::string(system) + "\\notepad.exe";

    Planted planted;
    if (!Plant(planted, count, program)) {
        std::fprintf(stderr, "startup_list_bench: could not plant %d links and values\n", count);
        return 1;
    }

    talvane::win32::Win32Files files;
    talvane::win32::Win32Registry registry;
    talvane::win32::Win32ShellLinks links;
    talvane::win32::Win32Shell shell;
    talvane::StartupFacts facts;
    facts.startupDir = planted.folder;
    facts.programsDir = planted.folder;  // its "Disabled Startup" is missing, as on most machines
    const talvane::StartupStores stores(files, registry, links, facts);
    const UniqueImageList images(ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 0, 64));

    std::vector<double> bareList;
    std::vector<double> bareIcons;
    std::vector<double> wholeList;
    std::vector<double> wholeIcons;
    std::size_t bareRows = 0;
    std::size_t wholeRows = 0;
    for (int run = 0; run <= runs; ++run) {  // run 0 warms the caches and is not counted
        const auto bare = BareRebuild(planted, images.Get(), &bareRows);
        const auto whole = WholeRebuild(stores, shell, images.Get(), &wholeRows);
        if (run > 0) {
            bareList.push_back(bare.first);
            bareIcons.push_back(bare.second);
            wholeList.push_back(whole.first);
            wholeIcons.push_back(whole.second);
        }
    }

    const double rows = static_cast<double>(std::max<std::size_t>(wholeRows, 1));
    const double bare = (Median(bareList) + Median(bareIcons)) / rows;
    const double whole = (Median(wholeList) + Median(wholeIcons)) / rows;
    const double own = whole - bare;
    std::printf("startup list rebuild, %zu rows (bare %zu), median of %d runs, per item:\n", wholeRows, bareRows, runs);
    std::printf("  bare system calls: %7.1f us (enumeration and link load %.1f, icons %.1f)\n", bare,
                Median(bareList) / rows, Median(bareIcons) / rows);
    std::printf("  whole rebuild:     %7.1f us (model list %.1f, icons %.1f)\n", whole, Median(wholeList) / rows,
                Median(wholeIcons) / rows);
    std::printf("  own work:          %7.1f us = %.1f %% of the whole (goal under 10 %%)\n", own, 100.0 * own / whole);
    std::printf("  whole / bare:      %7.2f (goal under 2)\n", whole / bare);
    return 0;
}
