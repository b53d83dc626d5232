// Collects the writes of one save that did not happen, so the user is told instead of shown success.
#pragma once

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "platform/prompts.h"
#include "platform/types.h"

namespace talvane {

struct SaveFailure {
    std::string what;  // the value or entry that was not saved, by its stored name
    long status = 0;   // the Win32 status of the call that failed
    // Stored for the whole machine (HKEY_LOCAL_MACHINE, SYSTEM.INI), where ordinary users may not write.
    bool machineWide = false;
    // Its key or file could not be opened or created, so the value was never tried.
    bool containerFailed = false;
};

// A change to something of the user's (a startup item, a link) that could not be made.
struct ChangeFailure {
    std::string what;   // names the item and the change, e.g. "Disable \"Tool\" (My Registry)"
    std::string cause;  // plain words
};

// What StatusInWords says of a machine-wide write denied access, and every cause built on it contains.
constexpr const char* kNeedsAdministratorRights = "machine-wide settings need administrator rights";

// The Win32 status in plain words, for a line of a report.
std::string StatusInWords(long status, bool machineWide = false);

// The warnings the user has had in this run: a machine-wide entry that stays refused is said once, not at every save.
class WarningsSaid {
public:
    // True the first time `warning` is given.
    bool First(const std::string& warning) { return said_.insert(warning).second; }

private:
    std::set<std::string> said_;
};

class SaveReport {
public:
    // Records a failure unless `status` is ERROR_SUCCESS; true when it is. A machine-wide write denied access is a
    // refusal instead.
    bool Check(long status, const std::string& what, bool machineWide = false, bool containerFailed = false);

    // Records a change that could not be made; its line says `cause`.
    void ChangeFailed(const std::string& what, const std::string& cause) { changes_.push_back({what, cause}); }
    // A machine-wide change or value that needs administrator rights the user does not have: told, in one line
    // with the others, but not held against the save (see Saved).
    void Refused(const std::string& what) {
        if (std::find(refused_.begin(), refused_.end(), what) == refused_.end()) {
            refused_.push_back(what);
        }
    }

    // A write whose failure ends the save where it stands: nothing after it is written, read back or told to the
    // engine. The message leads the report.
    void Stop(const std::string& message) {
        if (stop_.empty()) {
            stop_ = message;
        }
    }
    [[nodiscard]] bool Stopped() const { return !stop_.empty(); }

    // Something the user should know that kept nothing else from being saved, such as a machine-wide entry an
    // ordinary user may not write: it is told, and the save still counts as done.
    void Warn(const std::string& message) {
        if (std::find(warnings_.begin(), warnings_.end(), message) == warnings_.end()) {
            warnings_.push_back(message);
        }
    }

    // The engine was told to re-read and did not answer: what was saved is saved, but may not be in effect yet.
    void EngineDidNotConfirm() { engineUnconfirmed_ = true; }

    // Everything the save was to write is written (warnings and refusals aside).
    [[nodiscard]] bool Saved() const {
        return failures_.empty() && changes_.empty() && !engineUnconfirmed_ && stop_.empty();
    }
    // Nothing to tell the user.
    [[nodiscard]] bool Empty() const { return Saved() && warnings_.empty() && refused_.empty(); }
    [[nodiscard]] const std::vector<SaveFailure>& Failures() const { return failures_; }
    [[nodiscard]] const std::vector<ChangeFailure>& ChangeFailures() const { return changes_; }
    [[nodiscard]] bool EngineUnconfirmed() const { return engineUnconfirmed_; }
    void Clear() {
        failures_.clear();
        changes_.clear();
        engineUnconfirmed_ = false;
        stop_.clear();
        warnings_.clear();
        refused_.clear();
    }

    // One message for an "Information" box, a line per cause and one for the engine; empty when all went well.
    [[nodiscard]] std::string Message() const;
    // Shows Message() when there is something to tell, and then starts a fresh report. Warnings already in `said`
    // are left out.
    void InformAndClear(platform::Prompts& prompts, platform::WindowId owner, WarningsSaid* said = nullptr);

private:
    [[nodiscard]] std::string Unstopped() const;
    [[nodiscard]] std::string RefusalLine() const;

    std::vector<SaveFailure> failures_;
    std::vector<ChangeFailure> changes_;
    bool engineUnconfirmed_ = false;
    std::string stop_;
    std::vector<std::string> warnings_;
    std::vector<std::string> refused_;
};

}  // namespace talvane
