#include "fakes/call_log.h"

namespace talvane::fakes {

int CallLog::IndexOf(const std::string& entry) const {
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        if (entries_[i] == entry) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

}  // namespace talvane::fakes
