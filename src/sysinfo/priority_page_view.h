// The priority page of the startup item dialog, opened from the process list: shows the process and the class it
// has now, and gives it the chosen one on "OK ".
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <utility>

#include "platform/processes.h"
#include "ui/item_dialog.h"

namespace talvane {

class PriorityPage final : public ui::ItemDialogPage {
public:
    // `changed` runs after a class was given, so the list can show it.
    PriorityPage(platform::Processes& processes, std::function<void()> changed)
        : processes_(processes), changed_(std::move(changed)) {}

    // The process the next opening is about, and its priority as the list shows it ("Normal", "High", ...).
    void GetData(const std::string& processName, std::uint32_t processId, const std::string& priorityText);

private:
    void Opening(ui::ItemDialog& dialog) override;
    void Command(ui::ItemDialog& dialog, int id, int code) override;

    platform::Processes& processes_;
    std::function<void()> changed_;
    std::string name_;
    std::uint32_t processId_ = 0;
    std::string priorityText_;
};

}  // namespace talvane
