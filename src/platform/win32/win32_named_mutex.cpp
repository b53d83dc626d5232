#include "platform/win32/win32_named_mutex.h"

namespace talvane::win32 {

platform::MutexOpen Win32NamedMutex::Open(const std::string& name) {
    HANDLE mutex = CreateMutexA(nullptr, FALSE, name.c_str());
    // Read at once: closing an earlier handle may change it.
    const DWORD error = GetLastError();
    handle_.Reset(mutex);
    if (mutex == nullptr) {
        return platform::MutexOpen::Failed;
    }
    return error == ERROR_ALREADY_EXISTS ? platform::MutexOpen::AlreadyExists : platform::MutexOpen::Created;
}

}  // namespace talvane::win32
