// launch_recorder.exe: notes how it was started (its folder, priority class and command line after its own name)
// in the file TALVANE_LAUNCH_RECORD names, else launch_record.txt beside itself, and ends.
#include <windows.h>

#include <string>

namespace {

std::string ArgumentsOf(const char* line) {
    std::string rest = line != nullptr ? line : "";
    std::size_t position = 0;
    if (!rest.empty() && rest[0] == '"') {
        position = rest.find('"', 1);
        position = position == std::string::npos ? rest.size() : position + 1;
    }
    while (position < rest.size() && rest[position] != ' ' && rest[position] != '\t') {
        ++position;
    }
    return position < rest.size() ? rest.substr(position + 1) : std::string();
}

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
                               "\r\narguments=" + ArgumentsOf(GetCommandLineA()) + "\r\n";
    // Written aside and renamed, so that a reader never sees half a record.
    const std::string path = RecordPath();
    const std::string partial = path + ".partial";
    const HANDLE file = CreateFileA(partial.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return 2;
    }
    DWORD written = 0;
    const BOOL ok = WriteFile(file, record.data(), static_cast<DWORD>(record.size()), &written, nullptr);
    CloseHandle(file);
    DeleteFileA(path.c_str());
    return ok && written == record.size() && MoveFileA(partial.c_str(), path.c_str()) ? 0 : 3;
}
