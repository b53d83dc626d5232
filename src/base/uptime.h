// The "System Up Time" text of the System Information page.
#pragma once

#include <cstdint>
#include <string>

#include "platform/clock.h"

namespace talvane {

// "2 days, 3 hours, 4 minutes, 5 seconds"; without the days part below one day. Plural words throughout.
std::string UptimeText(std::uint64_t milliseconds);

// Milliseconds since Windows started. GetTickCount64 where the kernel has it: the 32-bit count starts
// again at 0 after about 49.7 days.
std::uint64_t UptimeMilliseconds(platform::Clock& clock);

}  // namespace talvane
