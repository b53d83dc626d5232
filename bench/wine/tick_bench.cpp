// The time of a status tick under Wine with the real platform: sample, graph drawn and copied onto a shown
// window, CPU reader.
#include "platform/win32/win.h"

#include <cstdio>
#include <cstdlib>

#include "base/startup_facts.h"
#include "optimizer/memory_graph_view.h"
#include "optimizer/status_tick.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_platform.h"
#include "ui/form_builder.h"

namespace {

class GraphOnly final : public talvane::StatusView {
public:
    explicit GraphOnly(talvane::MemoryGraphView& graph) : graph_(graph) {}
    void ShowMemory(const talvane::LoadHistory& history) override { graph_.Draw(history); }
    void RefreshEngineState() override {}
    void SetCpuUsage(int percent) override { last = percent; }
    int last = 0;

private:
    talvane::MemoryGraphView& graph_;
};

}  // namespace

int main(int argc, char** argv) {
    const int ticks = argc > 1 ? std::max(1, std::atoi(argv[1])) : 500;
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    talvane::ui::Form::RegisterClasses(instance);
    const HWND top = CreateWindowExA(0, "STATIC", "bench", WS_POPUP | WS_VISIBLE, 0, 0, 400, 200, nullptr, nullptr,
                                     instance, nullptr);
    const HWND graphWindow =
        CreateWindowExA(0, "TalvaneGraph", "", WS_CHILD | WS_VISIBLE, 0, 0, 360, 120, top, nullptr, instance, nullptr);
    talvane::MemoryGraphView graph;
    graph.Attach(graphWindow);

    talvane::win32::Win32System system;
    talvane::win32::Win32Clock clock;
    talvane::win32::Win32Registry registry;
    talvane::StartupFacts facts;
    facts.family = talvane::FamilyFromVersion(system.GetVersion());
    talvane::MemorySample sample;
    talvane::LoadHistory history;
    talvane::StatusSampler sampler(clock, registry, facts, sample, history);
    GraphOnly view(graph);

    sample = talvane::TakeMemorySample(system);
    sampler.Tick(view);  // warm: the first tick sizes the buffers
    LARGE_INTEGER frequency;
    LARGE_INTEGER start;
    LARGE_INTEGER end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    for (int i = 0; i < ticks; ++i) {
        sample = talvane::TakeMemorySample(system);
        sampler.Tick(view);
    }
    QueryPerformanceCounter(&end);
    const double micros =
        1e6 * static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart) / ticks;
    std::printf("status tick (family %d): %.1f us per tick over %d ticks, last CPU reading %d %%\n",
                static_cast<int>(facts.family), micros, ticks, view.last);
    DestroyWindow(top);
    return 0;
}
