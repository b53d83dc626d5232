// GoogleTest's Notification needs std::mutex, which the win32-thread-model MinGW compilers lack. GoogleTest only uses
// it to start threads in its own self-tests, so waiting on an atomic flag is enough. Force-included with
// GTEST_HAS_NOTIFICATION_=1 into GoogleTest and everything that includes it.
#pragma once

#ifdef __cplusplus
#include <atomic>

namespace testing::internal {

class Notification {
public:
    Notification() = default;
    Notification(const Notification&) = delete;
    Notification& operator=(const Notification&) = delete;

    void Notify() { notified_.store(true); }
    void WaitForNotification() const {
        while (!notified_.load()) {
        }
    }

private:
    std::atomic<bool> notified_{false};
};

}  // namespace testing::internal
#endif
