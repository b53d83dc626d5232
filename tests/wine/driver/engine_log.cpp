#include "engine_log.h"

#include <windows.h>

#include <cinttypes>
#include <cstdio>
#include <memory>

#include "host.h"

namespace talvane::wine_driver {

std::string FormatEngineLogLine(const EngineLogEntry& entry) {
    char line[96];
    std::snprintf(line, sizeof(line), "%" PRIu64 " %" PRIu32 " %" PRIu64 " %" PRIu64 "\n", entry.sequence,
                  entry.message, entry.wparam, entry.lparam);
    return line;
}

std::optional<EngineLogEntry> ParseEngineLogLine(const std::string& line) {
    EngineLogEntry entry;
    int consumed = 0;
    if (std::sscanf(line.c_str(), "%" SCNu64 " %" SCNu32 " %" SCNu64 " %" SCNu64 "%n", &entry.sequence, &entry.message,
                    &entry.wparam, &entry.lparam, &consumed) != 4 ||
        line.find_first_not_of(" \r\n", static_cast<size_t>(consumed)) != std::string::npos) {
        return std::nullopt;
    }
    return entry;
}

std::vector<EngineLogEntry> ReadEngineLog(const std::string& path) {
    std::vector<EngineLogEntry> entries;
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(ToWindowsPath(path).c_str(), "rb"),
                                                               std::fclose);
    if (!file) {
        return entries;
    }
    char line[256];
    while (std::fgets(line, sizeof(line), file.get()) != nullptr) {
        if (auto entry = ParseEngineLogLine(line)) {
            entries.push_back(*entry);
        }
    }
    return entries;
}

}  // namespace talvane::wine_driver
