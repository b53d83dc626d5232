#include "shell/about_box.h"

namespace talvane {

std::array<std::string, 5> AboutFigures(const MemorySample& sample) {
    const auto mb = [](std::uint32_t value) { return std::to_string(value) + " MB"; };
    return {std::to_string(sample.memoryLoad) + " %", mb(sample.totalPhysMB), mb(sample.availPhysMB),
            mb(sample.totalPageFileMB), mb(sample.availPageFileMB)};
}

}  // namespace talvane
