#include "shell/main_window_view.h"

#include <windowsx.h>

#include "base/text_table.h"
#include "control_ids.h"
#include "settings/engine_contract.h"
#include "settings/settings_store.h"
#include "shell/start_routine.h"
#include "ui/flat_button.h"

namespace talvane {

namespace {

constexpr UINT_PTR kStatusTimer = 1;
// Failures found while the window was being created are reported once it shows.
constexpr UINT kReportFailedSaves = WM_APP + 2;
// No page reads the shell folders while the window is built: posted, they are read once it shows and before any
// input, which keeps loading shell32 out of the time to the first window.
constexpr UINT kReadShellFolders = WM_APP + 3;
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

constexpr int kPageIds[kPageCount] = {IDC_FORM1_PAGE0, IDC_FORM1_PAGE1, IDC_FORM1_PAGE2,
                                      IDC_FORM1_PAGE3, IDC_FORM1_PAGE4, IDC_FORM1_PAGE5};

std::optional<NavEntry> NavEntryFor(int id) {
    switch (id) {
        case IDC_FORM1_NAV_OPTIMIZER: return NavEntry::Optimizer;
        case IDC_FORM1_NAV_SYSINFO: return NavEntry::SystemInfo;
        case IDC_FORM1_NAV_STARTUP: return NavEntry::Startup;
        case IDC_FORM1_NAV_SHORTCUT: return NavEntry::Shortcut;
        case IDC_FORM1_NAV_TWEAK: return NavEntry::Tweak;
        default: return std::nullopt;
    }
}

std::optional<int> PageNumberOf(int id) {
    for (int i = 0; i < kPageCount; ++i) {
        if (kPageIds[i] == id) {
            return i;
        }
    }
    return std::nullopt;
}

}  // namespace

MainWindow::MainWindow(AppContext& context, Dialogs& dialogs)
    : context_(context),
      dialogs_(dialogs),
      model_(context.facts, context.sample, *this),
      optimizerPage_([this] { model_.MarkChanged(); }),
      applyClose_(model_, *this, context.prompts, context.power),
      sampler_(context.system, context.clock, context.registry, context.facts, context.sample, loadHistory_) {}

bool MainWindow::Create() {
    if (!Register(context_.instance, kMainWindowClass, context_.theme.AppIcon(),
                  reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1))) {
        return false;
    }
    const RECT frame = ui::CentredFrame(MainWindowForm().clientWidth, MainWindowForm().clientHeight, kStyle, 0);
    return ui::Window::Create(context_.instance, kMainWindowClass, kMainWindowCaption, kStyle, WS_EX_CONTROLPARENT,
                              frame.left, frame.top, frame.right - frame.left, frame.bottom - frame.top, nullptr);
}

void MainWindow::Show() {
    ShowWindow(Handle(), SW_SHOWNORMAL);
    UpdateWindow(Handle());
}

void MainWindow::FormCreate() {
    form_.Build(context_.instance, Handle(), MainWindowForm(), context_.theme);
    graph_.Attach(form_.Control(IDC_FORM1_GRAPH));
    RunCreationSequence(*this, context_.facts);
    Render();
    if (!applyClose_.Report().Empty()) {
        PostMessageA(Handle(), kReportFailedSaves, 0, 0);
    }
}

void MainWindow::DetermineFamily() {
    context_.facts.family = talvane::DetermineFamily(context_.system);
    engineSwitch_.emplace(context_.registry, context_.processes, context_.windows, context_.facts.family);
}

void MainWindow::TakeFirstSample() {
    context_.sample = TakeMemorySample(context_.system);
}

void MainWindow::DrawFirstGraph() {
    loadHistory_.Fill(context_.sample.memoryLoad);
    DrawGraph();
}

void MainWindow::ReadDirectories() {
    ReadWindowsDirectories(context_.system, context_.facts);
}

void MainWindow::ReadShellFolders() {
    PostMessageA(Handle(), kReadShellFolders, 0, 0);
}

void MainWindow::ShowOptimizerPage() {
    model_.SelectPage(PageIndex::Optimizer);
}

void MainWindow::DisableApply() {
    model_.ClearChanges();
}

void MainWindow::SetSliderRanges() {
    optimizerPage_.SetRanges(context_.sample.totalPhysMB);
    for (const int id : {IDC_FORM1_TRACKBAR1, IDC_FORM1_TRACKBAR2}) {
        SendMessageA(form_.Control(id), TBM_SETTICFREQ, 16, 0);
    }
}

void MainWindow::ReadOptimizerSettings() {
    const OptimizerSettings settings = talvane::ReadOptimizerSettings(context_.registry, context_.sample.totalPhysMB);
    optimizerPage_.MoveTarget(settings.targetFreeRam);
    optimizerPage_.MoveMinimum(settings.minimumFreeRam);
}

