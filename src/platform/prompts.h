// The few ways the product speaks to the user: standard message boxes.
#pragma once

#include <string>

#include "platform/types.h"

namespace talvane::platform {

enum class Answer { Yes, No, Ok, Cancel };

class Prompts {
public:
    virtual ~Prompts() = default;

    // Caption "Confirm", question icon, Yes and No.
    virtual Answer Confirm(WindowId owner, const std::string& text) = 0;
    // Caption "Information", OK.
    virtual void Inform(WindowId owner, const std::string& text) = 0;
    // Error icon, OK and Cancel.
    virtual Answer ErrorOkCancel(WindowId owner, const std::string& caption, const std::string& text) = 0;
};

}  // namespace talvane::platform
