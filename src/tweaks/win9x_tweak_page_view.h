// The Windows Tweak page of Windows 98 and Me: five tweaks, each one check box.
#pragma once

#include <vector>

#include "tweaks/win9x_tweaks.h"
#include "ui/app_context.h"
#include "ui/form_builder.h"
#include "ui/page.h"

namespace talvane {

class Win9xTweakPageView final : public ui::IdentifiedPage {
public:
    Win9xTweakPageView(AppContext& context, const ui::Form& form, ui::PageHost& host);

    [[nodiscard]] std::optional<QuickInfoLines> QuickInfo(int controlId) const override;
    [[nodiscard]] const std::vector<ControlRow>& Controls() const override;

    void Read() override;
    void Write(SaveReport& report) override;
    bool Command(int controlId, int code) override;

private:
    // The boxes are what the user sees and changes; the model follows them before every rule.
    void TakeBoxes();
    void ShowMarks();
    void Changed();

    AppContext& context_;
    const ui::Form& form_;
    ui::PageHost& host_;
    Win9xTweaks tweaks_;
};

}  // namespace talvane
