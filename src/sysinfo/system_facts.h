// The rows of the Windows and Memory tabs of the System Information page.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "base/memory_sample.h"
#include "base/startup_facts.h"
#include "platform/registry.h"
#include "platform/system.h"

namespace talvane {

// Positions in the page's picture strip.
enum class FactPicture : std::int8_t {
    None = -1,
    Computer = 0,
    Person,
    Windows,
    Bullet,
    Folder,
    Clock,
    Memory,
    DirectX,
    Browser,
};

constexpr int kNoCaption = -1;

struct FactRow {
    int captionRow;  // a text-table row; kNoCaption for the blank separator
    bool indented;   // a field under its group heading
    std::string value;
    FactPicture picture;
};

struct SystemFacts {
    std::vector<FactRow> rows;
    int uptimeRow = 0;  // the row the status timer rewrites every second
};

std::string WindowsVersionText(const platform::OsVersion& version);
std::string WindowsBuildText(const platform::OsVersion& version);
// "4.09.00.0904" -> "9.0": the second field, a dot, the third; a field that is missing or no number counts 0.
std::string DirectXText(const std::string& version);

SystemFacts GatherSystemFacts(platform::System& system,
                              platform::Registry& registry,
                              const StartupFacts& facts,
                              std::uint64_t uptimeMilliseconds);
std::vector<FactRow> MemoryFacts(const MemorySample& sample);

}  // namespace talvane
