#include "base/help_caller.h"

namespace talvane {

namespace {

constexpr const char* kMissingLibraryText =
    "Unable to load \"HHCtrl.ocx\" library !!!\r\n"
    "Press OK Button to download and install the latest version\r\n"
    "of the HTML Help Workshop from the Microsoft Web Site.";

}  // namespace

void HelpCaller::Show(platform::WindowId owner, const std::string& address) {
    if (!found_) {
        found_ = help_.Load();
    }
    if (found_) {
        const std::string file = address.substr(0, address.find("::"));
        if (files_.FileExists(file)) {
            help_.DisplayTopic(owner, address);
        } else {
            prompts_.Inform(owner, "The help file \"" + file + "\" could not be found. Please reinstall Talvane.");
        }
        return;
    }
    system_.Beep(1000, 100);
    if (offerAccepted_) {
        return;
    }
    if (prompts_.ErrorOkCancel(owner, "Error", kMissingLibraryText) == platform::Answer::Ok) {
        shell_.ShellExecute(0, "open", kHelpWorkshopAddress, platform::kSwShowNormal);
        offerAccepted_ = true;
    }
}

}  // namespace talvane
