// The Startup Manager page: the programs Windows starts at logon, enabled and disabled, and the page of the
// startup item dialog that adds one.
#pragma once

#include <vector>

#include "platform/win32/handles.h"
#include "startup/startup_items.h"
#include "ui/app_context.h"
#include "ui/form_builder.h"
#include "ui/item_dialog.h"
#include "ui/page.h"

namespace talvane {

class StartupPageView final : public ui::IdentifiedPage, private ui::ItemDialogPage {
public:
    StartupPageView(AppContext& context, const ui::Form& form, ui::PageHost& host);

    [[nodiscard]] std::optional<QuickInfoLines> QuickInfo(int controlId) const override;
    [[nodiscard]] const std::vector<ControlRow>& Controls() const override;
    [[nodiscard]] bool UsesShellFolders() const override { return true; }

    void Build() override;
    void Write(SaveReport& report) override;
    void Shown(QuickInfoLines& quickInfo) override;
    bool Command(int controlId, int code) override;
    bool Notified(int controlId, const void* header) override;

private:
    // The add page of the startup item dialog
    void Opening(ui::ItemDialog& dialog) override;
    void Command(ui::ItemDialog& dialog, int id, int code) override;
    void Create(ui::ItemDialog& dialog);

    void Update_Startup_Item();
    void AddItem();
    void DeleteSelected();
    [[nodiscard]] HWND List() const;
    [[nodiscard]] bool Checked(int row) const;

    AppContext& context_;
    const ui::Form& form_;
    ui::PageHost& host_;
    StartupStores stores_;
    std::vector<StartupItem> items_;  // one per row, in the rows' order
    StartupChecks checks_;
    win32::UniqueImageList icons_;
};

}  // namespace talvane
