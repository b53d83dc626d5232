#include "platform/win32/win32_files.h"

#include "platform/win32/win.h"

namespace talvane::win32 {

bool Win32Files::FileExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    // Windows 98 has no INVALID_FILE_ATTRIBUTES in its headers, but answers with the same all-ones value.
    return attributes != static_cast<DWORD>(-1) && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

}  // namespace talvane::win32
