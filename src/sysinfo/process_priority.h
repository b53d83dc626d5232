// The priority page of the startup item dialog: which choice a process's priority text selects, and setting it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/processes.h"

namespace talvane {

// The choices in their order: "Idle priority", "Normal priority", "High priority".
enum class PriorityChoice : std::uint8_t { Idle, Normal, High };

// "Normal" and "High" in any letter case select those; any other text selects Idle.
PriorityChoice PriorityChoiceFor(const std::string& priorityText);
// IDLE_PRIORITY_CLASS, NORMAL_PRIORITY_CLASS, HIGH_PRIORITY_CLASS; none for an index outside the choices.
std::optional<std::uint32_t> PriorityClassFor(int choiceIndex);
// Gives the process the chosen class; false when the index is no choice or the process refused it.
bool SetProcessPriority(platform::Processes& processes, std::uint32_t processId, int choiceIndex);

}  // namespace talvane
