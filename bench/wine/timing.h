// The clock and the summary every Wine benchmark uses.
#pragma once

#include <windows.h>

#include <algorithm>
#include <vector>

namespace talvane::bench {

// Microseconds from the performance counter.
inline double Now() {
    LARGE_INTEGER frequency;
    LARGE_INTEGER counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return 1e6 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

inline double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

}  // namespace talvane::bench
