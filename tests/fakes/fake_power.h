// Records the restart sequence instead of restarting.
#pragma once

#include "fakes/call_log.h"
#include "platform/power.h"

namespace talvane::fakes {

class FakePower : public platform::Power {
public:
    explicit FakePower(CallLog& log) : log_(log) {}
    bool SetShutdownPrivilege(bool enabled) override {
        log_.Add(enabled ? "privilege on" : "privilege off");
        return privilegeWorks;
    }
    bool ExitWindowsEx(std::uint32_t flags, std::uint32_t reason) override {
        log_.Add("ExitWindowsEx " + std::to_string(flags) + " " + std::to_string(reason));
        return true;
    }

    // False as on Windows 98 and Me, whose token calls are stubs that fail.
    bool privilegeWorks = true;

private:
    CallLog& log_;
};

}  // namespace talvane::fakes
