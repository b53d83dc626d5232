#include "platform/win32/win32_platform.h"

namespace talvane::win32 {

bool Win32FileDialog::GetOpenFileName(OPENFILENAMEA& dialog) {
    KeepComStarted();
    if (getOpenFileName_ == nullptr) {
        UniqueModule library(LoadLibraryA("comdlg32.dll"));
        getOpenFileName_ = LookUp<GetOpenFileNameFn>(library.Get(), "GetOpenFileNameA");
        if (getOpenFileName_ == nullptr) {
            return false;
        }
        library_ = std::move(library);  // held until the process ends
    }
    return getOpenFileName_(&dialog) != FALSE;
}

}  // namespace talvane::win32