void MainWindow::WriteOptimizerSettings(SaveReport& report) {
    OptimizerSettings settings;
    settings.targetFreeRam = optimizerPage_.Target().Position();
    settings.minimumFreeRam = optimizerPage_.Minimum().Position();
    talvane::WriteOptimizerSettings(context_.registry, settings, report);
}

void MainWindow::NotifyEngine() {
    talvane::NotifyEngine(context_.windows);
}

void MainWindow::FirstRunCheck() {
    talvane::FirstRunCheck(context_.registry, context_.processes, context_.facts, *engineSwitch_, applyClose_.Report());
}

void MainWindow::ReportFailedSaves() {
    applyClose_.Report().InformAndClear(context_.prompts, win32::FromHwnd(Handle()));
}

void MainWindow::OnSlider(HWND slider) {
    const auto position = static_cast<std::uint32_t>(SendMessageA(slider, TBM_GETPOS, 0, 0));
    if (slider == form_.Control(IDC_FORM1_TRACKBAR1)) {
        optimizerPage_.MoveTarget(position);
    } else if (slider == form_.Control(IDC_FORM1_TRACKBAR2)) {
        optimizerPage_.MoveMinimum(position);
    }
    Render();
}

void MainWindow::ApplyTexts() {
    form_.ApplyTextRows(MainWindowForm());
}

void MainWindow::ReadInstallDir() {
    SetInstallDir(context_.facts, talvane::ReadInstallDir(context_.registry, context_.system));
}

void MainWindow::DrawGraph() {
    graph_.Draw(loadHistory_);
    form_.SetText(IDC_FORM1_LABEL15, model_.FreeRamLine());
}

void MainWindow::StatusTick() {
    sampler_.Tick(*this);
}

void MainWindow::ShowMemory(const LoadHistory& /*history*/) {
    DrawGraph();
}

void MainWindow::RefreshEngineState() {
    engineSwitch_->RefreshEngineState();
    Render();
}

void MainWindow::SetCpuUsage(int percent) {
    dialogs_.SetCpuUsage(percent);
}

