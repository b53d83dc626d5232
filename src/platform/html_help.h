// The HTML Help library, loaded at first use.
#pragma once

#include <string>

#include "platform/types.h"

namespace talvane::platform {

class HtmlHelp {
public:
    virtual ~HtmlHelp() = default;

    // LoadLibraryA("HHCtrl.ocx") and GetProcAddress("HtmlHelpA"); true once the function is found,
    // after which the library stays loaded for the life of the process.
    virtual bool Load() = 0;
    // HtmlHelpA(owner, address, HH_DISPLAY_TOPIC, 0); only after Load succeeded.
    virtual void DisplayTopic(WindowId owner, const std::string& address) = 0;
};

}  // namespace talvane::platform
