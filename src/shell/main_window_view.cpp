#include "shell/main_window_view.h"

#include <windowsx.h>

#include "control_ids.h"
#include "settings/settings_store.h"
#include "shell/page_list.h"
#include "shell/start_routine.h"
#include "ui/flat_button.h"

namespace talvane {

namespace {

constexpr UINT_PTR kStatusTimer = 1;
// Failures found while the window was being created are reported once it shows.
constexpr UINT kReportFailedSaves = WM_APP + 2;
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

std::vector<ui::Page*> Raw(const std::vector<std::unique_ptr<ui::Page>>& pages) {
    std::vector<ui::Page*> raw;
    raw.reserve(pages.size());
    for (const auto& page : pages) {
        raw.push_back(page.get());
    }
    return raw;
}

}  // namespace

MainWindow::MainWindow(AppContext& context, Dialogs& dialogs)
    : context_(context),
      dialogs_(dialogs),
      pages_(CreatePages(context, form_, *this)),
      model_(context.facts, Raw(pages_)),
      applyClose_(model_, context.windows, context.prompts, context.power, context.warningsSaid) {}

MainWindow::~MainWindow() = default;

bool MainWindow::Create() {
    if (!Register(context_.instance, kMainWindowClass, context_.theme.AppIcon(),
                  reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1))) {
        return false;
    }
    const RECT frame = ui::CentredFrame(MainWindowForm().clientWidth, MainWindowForm().clientHeight, kStyle, 0);
    return ui::Window::Create(context_.instance, kMainWindowClass, kMainWindowCaption, kStyle, WS_EX_CONTROLPARENT,
                              frame.left, frame.top, frame.right - frame.left, frame.bottom - frame.top, nullptr);
}

// ShowWindow erases every child at once and paints them all after: under Wine a second pass over some fifty
// windows. Shown with the erase deferred, each child erases as it paints. A start its caller asked to be
// minimized, maximized or hidden goes through ShowWindow, told that wish itself: Wine takes it on the first call
// only for SW_SHOWDEFAULT.
void MainWindow::Show() {
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    GetStartupInfoA(&startup);
    const bool callerChose = (startup.dwFlags & STARTF_USESHOWWINDOW) != 0 && startup.wShowWindow != SW_SHOWNORMAL &&
                             startup.wShowWindow != SW_SHOW && startup.wShowWindow != SW_SHOWDEFAULT;
    if (callerChose) {
        ShowWindow(Handle(), startup.wShowWindow);
    } else {
        SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                     SWP_SHOWWINDOW | SWP_DEFERERASE | SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER);
    }
    UpdateWindow(Handle());
    for (ui::Page* page : model_.Pages()) {
        page->WindowShown();
    }
}

void MainWindow::FormCreate() {
    form_.Build(context_.instance, Handle(), MainWindowForm().controls, context_.theme);
    form_.ApplyTextRows(MainWindowForm().controls);
    model_.Create(*this, applyClose_.Report());
    Render();
    if (!applyClose_.Report().Empty()) {
        PostMessageA(Handle(), kReportFailedSaves, 0, 0);
    }
}

void MainWindow::DetermineFamily() {
    context_.facts.family = talvane::DetermineFamily(context_.system);
}

void MainWindow::TakeFirstSample() {
    context_.sample = TakeMemorySample(context_.system);
}

void MainWindow::ReadDirectories() {
    ReadWindowsDirectories(context_.system, context_.facts);
}

void MainWindow::ReadShellFolders() {
    talvane::ReadShellFolders(context_.shell, win32::FromHwnd(Handle()), context_.facts);
}

void MainWindow::ReadInstallDir() {
    SetInstallDir(context_.facts, talvane::ReadInstallDir(context_.registry, context_.system));
}

void MainWindow::CreateControls(ui::Page& page) {
    form_.BuildOne(context_.instance, Handle(), MainWindowForm().controls, page.PanelId(), context_.theme);
    form_.Build(context_.instance, Handle(), page.Controls(), context_.theme);
    form_.ApplyTextRows(page.Controls());
}

void MainWindow::MarkChanged() {
    model_.MarkChanged();
    RenderApply();
}

void MainWindow::NeedRestart() {
    applyClose_.TweakChanged();
}

SaveReport& MainWindow::Report() {
    return applyClose_.Report();
}

void MainWindow::ReportSaves() {
    applyClose_.Report().InformAndClear(context_.prompts, Owner(), &context_.warningsSaid);
}

