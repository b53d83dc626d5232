#include "engine/hotkey_code.h"

namespace talvane::engine {

std::uint32_t HotkeyCode(char stored) {
    // By code, not by locale: a stored 8-bit letter such as 0xE9 has no virtual-key code of its own.
    const auto code = static_cast<unsigned char>(stored);
    if (code >= 'a' && code <= 'z') {
        return code - 'a' + 'A';
    }
    if ((code >= 'A' && code <= 'Z') || (code >= '0' && code <= '9')) {
        return code;
    }
    return 0;
}

}  // namespace talvane::engine
