// The main window (TForm1): creates its controls, runs the creation sequence, forwards events to its model.
#pragma once

#include "app/application.h"
#include "app/main_window_model.h"
#include "optimizer/memory_graph_view.h"
#include "ui/form_builder.h"
#include "ui/window.h"

namespace talvane {

class MainWindow final : public ui::Window, private PageActions {
public:
    explicit MainWindow(AppContext& context);

    bool Create();
    void Show();

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    void FormCreate();
    void ApplyTexts();
    void ReadInstallDir();
    void ReadTweakPage() {}
    void ReadOptimizerSettings() {}
    void FirstRunCheck() {}
    void SetSliderRanges() {}
    void AdjustBrowseButton() {}

    void StatusTick();
    void DrawGraph();
    void Render();
    void OnCommand(int id);
    void OnPanelMouseMove(HWND panel, LPARAM point);
    bool OnSetCursor(HWND under);
    void UpdatePalette();

    AppContext& context_;
    MainWindowModel model_;
    ui::Form form_;
    MemoryGraphView graph_;
};

}  // namespace talvane
