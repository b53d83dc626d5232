// launch_recorder.exe: notes how it was started (its folder, priority class and command line after its own name)
// in the file TALVANE_LAUNCH_RECORD names, else launch_record.txt beside itself, and ends.
#include <windows.h>

#include <string>

#include "base/launcher_line.h"
#include "driver/shell_files.h"

namespace {

std::string RecordPath() {
    char path[MAX_PATH] = {};
    const DWORD length = GetEnvironmentVariableA("TALVANE_LAUNCH_RECORD", path, MAX_PATH);
    if (length > 0 && length < MAX_PATH) {
        return path;
    }
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string beside = path;
    return beside.substr(0, beside.find_last_of('\\') + 1) + "launch_record.txt";
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    char directory[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, directory);
    const std::string record = std::string("directory=") + directory +
                               "\r\npriority=" + std::to_string(GetPriorityClass(GetCurrentProcess())) +
                               "\r\narguments=" + talvane::ArgumentsAfterProgramName(GetCommandLineA()) + "\r\n";
    // Written aside and renamed, so that a reader never sees half a record.
    const std::string path = RecordPath();
    const std::string partial = path + ".partial";
    if (!talvane::wine_driver::WriteTextFile(partial, record)) {
        return 2;
    }
    DeleteFileA(path.c_str());
    return MoveFileA(partial.c_str(), path.c_str()) ? 0 : 3;
}
