// The order in which fakes were called, so tests can prove sequences.
#pragma once

#include <string>
#include <vector>

namespace talvane::fakes {

class CallLog {
public:
    void Add(std::string entry) { entries_.push_back(std::move(entry)); }
    [[nodiscard]] const std::vector<std::string>& Entries() const { return entries_; }
    void Clear() { entries_.clear(); }
    // Index of the first entry equal to `entry`, or -1.
    [[nodiscard]] int IndexOf(const std::string& entry) const;

private:
    std::vector<std::string> entries_;
};

}  // namespace talvane::fakes