platform::WindowId MainWindow::Owner() const {
    return win32::FromHwnd(Handle());
}

void MainWindow::StatusTick() {
    context_.sample = TakeMemorySample(context_.system);
    for (ui::Page* page : model_.Pages()) {
        page->Tick();
    }
}

void MainWindow::Render() {
    form_.SetText(IDC_FORM1_TITLE, model_.Title());
    form_.SetText(IDC_FORM1_QUICKINFO_LINE1, model_.QuickInfo().first);
    form_.SetText(IDC_FORM1_QUICKINFO_LINE2, model_.QuickInfo().second);
    // Show the new page before hiding the old one, so nothing flashes through.
    const ui::Page* visible = model_.Visible();
    if (visible != nullptr) {
        form_.Show(visible->PanelId(), true);
    }
    for (const auto& page : pages_) {
        if (page.get() != visible) {
            form_.Show(page->PanelId(), false);
        }
    }
    RenderApply();
    // SetTimer with the same ID starts its second anew, so a running timer is left alone.
    if (model_.StatusTimerEnabled() && !statusTimerRunning_) {
        statusTimerRunning_ = SetTimer(Handle(), kStatusTimer, 1000, nullptr) != 0;
    }
}

void MainWindow::RenderApply() {
    if (const HWND apply = form_.Control(IDC_FORM1_APPLY)) {
        EnableWindow(apply, model_.ApplyEnabled() ? TRUE : FALSE);
    }
}

void MainWindow::OnCommand(int id, int code) {
    if (code == BN_CLICKED && model_.PressNav(id)) {
        Render();
        return;
    }
    if (code == BN_CLICKED) {
        switch (id) {
            case IDC_FORM1_HELP: context_.help.Show(Owner(), model_.HelpAddress()); return;
            case IDC_FORM1_HOMEPAGE:
                context_.shell.ShellExecute(Owner(), "open", kHomePageAddress, platform::kSwShow);
                return;
            case IDC_FORM1_ABOUT: dialogs_.ShowAbout(Handle()); return;
            case IDC_FORM1_APPLY:
                static_cast<void>(applyClose_.SaveNow(Owner()));
                Render();
                return;
            case IDC_FORM1_CANCEL:
                applyClose_.PressCancel();
                PostMessageA(Handle(), WM_CLOSE, 0, 0);
                return;
            default: break;
        }
    }
    for (ui::Page* page : model_.Pages()) {
        if (page->Command(id, code)) {
            return;
        }
    }
}

// A save the user asked for that failed keeps the window open with the user's values.
void MainWindow::OnClose() {
    if (applyClose_.CloseQuery(Owner())) {
        DestroyWindow(Handle());
    } else {
        Render();
    }
}

void MainWindow::OnPanelMouseMove(HWND panel, LPARAM point) {
    const POINT at{GET_X_LPARAM(point), GET_Y_LPARAM(point)};
    const HWND under = ChildWindowFromPointEx(panel, at, CWP_SKIPINVISIBLE);
    const HWND described = under == nullptr ? panel : under;
    model_.PointerOver(GetDlgCtrlID(described));
    form_.SetText(IDC_FORM1_QUICKINFO_LINE1, model_.QuickInfo().first);
    form_.SetText(IDC_FORM1_QUICKINFO_LINE2, model_.QuickInfo().second);
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
        form_.RepaintPanels();
    }
}

LRESULT MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE: FormCreate(); return 0;
        case WM_COMMAND: OnCommand(LOWORD(wParam), HIWORD(wParam)); return 0;
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
                const int id = GetDlgCtrlID(reinterpret_cast<HWND>(lParam));
                for (ui::Page* page : model_.Pages()) {
                    if (page->Scrolled(id)) {
                        break;
                    }
                }
            }
            return 0;
        case WM_NOTIFY: {
            const auto* header = reinterpret_cast<const NMHDR*>(lParam);
            for (ui::Page* page : model_.Pages()) {
                if (page->Notified(static_cast<int>(header->idFrom), header)) {
                    break;
                }
            }
            return 0;
        }
        case kReportFailedSaves: ReportSaves(); return 0;
        case WM_CLOSE: OnClose(); return 0;
        case WM_DESTROY:
            KillTimer(Handle(), kStatusTimer);
            PostQuitMessage(0);
            return 0;
        default: break;
    }
    return ui::Window::HandleMessage(message, wParam, lParam);
}

}  // namespace talvane
