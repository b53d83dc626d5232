// The freeing history: one line per freeing, so that users can hold the engine's figures against their own.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/freeing_request.h"

namespace talvane::engine {

constexpr std::size_t kHistoryLines = 500;

// Local time, as GetLocalTime gives it.
struct LocalTime {
    std::uint16_t year = 0;
    std::uint16_t month = 0;
    std::uint16_t day = 0;
    std::uint16_t hour = 0;
    std::uint16_t minute = 0;
    std::uint16_t second = 0;
};

// "YYYY-MM-DD HH:MM:SS<TAB>trigger<TAB>available before<TAB>available after<TAB>freed", MB, without a line end.
std::string HistoryLine(const LocalTime& time,
                        Trigger trigger,
                        std::uint32_t availBeforeMB,
                        std::uint32_t availAfterMB);

// The file's new text: its lines, then `line`, of which only the last `keep` remain; CRLF ends every line, as
// Notepad on every Windows wants.
std::string AppendHistoryLine(std::string_view fileText, std::string_view line, std::size_t keep = kHistoryLines);

}  // namespace talvane::engine
