#include "sysinfo/priority_page_view.h"

#include "control_ids.h"
#include "sysinfo/process_priority.h"

namespace talvane {

void PriorityPage::GetData(const std::string& processName, std::uint32_t processId, const std::string& priorityText) {
    name_ = processName;
    processId_ = processId;
    priorityText_ = priorityText;
}

void PriorityPage::Opening(ui::ItemDialog& dialog) {
    dialog.SetText(IDC_FORM2_EDIT3, name_);
    dialog.Select(IDC_FORM2_COMBOBOX2, static_cast<int>(PriorityChoiceFor(priorityText_)));
}

void PriorityPage::Command(ui::ItemDialog& dialog, int id, int code) {
    if (id != IDC_FORM2_SPEEDBUTTON4 || code != BN_CLICKED) {
        return;
    }
    // A process that refused keeps its class; the refreshed list shows which it has.
    static_cast<void>(SetProcessPriority(processes_, processId_, dialog.Selected(IDC_FORM2_COMBOBOX2)));
    dialog.Close();
    if (changed_) {
        changed_();
    }
}

}  // namespace talvane