void MainWindow::Render() {
    form_.SetText(IDC_FORM1_TITLE, model_.Title());
    form_.SetText(IDC_FORM1_QUICKINFO_LINE1, model_.QuickInfo().first);
    form_.SetText(IDC_FORM1_QUICKINFO_LINE2, model_.QuickInfo().second);
    form_.SetText(IDC_FORM1_LABEL15, model_.FreeRamLine());
    form_.SetText(IDC_FORM1_SCALE_TOP, model_.ScaleTop());
    form_.SetText(IDC_FORM1_SCALE_MIDDLE, model_.ScaleMiddle());
    form_.SetText(IDC_FORM1_SCALE_BOTTOM, model_.ScaleBottom());
    // Show the new page before hiding the old one, so nothing flashes through.
    const std::optional<PageIndex> visible = model_.VisiblePage();
    if (visible) {
        form_.Show(kPageIds[static_cast<int>(*visible)], true);
    }
    for (int i = 0; i < kPageCount; ++i) {
        if (!visible || static_cast<int>(*visible) != i) {
            form_.Show(kPageIds[i], false);
        }
    }
    const struct {
        int id;
        const Slider& slider;
        int amountId;
        std::string amount;
    } sliders[] = {
        {IDC_FORM1_TRACKBAR1, optimizerPage_.Target(), IDC_FORM1_LABEL5, optimizerPage_.TargetAmount()},
        {IDC_FORM1_TRACKBAR2, optimizerPage_.Minimum(), IDC_FORM1_LABEL6, optimizerPage_.MinimumAmount()},
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
    SendMessageA(form_.Control(IDC_FORM1_SPEEDBUTTON5), BM_SETCHECK,
                 engineSwitch_->EnablePressed() ? BST_CHECKED : BST_UNCHECKED, 0);
    SendMessageA(form_.Control(IDC_FORM1_SPEEDBUTTON4), BM_SETCHECK,
                 engineSwitch_->DisablePressed() ? BST_CHECKED : BST_UNCHECKED, 0);
    if (const HWND apply = form_.Control(IDC_FORM1_APPLY)) {
        EnableWindow(apply, model_.ApplyEnabled() ? TRUE : FALSE);
    }
    if (model_.StatusTimerEnabled()) {
        // SetTimer with the same ID replaces the timer; only start it once.
        static_cast<void>(SetTimer(Handle(), kStatusTimer, 1000, nullptr));
    }
}

void MainWindow::OnCommand(int id) {
    if (const std::optional<NavEntry> entry = NavEntryFor(id)) {
        model_.PressNav(*entry);
        Render();
        return;
    }
    switch (id) {
        case IDC_FORM1_HELP: context_.help.Show(win32::FromHwnd(Handle()), model_.HelpAddress()); break;
        case IDC_FORM1_HOMEPAGE:
            context_.shell.ShellExecute(win32::FromHwnd(Handle()), "open", kHomePageAddress, platform::kSwShow);
            break;
        case IDC_FORM1_ABOUT: dialogs_.ShowAbout(Handle()); break;
        case IDC_FORM1_SPEEDBUTTON3: dialogs_.ShowMoreOptions(Handle()); break;
        case IDC_FORM1_APPLY:
            applyClose_.SaveNow(win32::FromHwnd(Handle()));
            Render();
            break;
        case IDC_FORM1_CANCEL:
            applyClose_.PressCancel();
            PostMessageA(Handle(), WM_CLOSE, 0, 0);
            break;
        case IDC_FORM1_SPEEDBUTTON5:
            engineSwitch_->PressEnable(applyClose_.Report());
            Render();
            ReportFailedSaves();
            break;
        case IDC_FORM1_SPEEDBUTTON4:
            engineSwitch_->PressDisable(applyClose_.Report());
            Render();
            ReportFailedSaves();
            break;
        default: break;
    }
}

void MainWindow::OnPanelMouseMove(HWND panel, LPARAM point) {
    const POINT at{GET_X_LPARAM(point), GET_Y_LPARAM(point)};
    const HWND under = ChildWindowFromPointEx(panel, at, CWP_SKIPINVISIBLE);
    std::optional<QuickInfoItem> item;
    if (under == panel || under == nullptr) {
        if (const std::optional<int> page = PageNumberOf(GetDlgCtrlID(panel))) {
            item = QuickInfoItemForPage(*page);
        }
    } else {
        item = QuickInfoItemForControl(GetDlgCtrlID(under));
    }
    if (item) {
        model_.PointerOver(*item);
        form_.SetText(IDC_FORM1_QUICKINFO_LINE1, model_.QuickInfo().first);
        form_.SetText(IDC_FORM1_QUICKINFO_LINE2, model_.QuickInfo().second);
    }
}

bool MainWindow::OnSetCursor(HWND under) {
    const ControlRow* entry = form_.Row(GetDlgCtrlID(under));
    if (entry == nullptr || (entry->flags & kHandCursor) == 0) {
        return false;
    }
    SetCursor(context_.theme.HandCursor());
    return true;
}

void MainWindow::UpdatePalette() {
    const Color base = context_.windows.GetSysColor(context_.palette.BaseColorIndex());
    if (context_.palette.Update(base)) {
        context_.theme.SetPalette(context_.palette.Palette());
    }
    form_.RepaintPanels();
}

LRESULT MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE: FormCreate(); return 0;
        case WM_COMMAND:
            if (HIWORD(wParam) == BN_CLICKED) {
                OnCommand(LOWORD(wParam));
            }
            return 0;
        case WM_DRAWITEM:
            ui::DrawFlatButton(context_.theme, form_, *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        case ui::kPanelMouseMove: OnPanelMouseMove(reinterpret_cast<HWND>(wParam), lParam); return 0;
        case WM_SETCURSOR:
            if (OnSetCursor(reinterpret_cast<HWND>(wParam))) {
                return TRUE;
            }
            break;
        case WM_TIMER:
            if (wParam == kStatusTimer) {
                StatusTick();
            }
            return 0;
        case WM_ACTIVATEAPP:
            if (wParam != FALSE) {
                context_.palette.Activate();
            } else {
                context_.palette.Deactivate();
            }
            UpdatePalette();
            return 0;
        case WM_PAINT: {
            UpdatePalette();
            win32::PaintDc dc(Handle());
            return 0;
        }
        case WM_HSCROLL:
            if (lParam != 0) {
                OnSlider(reinterpret_cast<HWND>(lParam));
            }
            return 0;
        case kReportFailedSaves: ReportFailedSaves(); return 0;
        case kReadShellFolders:
            talvane::ReadShellFolders(context_.shell, win32::FromHwnd(Handle()), context_.facts);
            return 0;
        case WM_CLOSE:
            applyClose_.CloseQuery(win32::FromHwnd(Handle()));
            DestroyWindow(Handle());
            return 0;
        case WM_DESTROY:
            KillTimer(Handle(), kStatusTimer);
            PostQuitMessage(0);
            return 0;
        default: break;
    }
    return ui::Window::HandleMessage(message, wParam, lParam);
}

}  // namespace talvane
