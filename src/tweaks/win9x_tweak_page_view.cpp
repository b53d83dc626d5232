#include "tweaks/win9x_tweak_page_view.h"

#include <algorithm>
#include <array>

#include "base/text_table.h"
#include "control_ids.h"

namespace talvane {

namespace {

constexpr int kTitleRow = 131;
constexpr int kMoveCursorRow = 7;

// In the order of Win9xTweak.
constexpr std::array<int, kWin9xTweakCount> kBoxes = {IDC_FORM1_CHECKBOX8, IDC_FORM1_CHECKBOX12, IDC_FORM1_CHECKBOX15,
                                                      IDC_FORM1_CHECKBOX14, IDC_FORM1_CHECKBOX97};

const std::vector<ControlRow>& PageControls() {
    constexpr ControlKind kCheck = ControlKind::Check;
    constexpr ControlKind kButton = ControlKind::FlatButton;
    constexpr int kPage = IDC_FORM1_PAGE5;
    static const std::vector<ControlRow> controls = {
        {IDC_FORM1_CHECKBOX8, kPage, kCheck, 16, 16, 400, 17, 187, "", Surface::None, Art::None, 0},
        {IDC_FORM1_CHECKBOX12, kPage, kCheck, 16, 40, 400, 17, 188, "", Surface::None, Art::None, 0},
        {IDC_FORM1_CHECKBOX15, kPage, kCheck, 16, 64, 400, 17, 189, "", Surface::None, Art::None, 0},
        {IDC_FORM1_CHECKBOX14, kPage, kCheck, 16, 88, 400, 17, 190, "", Surface::None, Art::None, 0},
        {IDC_FORM1_CHECKBOX97, kPage, kCheck, 16, 112, 400, 17, 191, "", Surface::None, Art::None, 0},
        {IDC_FORM1_9X_RECOMMENDED, kPage, kButton, 16, 267, 105, 22, kNoRow, "Recommended", Surface::None, Art::None,
         kHandCursor},
        {IDC_FORM1_9X_DEFAULT, kPage, kButton, 128, 267, 73, 22, kNoRow, "Default", Surface::None, Art::None,
         kHandCursor},
    };
    return controls;
}

const std::vector<QuickInfoRow>& QuickInfoRows() {
    static const std::vector<QuickInfoRow> rows = {
        {IDC_FORM1_PAGE5, kMoveCursorRow, kNoSecondLine},
        {IDC_FORM1_CHECKBOX8, 192, kNoSecondLine},
        {IDC_FORM1_CHECKBOX12, 193, 194},
        {IDC_FORM1_CHECKBOX15, 195, 196},
        {IDC_FORM1_CHECKBOX14, 197, 198},
        {IDC_FORM1_CHECKBOX97, 199, 200},
    };
    return rows;
}

}  // namespace

Win9xTweakPageView::Win9xTweakPageView(AppContext& context, const ui::Form& form, ui::PageHost& host)
    : ui::IdentifiedPage({IDC_FORM1_PAGE5, IDC_FORM1_NAV_TWEAK, kTitleRow, "::/Tweak9x.htm", Is9xFamily}),
      context_(context),
      form_(form),
      host_(host) {}

std::optional<QuickInfoLines> Win9xTweakPageView::QuickInfo(int controlId) const {
    return QuickInfoFromRows(QuickInfoRows(), controlId, context_.sample.totalPhysMB);
}

const std::vector<ControlRow>& Win9xTweakPageView::Controls() const {
    return PageControls();
}

void Win9xTweakPageView::TakeBoxes() {
    for (std::size_t i = 0; i < kBoxes.size(); ++i) {
        const bool checked = SendMessageA(form_.Control(kBoxes[i]), BM_GETCHECK, 0, 0) == BST_CHECKED;
        tweaks_.SetChecked(static_cast<Win9xTweak>(i), checked);
    }
}

void Win9xTweakPageView::ShowMarks() {
    for (std::size_t i = 0; i < kBoxes.size(); ++i) {
        const bool checked = tweaks_.Checked(static_cast<Win9xTweak>(i));
        SendMessageA(form_.Control(kBoxes[i]), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    }
}

void Win9xTweakPageView::Read() {
    TakeBoxes();
    ReadWin9xTweaks(context_.files, context_.registry, SystemIniPath(context_.facts.windowsDir),
                    context_.sample.totalPhysMB, tweaks_);
    ShowMarks();
}

void Win9xTweakPageView::Write(SaveReport& report) {
    TakeBoxes();
    WriteWin9xTweaks(context_.files, context_.registry, SystemIniPath(context_.facts.windowsDir),
                     context_.sample.totalPhysMB, tweaks_, report);
}

void Win9xTweakPageView::Changed() {
    host_.MarkChanged();
    host_.NeedRestart();
}

bool Win9xTweakPageView::Command(int controlId, int code) {
    if (controlId == IDC_FORM1_9X_RECOMMENDED || controlId == IDC_FORM1_9X_DEFAULT) {
        if (code == BN_CLICKED) {
            TakeBoxes();
            const bool changed =
                controlId == IDC_FORM1_9X_RECOMMENDED ? tweaks_.PressRecommended() : tweaks_.PressDefault();
            ShowMarks();
            if (changed) {
                Changed();
            }
        }
        return true;
    }
    if (std::find(kBoxes.begin(), kBoxes.end(), controlId) == kBoxes.end()) {
        return false;
    }
    // A click and the space bar both toggle the box and send this; a right click sends nothing.
    if (code == BN_CLICKED) {
        Changed();
    }
    return true;
}

}  // namespace talvane
