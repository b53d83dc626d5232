#include "engine/freeing_worker.h"

#include <cassert>

#include "base/memory_freeing.h"
#include "platform/win32/win32_memory_reclaim.h"

namespace talvane::engine {

namespace {

// Long enough for a freeing of several hundred MB to finish its step; a freeing that takes longer is cut off with
// the process.
constexpr DWORD kLastWaitMs = 5000;

std::uint32_t AvailableMB(platform::MemoryReclaim& memory) {
    return static_cast<std::uint32_t>(memory.Measure().available >> 20);
}

}  // namespace

FreeingWorker::~FreeingWorker() {
    if (!Wait(kLastWaitMs)) {
        // Its thread still writes into this object: the process ends before the object does.
        ExitProcess(0);
    }
}

bool FreeingWorker::Start(HWND window, const FreeingRequest& request) {
    // The rules merge what is asked while a freeing runs into the one that follows it.
    assert(!Running());
    if (Running()) {
        return false;
    }
    window_ = window;
    result_ = FreeingResult{request, 0, 0};
    DWORD id = 0;
    thread_.Reset(CreateThread(nullptr, 0, &FreeingWorker::ThreadMain, this, 0, &id));
    return Running();
}

FreeingResult FreeingWorker::Finish() {
    if (thread_) {
        WaitForSingleObject(thread_.Get(), INFINITE);
        thread_.Reset();
    }
    return result_;
}

bool FreeingWorker::Wait(DWORD milliseconds) {
    return !thread_ || WaitForSingleObject(thread_.Get(), milliseconds) == WAIT_OBJECT_0;
}

DWORD WINAPI FreeingWorker::ThreadMain(LPVOID self) {
    auto& worker = *static_cast<FreeingWorker*>(self);
    win32::Win32MemoryReclaim memory;
    worker.result_.availBeforeMB = AvailableMB(memory);
    static_cast<void>(FreeMemory(memory, worker.ntFamily_, worker.result_.request.megabytes));
    worker.result_.availAfterMB = AvailableMB(memory);
    PostMessageA(worker.window_, kFreeingDone, 0, 0);
    return 0;
}

}  // namespace talvane::engine
