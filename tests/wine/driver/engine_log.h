// The fake engine's message log: one line per received message, "seq message wparam lparam", all decimal.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace talvane::wine_driver {

struct EngineLogEntry {
    std::uint64_t sequence = 0;
    std::uint32_t message = 0;
    std::uint64_t wparam = 0;
    std::uint64_t lparam = 0;
};

std::string FormatEngineLogLine(const EngineLogEntry& entry);
std::optional<EngineLogEntry> ParseEngineLogLine(const std::string& line);

// Every well-formed line of the log at path; empty when the file is missing.
std::vector<EngineLogEntry> ReadEngineLog(const std::string& path);

}  // namespace talvane::wine_driver
