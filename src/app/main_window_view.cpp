#include "app/main_window_view.h"

#include <windowsx.h>

#include "app/start_routine.h"
#include "app/text_table.h"
#include "control_ids.h"
#include "ui/flat_button.h"

namespace talvane {

namespace {

constexpr UINT_PTR kStatusTimer = 1;
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

MainWindow::MainWindow(AppContext& context) : context_(context), model_(context.facts, context.sample, *this) {}

bool MainWindow::Create() {
    if (!Register(context_.instance, kMainWindowClass, context_.theme.AppIcon(),
                  reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1))) {
        return false;
    }
    RECT frame{0, 0, MainWindowForm().clientWidth, MainWindowForm().clientHeight};
    AdjustWindowRectEx(&frame, kStyle, FALSE, 0);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    RECT desktop;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &desktop, 0);
    const int x = desktop.left + (desktop.right - desktop.left - width) / 2;
    const int y = desktop.top + (desktop.bottom - desktop.top - height) / 2;
    return ui::Window::Create(context_.instance, kMainWindowClass, kMainWindowCaption, kStyle, WS_EX_CONTROLPARENT, x,
                              y, width, height, nullptr);
}

void MainWindow::Show() {
    ShowWindow(Handle(), SW_SHOWNORMAL);
    UpdateWindow(Handle());
}

// The order is the product's: later steps rely on what the earlier ones gathered.
void MainWindow::FormCreate() {
    form_.Build(context_.instance, Handle(), MainWindowForm(), context_.theme);
    graph_.Attach(form_.Control(IDC_FORM1_GRAPH));

    context_.facts.family = DetermineFamily(context_.system);
    context_.sample = TakeMemorySample(context_.system);
    context_.loadHistory.Fill(context_.sample.memoryLoad);
    DrawGraph();
    ReadWindowsDirectories(context_.system, context_.facts);
    ReadShellFolders(context_.shell, win32::FromHwnd(Handle()), context_.facts);
    ApplyTexts();
    SetSliderRanges();
    ReadInstallDir();
    ReadTweakPage();
    ReadOptimizerSettings();
    FirstRunCheck();
    if (context_.facts.family == WindowsFamily::WinXP) {
        AdjustBrowseButton();
    }
    model_.SelectPage(PageIndex::Optimizer);
    model_.ClearChanges();
    Render();
}

void MainWindow::ApplyTexts() {
    for (const ControlSpec& spec : MainWindowForm().controls) {
        if (spec.textRow != kNoRow) {
            form_.SetText(spec.id, TextTable::Row(spec.textRow));
        }
    }
}

void MainWindow::ReadInstallDir() {
    SetInstallDir(context_.facts, context_.system.GetCurrentDirectory());
}

void MainWindow::DrawGraph() {
    graph_.Draw(context_.loadHistory);
    form_.SetText(IDC_FORM1_LABEL15, model_.FreeRamLine());
}

void MainWindow::StatusTick() {
    context_.sample = TakeMemorySample(context_.system);
    context_.loadHistory.Shift(context_.sample.memoryLoad);
    DrawGraph();
}

void MainWindow::Render() {
    form_.SetText(IDC_FORM1_TITLE, model_.Title());
    form_.SetText(IDC_FORM1_QUICKINFO_LINE1, model_.QuickInfo().first);
    form_.SetText(IDC_FORM1_QUICKINFO_LINE2, model_.QuickInfo().second);
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
        case IDC_FORM1_ABOUT: context_.dialogs->ShowAbout(Handle()); break;
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
    const ControlSpec* spec = form_.Spec(GetDlgCtrlID(under));
    if (spec == nullptr || (spec->flags & kHandCursor) == 0) {
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
        case WM_DESTROY:
            KillTimer(Handle(), kStatusTimer);
            PostQuitMessage(0);
            return 0;
        default: break;
    }
    return ui::Window::HandleMessage(message, wParam, lParam);
}

}  // namespace talvane
