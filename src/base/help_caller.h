// Opens help topics; offers the HTML Help download when the library is missing.
#pragma once

#include <string>

#include "platform/html_help.h"
#include "platform/prompts.h"
#include "platform/shell.h"
#include "platform/system.h"

namespace talvane {

constexpr const char* kHomePageAddress = "https://talvane.example.org/";
constexpr const char* kHelpWorkshopAddress = "https://talvane.example.org/htmlhelp/";

class HelpCaller {
public:
    HelpCaller(platform::HtmlHelp& help, platform::System& system, platform::Prompts& prompts, platform::Shell& shell)
        : help_(help), system_(system), prompts_(prompts), shell_(shell) {}

    // address is the help file path followed by the topic.
    void Show(platform::WindowId owner, const std::string& address);

private:
    platform::HtmlHelp& help_;
    platform::System& system_;
    platform::Prompts& prompts_;
    platform::Shell& shell_;
    bool found_ = false;
    bool offerAccepted_ = false;
};

}  // namespace talvane
