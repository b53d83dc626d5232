// The virtual-key code of a stored hot key character.
#pragma once

#include <cstdint>

namespace talvane::engine {

// Letters (either case) and digits; any other character, 0 included, is no hot key and gives 0. 'A' to 'Z' and
// '0' to '9' are their own virtual-key codes.
std::uint32_t HotkeyCode(char stored);

}  // namespace talvane::engine
