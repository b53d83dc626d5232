// The main window (TForm1): creates its controls, runs the creation sequence, forwards events to its model.
#pragma once

#include <optional>

#include "optimizer/engine_switch.h"
#include "optimizer/memory_graph_view.h"
#include "optimizer/optimizer_page.h"
#include "optimizer/status_tick.h"
#include "shell/application.h"
#include "shell/apply_close.h"
#include "shell/creation_sequence.h"
#include "shell/main_window_model.h"
#include "ui/form_builder.h"
#include "ui/window.h"

namespace talvane {

class MainWindow final : public ui::Window,
                         private PageActions,
                         private ApplySteps,
                         private StatusView,
                         private CreationSteps {
public:
    MainWindow(AppContext& context, Dialogs& dialogs);

    bool Create();
    void Show();

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    void FormCreate();
    // CreationSteps: what the creation sequence does in this window.
    void DetermineFamily() override;
    void TakeFirstSample() override;
    void DrawFirstGraph() override;
    void ReadDirectories() override;
    void ReadShellFolders() override;
    void ApplyTexts() override;
    void SetSliderRanges() override;
    void ReadInstallDir() override;
    void FirstRunCheck() override;
    void AdjustBrowseButton() override {}  // the Create Shortcut page adds its browse button here
    void ShowOptimizerPage() override;
    void DisableApply() override;

    // ApplySteps: the tweak pages and the startup list add their parts here.
    void WriteTweakPage(SaveReport& /*report*/) override {}
    void WriteOptimizerSettings(SaveReport& report) override;
    void ApplyStartupItems(SaveReport& /*report*/) override {}
    void ReadTweakPage() override {}
    void ReadOptimizerSettings() override;
    void NotifyEngine() override;
    void ShowPostApplyNote() override {}

    // StatusView: what each tick of the status timer shows.
    void SetUptime(int /*row*/, const std::string& /*text*/) override {}
    void ShowMemory(const LoadHistory& history) override;
    void RefreshEngineState() override;
    void SetCpuUsage(int percent) override;

    void OnSlider(HWND slider);
    void ReportFailedSaves();

    void StatusTick();
    void DrawGraph();
    void Render();
    void OnCommand(int id);
    void OnPanelMouseMove(HWND panel, LPARAM point);
    bool OnSetCursor(HWND under);
    void UpdatePalette();

    AppContext& context_;
    Dialogs& dialogs_;
    LoadHistory loadHistory_;
    MainWindowModel model_;
    OptimizerPage optimizerPage_;
    std::optional<EngineSwitch> engineSwitch_;  // made once the family is known
    ApplyClose applyClose_;
    StatusSampler sampler_;
    ui::Form form_;
    MemoryGraphView graph_;
};

}  // namespace talvane
