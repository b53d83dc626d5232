// The main window (TForm1): its own controls, the pages it loops over, Apply, Help and closing.
#pragma once

#include <memory>
#include <vector>

#include "shell/application.h"
#include "shell/apply_close.h"
#include "shell/main_window_model.h"
#include "ui/form_builder.h"
#include "ui/page.h"
#include "ui/window.h"

namespace talvane {

class MainWindow final : public ui::Window, private StartSteps, private ui::PageHost {
public:
    MainWindow(AppContext& context, Dialogs& dialogs);
    ~MainWindow() override;
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    bool Create();
    // Shows the window, then lets the pages build what could wait.
    void Show();

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    // StartSteps
    void DetermineFamily() override;
    void TakeFirstSample() override;
    void ReadDirectories() override;
    void ReadShellFolders() override;
    void ReadInstallDir() override;
    void CreateControls(ui::Page& page) override;

    // PageHost
    void MarkChanged() override;
    void NeedRestart() override;
    SaveReport& Report() override;
    void ReportSaves() override;
    [[nodiscard]] platform::WindowId Owner() const override;

    void FormCreate();
    void StatusTick();
    void Render();
    void RenderApply();
    void OnCommand(int id, int code);
    void OnClose();
    void OnPanelMouseMove(HWND panel, LPARAM point);
    bool OnSetCursor(HWND under);
    void UpdatePalette();

    AppContext& context_;
    Dialogs& dialogs_;
    ui::Form form_;
    std::vector<std::unique_ptr<ui::Page>> pages_;
    MainWindowModel model_;
    ApplyClose applyClose_;
    bool statusTimerRunning_ = false;
};

}  // namespace talvane
