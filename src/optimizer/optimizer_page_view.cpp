#include "optimizer/optimizer_page_view.h"

#include <utility>

#include "base/text_table.h"
#include "control_ids.h"
#include "settings/settings_store.h"

namespace talvane {

namespace {

constexpr int kRowTitle = 0;
constexpr int kRowMoveCursor = 7;
constexpr std::array<int, 3> kScaleLabels = {IDC_FORM1_SCALE_TOP, IDC_FORM1_SCALE_MIDDLE, IDC_FORM1_SCALE_BOTTOM};

}  // namespace

OptimizerPageView::OptimizerPageView(AppContext& context, const ui::Form& form, ui::PageHost& host)
    : ui::IdentifiedPage({IDC_FORM1_PAGE0, IDC_FORM1_NAV_OPTIMIZER, kRowTitle, "::/RAM Optimizer.htm"}),
      context_(context),
      form_(form),
      host_(host),
      page_([this] { host_.MarkChanged(); }),
      sampler_(context.clock, context.registry, context.facts, context.sample, history_) {}

OptimizerPageView::~OptimizerPageView() = default;

std::optional<QuickInfoLines> OptimizerPageView::QuickInfo(int controlId) const {
    return OptimizerPage::QuickInfo(controlId, context_.sample.totalPhysMB);
}

const std::vector<ControlRow>& OptimizerPageView::Controls() const {
    return OptimizerPageControls();
}

void OptimizerPageView::Build() {
    engineSwitch_.emplace(context_.registry, context_.processes, context_.windows, context_.facts.family);
    graph_.Attach(form_.Control(IDC_FORM1_GRAPH));
    history_.Fill(context_.sample.memoryLoad);
    DrawGraph();
    page_.SetRanges(context_.sample.totalPhysMB);
    for (const int id : {IDC_FORM1_TRACKBAR1, IDC_FORM1_TRACKBAR2}) {
        SendMessageA(form_.Control(id), TBM_SETTICFREQ, 16, 0);
    }
    Render();
}

void OptimizerPageView::Read() {
    const OptimizerSettings settings = ReadOptimizerSettings(context_.registry, context_.sample.totalPhysMB);
    page_.MoveTarget(settings.targetFreeRam);
    page_.MoveMinimum(settings.minimumFreeRam);
    Render();
}

void OptimizerPageView::Write(SaveReport& report) {
    OptimizerSettings settings;
    settings.targetFreeRam = page_.Target().Position();
    settings.minimumFreeRam = page_.Minimum().Position();
    WriteOptimizerSettings(context_.registry, settings, report);
}

void OptimizerPageView::Started(SaveReport& report) {
    FirstRunCheck(context_.registry, context_.processes, context_.facts, *engineSwitch_, report);
    Render();
}

void OptimizerPageView::Shown(QuickInfoLines& quickInfo) {
    const std::array<std::string, 3> scale = OptimizerPage::ScaleLabels(context_.sample);
    for (std::size_t i = 0; i < std::size(kScaleLabels); ++i) {
        form_.SetText(kScaleLabels[i], scale[i]);
    }
    form_.SetText(IDC_FORM1_LABEL15, OptimizerPage::FreeRamLine(context_.sample));
    quickInfo = {TextTable::Row(kRowMoveCursor), ""};
}

void OptimizerPageView::Tick() {
    sampler_.Tick(*this);
}

// The dialog's window is made at its first showing; until then its model keeps the CPU readings.
void OptimizerPageView::WindowShown() {
    moreOptions_ = std::make_unique<MoreOptionsDialog>(context_);
}

bool OptimizerPageView::Command(int controlId, int code) {
    if (code != BN_CLICKED) {
        return false;
    }
    switch (controlId) {
        case IDC_FORM1_SPEEDBUTTON5:
            engineSwitch_->PressEnable(host_.Report());
            Render();
            host_.ReportSaves();
            return true;
        case IDC_FORM1_SPEEDBUTTON4:
            engineSwitch_->PressDisable(host_.Report());
            Render();
            host_.ReportSaves();
            return true;
        case IDC_FORM1_SPEEDBUTTON3:
            if (moreOptions_) {
                moreOptions_->ShowModal(win32::ToHwnd(host_.Owner()));
            }
            return true;
        default: return false;
    }
}

bool OptimizerPageView::Scrolled(int controlId) {
    if (controlId != IDC_FORM1_TRACKBAR1 && controlId != IDC_FORM1_TRACKBAR2) {
        return false;
    }
    const auto position = static_cast<std::uint32_t>(SendMessageA(form_.Control(controlId), TBM_GETPOS, 0, 0));
    if (controlId == IDC_FORM1_TRACKBAR1) {
        page_.MoveTarget(position);
    } else {
        page_.MoveMinimum(position);
    }
    Render();
    return true;
}

void OptimizerPageView::ShowMemory(const LoadHistory& /*history*/) {
    DrawGraph();
}

void OptimizerPageView::RefreshEngineState() {
    engineSwitch_->RefreshEngineState();
    Render();
}

void OptimizerPageView::SetCpuUsage(int percent) {
    if (moreOptions_) {
        moreOptions_->SetCpuUsage(percent);
    }
}

void OptimizerPageView::DrawGraph() {
    graph_.Draw(history_);
    form_.SetText(IDC_FORM1_LABEL15, OptimizerPage::FreeRamLine(context_.sample));
}

void OptimizerPageView::Render() {
    const struct {
        int id;
        const Slider& slider;
        int amountId;
        std::string amount;
    } sliders[] = {
        {IDC_FORM1_TRACKBAR1, page_.Target(), IDC_FORM1_LABEL5, page_.TargetAmount()},
        {IDC_FORM1_TRACKBAR2, page_.Minimum(), IDC_FORM1_LABEL6, page_.MinimumAmount()},
    };
    for (const auto& s : sliders) {
        const HWND control = form_.Control(s.id);
        if (static_cast<std::uint32_t>(SendMessageA(control, TBM_GETRANGEMAX, 0, 0)) != s.slider.Maximum()) {
            SendMessageA(control, TBM_SETRANGEMIN, FALSE, static_cast<LPARAM>(s.slider.Minimum()));
            SendMessageA(control, TBM_SETRANGEMAX, TRUE, static_cast<LPARAM>(s.slider.Maximum()));
        }
        if (static_cast<std::uint32_t>(SendMessageA(control, TBM_GETPOS, 0, 0)) != s.slider.Position()) {
            SendMessageA(control, TBM_SETPOS, TRUE, static_cast<LPARAM>(s.slider.Position()));
        }
        form_.SetText(s.amountId, s.amount);
    }
    if (engineSwitch_) {
        // Every tick renders; a button told its own state again would repaint for nothing.
        for (const auto& [id, pressed] : {std::pair{IDC_FORM1_SPEEDBUTTON5, engineSwitch_->EnablePressed()},
                                          std::pair{IDC_FORM1_SPEEDBUTTON4, engineSwitch_->DisablePressed()}}) {
            const HWND button = form_.Control(id);
            const WPARAM state = pressed ? BST_CHECKED : BST_UNCHECKED;
            if (static_cast<WPARAM>(SendMessageA(button, BM_GETCHECK, 0, 0)) != state) {
                SendMessageA(button, BM_SETCHECK, state, 0);
            }
        }
    }
}

}  // namespace talvane
