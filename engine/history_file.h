// Where the freeing history is kept, and adding a freeing to it. Win32 only.
#pragma once

#include <string>

#include "engine/freeing_history.h"

namespace talvane::engine {

// "<application data>\Talvane\freeings.log", its folder made when missing; the application data folder of a
// Windows whose shell cannot name one is "<Windows folder>\Application Data".
std::string HistoryFilePath();

// Reads the file, adds the line and writes it back. A history that cannot be written costs only its line.
void AppendToHistoryFile(const std::string& path, const std::string& line);

// Now, as GetLocalTime gives it.
LocalTime LocalTimeNow();

}  // namespace talvane::engine
