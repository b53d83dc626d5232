// Opens help topics; offers the HTML Help download when the library is missing.
#pragma once

#include <string>

#include "platform/files.h"
#include "platform/html_help.h"
#include "platform/prompts.h"
#include "platform/shell.h"
#include "platform/system.h"

namespace talvane {

constexpr const char* kHomePageAddress = "https://talvane.example.org/";
constexpr const char* kHelpWorkshopAddress = "https://talvane.example.org/htmlhelp/";

class HelpCaller {
public:
    HelpCaller(platform::HtmlHelp& help,
               platform::System& system,
               platform::Prompts& prompts,
               platform::Shell& shell,
               platform::Files& files)
        : help_(help), system_(system), prompts_(prompts), shell_(shell), files_(files) {}

    // address is the help file path followed by the topic. A missing help file is named to the user, since
    // HTML Help itself shows nothing for it.
    void Show(platform::WindowId owner, const std::string& address);

private:
    platform::HtmlHelp& help_;
    platform::System& system_;
    platform::Prompts& prompts_;
    platform::Shell& shell_;
    platform::Files& files_;
    bool found_ = false;
    bool offerAccepted_ = false;
};

}  // namespace talvane
