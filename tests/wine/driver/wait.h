// Polling waits: the driver observes another process, so it can only look again until a deadline.
#pragma once

#include <windows.h>

namespace talvane::wine_driver {

inline constexpr DWORD kPollIntervalMs = 20;

// Calls probe every 20 ms until it returns something truthy or timeout_ms passed; returns the last result.
template <typename Probe>
auto PollFor(Probe&& probe, DWORD timeout_ms) -> decltype(probe()) {
    const DWORD start = GetTickCount();
    for (;;) {
        auto result = probe();
        if (result || GetTickCount() - start >= timeout_ms) {
            return result;
        }
        Sleep(kPollIntervalMs);
    }
}

template <typename Predicate>
bool WaitUntil(Predicate&& predicate, DWORD timeout_ms) {
    return PollFor([&]() -> bool { return predicate(); }, timeout_ms);
}

}  // namespace talvane::wine_driver
