#include "settings/save_report.h"

#include <algorithm>

namespace talvane {

namespace {

constexpr long kErrorNotEnoughMemory = 8;
constexpr long kErrorOutOfMemory = 14;
constexpr long kErrorWriteProtect = 19;
constexpr long kErrorDiskFull = 112;
constexpr long kErrorCantWrite = 1013;
constexpr long kErrorKeyDeleted = 1018;

}  // namespace

std::string StatusInWords(long status, bool machineWide) {
    switch (status) {
        case platform::kErrorAccessDenied: return machineWide ? kNeedsAdministratorRights : "access was denied";
        case platform::kErrorFileNotFound: return "the key or file holding them was not found";
        case platform::kErrorInvalidHandle: return "the key holding them was not open";
        case kErrorNotEnoughMemory:
        case kErrorOutOfMemory: return "there was not enough memory";
        case kErrorWriteProtect: return "the disk is write-protected";
        case kErrorDiskFull: return "the disk is full";
        case kErrorCantWrite: return "the registry could not be written";
        case kErrorKeyDeleted: return "the key holding them was deleted meanwhile";
        default: return "Windows error " + std::to_string(status);
    }
}

namespace {

std::string Reason(const SaveFailure& failure) {
    const std::string cause = StatusInWords(failure.status, failure.machineWide);
    return failure.containerFailed ? "the key or file holding them could not be opened or created (" + cause + ")"
                                   : cause;
}

}  // namespace

bool SaveReport::Check(long status, const std::string& what, bool machineWide, bool containerFailed) {
    if (status == platform::kErrorSuccess) {
        return true;
    }
    if (machineWide && status == platform::kErrorAccessDenied) {
        Refused("\"" + what + "\"");
        return false;
    }
    failures_.push_back({what, status, machineWide, containerFailed});
    return false;
}

std::string SaveReport::RefusalLine() const {
    std::string line = "These need administrator rights and were left as they are:";
    for (std::size_t i = 0; i < refused_.size(); ++i) {
        line += (i == 0 ? " " : ", ") + refused_[i];
    }
    return line + ".";
}

std::string SaveReport::Message() const {
    std::string message = Unstopped();
    if (!stop_.empty()) {
        message = message.empty() ? stop_ : stop_ + "\n" + message;
    }
    if (!refused_.empty()) {
        message += (message.empty() ? "" : "\n") + RefusalLine();
    }
    for (const std::string& warning : warnings_) {
        message += (message.empty() ? "" : "\n") + warning;
    }
    return message;
}

std::string SaveReport::Unstopped() const {
    std::string changes;
    if (!changes_.empty()) {
        changes = "These changes could not be made:";
        for (const ChangeFailure& change : changes_) {
            changes += "\n" + change.what + ": " + change.cause + ".";
        }
    }
    if (failures_.empty()) {
        const std::string engine = engineUnconfirmed_
                                       ? "The settings are saved, but the Talvane engine did not confirm that it "
                                         "read them; it may not be responding."
                                       : std::string();
        return changes.empty() || engine.empty() ? changes + engine : changes + "\n" + engine;
    }
    // Failures that share a reason share a line, in the order they happened.
    struct Line {
        std::string reason;
        std::vector<std::string> names;
    };
    std::vector<Line> lines;
    for (const SaveFailure& failure : failures_) {
        const std::string reason = Reason(failure);
        auto line = std::find_if(lines.begin(), lines.end(), [&](const Line& l) { return l.reason == reason; });
        if (line == lines.end()) {
            line = lines.insert(lines.end(), Line{reason, {}});
        }
        if (std::find(line->names.begin(), line->names.end(), failure.what) == line->names.end()) {
            line->names.push_back(failure.what);
        }
    }
    std::string message = "These settings could not be saved:";
    for (const Line& line : lines) {
        message += "\n";
        for (std::size_t i = 0; i < line.names.size(); ++i) {
            message += (i == 0 ? "\"" : ", \"") + line.names[i] + "\"";
        }
        message += ": " + line.reason + ".";
    }
    if (engineUnconfirmed_) {
        message +=
            "\nThe Talvane engine did not confirm that it read the settings that were saved; it may not be "
            "responding.";
    }
    return changes.empty() ? message : changes + "\n" + message;
}

void SaveReport::InformAndClear(platform::Prompts& prompts, platform::WindowId owner, WarningsSaid* said) {
    if (said != nullptr && !refused_.empty()) {
        Warn(RefusalLine());
        refused_.clear();
    }
    if (said != nullptr) {
        warnings_.erase(std::remove_if(warnings_.begin(), warnings_.end(),
                                       [said](const std::string& warning) { return !said->First(warning); }),
                        warnings_.end());
    }
    if (!Empty()) {
        prompts.Inform(owner, Message());
        Clear();
    }
}

}  // namespace talvane
