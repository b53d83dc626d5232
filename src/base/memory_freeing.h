// Freeing physical memory on request: for the launcher before it starts a program, and for the engine.
#pragma once

#include <cstdint>

#include "platform/memory_reclaim.h"

namespace talvane {

// The largest single touch-and-release step: a 32-bit process finds this much free address space in one piece.
constexpr std::uint32_t kFreeingStepMB = 64;

// Tries to raise available physical memory by `megabytes`: on the NT family by trimming working sets first, then
// by touching and releasing memory in steps (never more than asked in all, never taking available memory below a
// sixteenth of the total, stopping when a step gains nothing). Returns the MB actually gained, never below 0.
std::uint32_t FreeMemory(platform::MemoryReclaim& memory, bool ntFamily, std::uint32_t megabytes);

}  // namespace talvane
