// The quick-info panel: which description belongs to the item under the pointer.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace talvane {

enum class QuickInfoItem {
    OptimizerArea,
    TargetLabel,
    MinimumLabel,
    ShortcutArea,
    ProgramNameLabel,
    ProgramPathLabel,
    ParametersLabel,
    RecoverLabel,
    PriorityLabel,
    LocationLabel,
    TweakNtArea,
    CoreSystemCheck,
    LargeCacheCheck,
    DiskCacheCheck,
    AppTimeoutCheck,
    ServiceTimeoutCheck,
    HungTimeoutCheck,
    UnloadDllCheck,
    Tweak9xArea,
    DiskCache9xCheck,
    FileCacheCheck,
    HarddiskBufferCheck,
    ContiguousCheck,
    UseRamCheck,
};

struct QuickInfoLines {
    std::string first;
    std::string second;
    bool operator==(const QuickInfoLines& other) const { return first == other.first && second == other.second; }
};

// totalPhysMB completes the disk-cache line, which names a quarter of it.
QuickInfoLines QuickInfoFor(QuickInfoItem item, std::uint32_t totalPhysMB);

// The item a control of the main window stands for; none for controls without a description.
std::optional<QuickInfoItem> QuickInfoItemForControl(int controlId);

// The empty area of a page panel; none for pages without one.
std::optional<QuickInfoItem> QuickInfoItemForPage(int pageIndex);

}  // namespace talvane
