// Runs one freeing at a time on a thread of its own, so that the window and the tray keep answering. Win32 only.
#pragma once

#include "platform/win32/win.h"

#include <cstdint>

#include "engine/freeing_request.h"
#include "platform/win32/handles.h"

namespace talvane::engine {

// Posted to the window when a freeing has ended; FreeingWorker::Finish then gives its result.
constexpr UINT kFreeingDone = WM_APP + 1;

struct FreeingResult {
    FreeingRequest request;
    std::uint32_t availBeforeMB = 0;
    std::uint32_t availAfterMB = 0;
};

class FreeingWorker {
public:
    explicit FreeingWorker(bool ntFamily) : ntFamily_(ntFamily) {}
    // Waits a while for a freeing that still runs; see Wait.
    ~FreeingWorker();
    FreeingWorker(const FreeingWorker&) = delete;
    FreeingWorker& operator=(const FreeingWorker&) = delete;

    // Frees on a new thread, which posts kFreeingDone to `window` when done. False when no thread could be started;
    // nothing runs then.
    bool Start(HWND window, const FreeingRequest& request);
    [[nodiscard]] bool Running() const { return static_cast<bool>(thread_); }
    // After kFreeingDone: waits for the thread to return and gives what it measured.
    FreeingResult Finish();
    // True when no freeing runs any more within `milliseconds`.
    bool Wait(DWORD milliseconds);

private:
    static DWORD WINAPI ThreadMain(LPVOID self);

    HWND window_ = nullptr;
    bool ntFamily_;
    win32::UniqueHandle thread_;
    // Written by the thread before it posts kFreeingDone, read only after it has returned.
    FreeingResult result_;
};

}  // namespace talvane::engine
