// The About box's live memory summary.
#pragma once

#include "ui/form_table.h"

#include <array>
#include <string>

#include "base/memory_sample.h"

namespace talvane {

constexpr int kAboutCaptionRow = 210;

// Memory load, total and available physical memory, total and available page file.
std::array<std::string, 5> AboutFigures(const MemorySample& sample);

const FormTable& AboutBoxForm();

}  // namespace talvane
