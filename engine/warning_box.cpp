#include "engine/warning_box.h"

#include <memory>

namespace talvane::engine {

namespace {

constexpr const char* kCaption = "Talvane";

}  // namespace

bool WarningBox::Show(const std::string& text) {
    if (thread_ && WaitForSingleObject(thread_.Get(), 0) == WAIT_TIMEOUT) {
        return false;
    }
    // The thread owns its text: a box still open when the engine exits reads nothing the engine frees.
    auto owned = std::make_unique<std::string>(text);
    DWORD id = 0;
    thread_.Reset(CreateThread(nullptr, 0, &WarningBox::ThreadMain, owned.get(), 0, &id));
    if (!thread_) {
        return false;
    }
    static_cast<void>(owned.release());
    return true;
}

DWORD WINAPI WarningBox::ThreadMain(LPVOID text) {
    const std::unique_ptr<std::string> owned(static_cast<std::string*>(text));
    MessageBoxA(nullptr, owned->c_str(), kCaption, MB_OK | MB_ICONWARNING | MB_SETFOREGROUND | MB_TOPMOST);
    return 0;
}

}  // namespace talvane::engine
