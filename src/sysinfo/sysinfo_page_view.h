// The System Information page: the Windows, Process and Memory tabs.
#pragma once

#include <vector>

#include "platform/win32/handles.h"
#include "sysinfo/priority_page_view.h"
#include "sysinfo/system_facts.h"
#include "ui/app_context.h"
#include "ui/form_builder.h"
#include "ui/page.h"

namespace talvane {

class SystemInfoPageView final : public ui::IdentifiedPage {
public:
    SystemInfoPageView(AppContext& context, const ui::Form& form, ui::PageHost& host);

    [[nodiscard]] std::string HelpTopic() const override;
    [[nodiscard]] std::optional<QuickInfoLines> QuickInfo(int controlId) const override;
    [[nodiscard]] const std::vector<ControlRow>& Controls() const override;

    void Build() override;
    void Shown(QuickInfoLines& quickInfo) override;
    void Tick() override;
    bool Command(int controlId, int code) override;
    bool Notified(int controlId, const void* header) override;

private:
    void ShowTab(int index);
    // The pictures are loaded when the page first shows, not while the window starts.
    void LoadPictures();
    void FillSystemFacts();
    void FillMemoryFacts();
    void FillFacts(HWND list, const std::vector<FactRow>& rows);
    void UpdatePriority();
    void EnableProcessButtons();
    void SetPriority();
    void KillSelected();
    [[nodiscard]] int SelectedProcess() const;

    AppContext& context_;
    const ui::Form& form_;
    ui::PageHost& host_;
    PriorityPage priorityPage_;
    win32::UniqueImageList pictures_;  // the Windows and Memory lists share it
    win32::UniqueImageList icons_;     // the programs of the process list
    int uptimeRow_ = 0;                // 0: no list to refresh
};

}  // namespace talvane
