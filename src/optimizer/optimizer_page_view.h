// The RAM Optimizer page of the main window: sliders, engine switch, memory graph and the More Options dialog.
#pragma once

#include <memory>
#include <optional>

#include "optimizer/engine_switch.h"
#include "optimizer/load_history.h"
#include "optimizer/memory_graph_view.h"
#include "optimizer/more_options_view.h"
#include "optimizer/optimizer_page.h"
#include "optimizer/status_tick.h"
#include "ui/app_context.h"
#include "ui/form_builder.h"
#include "ui/page.h"

namespace talvane {

class OptimizerPageView final : public ui::IdentifiedPage, private StatusView {
public:
    OptimizerPageView(AppContext& context, const ui::Form& form, ui::PageHost& host);
    ~OptimizerPageView() override;
    OptimizerPageView(const OptimizerPageView&) = delete;
    OptimizerPageView& operator=(const OptimizerPageView&) = delete;

    [[nodiscard]] std::optional<QuickInfoLines> QuickInfo(int controlId) const override;
    [[nodiscard]] const std::vector<ControlRow>& Controls() const override;

    void Build() override;
    void Read() override;
    void Write(SaveReport& report) override;
    void Started(SaveReport& report) override;
    void Shown(QuickInfoLines& quickInfo) override;
    void Tick() override;
    void WindowShown() override;
    bool Command(int controlId, int code) override;
    bool Scrolled(int controlId) override;

private:
    // StatusView
    void ShowMemory(const LoadHistory& history) override;
    void RefreshEngineState() override;
    void SetCpuUsage(int percent) override;

    void DrawGraph();
    void Render();

    AppContext& context_;
    const ui::Form& form_;
    ui::PageHost& host_;
    OptimizerPage page_;
    std::optional<EngineSwitch> engineSwitch_;  // made once the family is known
    LoadHistory history_;
    StatusSampler sampler_;
    MemoryGraphView graph_;
    std::unique_ptr<MoreOptionsDialog> moreOptions_;
};

}  // namespace talvane
