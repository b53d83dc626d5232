// Draws the memory graph off screen and hands the picture to the graph control.
#pragma once

#include "platform/win32/win.h"

#include <optional>

#include "optimizer/load_history.h"
#include "platform/win32/handles.h"

namespace talvane {

class MemoryGraphView {
public:
    MemoryGraphView() = default;
    ~MemoryGraphView();
    MemoryGraphView(const MemoryGraphView&) = delete;
    MemoryGraphView& operator=(const MemoryGraphView&) = delete;

    void Attach(HWND graph) { graph_ = graph; }
    // Draws the whole picture, then copies it onto the control in one operation.
    void Draw(const LoadHistory& history);

private:
    bool Prepare();

    HWND graph_ = nullptr;
    // Destroyed in reverse: the DCs give back what was selected into them before the bitmaps and the pen go.
    win32::UniqueBitmap picture_;
    win32::UniqueBitmap ground_;
    win32::UniquePen linePen_;
    win32::UniqueMemDc groundDc_;
    win32::UniqueMemDc pictureDc_;  // the picture is selected into it only while a tick draws
    std::optional<win32::SelectGuard> groundSelected_;
};

}  // namespace talvane
