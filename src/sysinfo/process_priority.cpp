#include "sysinfo/process_priority.h"

#include <algorithm>
#include <cctype>

namespace talvane {

namespace {

bool SameIgnoringCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](unsigned char x, unsigned char y) {
               return std::toupper(x) == std::toupper(y);
           });
}

}  // namespace

PriorityChoice PriorityChoiceFor(const std::string& priorityText) {
    if (SameIgnoringCase(priorityText, "Normal")) {
        return PriorityChoice::Normal;
    }
    if (SameIgnoringCase(priorityText, "High")) {
        return PriorityChoice::High;
    }
    return PriorityChoice::Idle;
}

std::optional<std::uint32_t> PriorityClassFor(int choiceIndex) {
    switch (choiceIndex) {
        case 0: return 0x40;  // IDLE_PRIORITY_CLASS
        case 1: return 0x20;  // NORMAL_PRIORITY_CLASS
        case 2: return 0x80;  // HIGH_PRIORITY_CLASS
        default: return std::nullopt;
    }
}

bool SetProcessPriority(platform::Processes& processes, std::uint32_t processId, int choiceIndex) {
    const std::optional<std::uint32_t> priorityClass = PriorityClassFor(choiceIndex);
    return priorityClass && processes.SetPriorityClass(processId, *priorityClass);
}

}  // namespace talvane
