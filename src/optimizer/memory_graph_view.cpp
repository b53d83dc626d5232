#include "optimizer/memory_graph_view.h"

#include <array>

namespace talvane {

namespace {

constexpr int kWidth = LoadHistory::kGraphWidth;
constexpr int kHeight = LoadHistory::kGraphHeight;
constexpr int kGridStep = 20;

// A 1-pixel line drawn the way the graph always has: as a rectangle outline.
void GridLine(HDC dc, int left, int top, int right, int bottom) {
    Rectangle(dc, left, top, right, bottom);
}

}  // namespace

// The black ground with its grid never changes: it is drawn once, and each tick copies it and draws the line on
// it, so a tick costs one copy and one polyline (a whole redraw took Wine over a millisecond). The DCs are kept
// for the graph's life, and the control is handed the picture once.
bool MemoryGraphView::Prepare() {
    if (groundSelected_) {
        return true;
    }
    win32::WindowDc screen(graph_);
    picture_.Reset(CreateCompatibleBitmap(screen.Get(), kWidth, kHeight));
    ground_.Reset(CreateCompatibleBitmap(screen.Get(), kWidth, kHeight));
    linePen_.Reset(CreatePen(PS_SOLID, 1, RGB(0, 255, 0)));
    groundDc_.Reset(CreateCompatibleDC(screen.Get()));
    pictureDc_.Reset(CreateCompatibleDC(screen.Get()));
    if (!picture_ || !ground_ || !linePen_ || !groundDc_ || !pictureDc_) {
        return false;
    }
    groundSelected_.emplace(groundDc_.Get(), ground_.Get());
    const HDC dc = groundDc_.Get();
    {
        win32::SelectGuard blackPen(dc, GetStockObject(BLACK_PEN));
        win32::SelectGuard blackBrush(dc, GetStockObject(BLACK_BRUSH));
        Rectangle(dc, 0, 0, kWidth, kHeight);
        win32::UniquePen bluePen(CreatePen(PS_SOLID, 1, RGB(0, 0, 255)));
        win32::SelectGuard gridPen(dc, bluePen.Get());
        win32::SelectGuard hollow(dc, GetStockObject(NULL_BRUSH));
        for (int x = kGridStep; x < kWidth; x += kGridStep) {
            GridLine(dc, x, 0, x + 1, kHeight);
        }
        for (int y = kGridStep; y < kHeight; y += kGridStep) {
            GridLine(dc, 0, y, kWidth, y + 1);
        }
        win32::SelectGuard whitePen(dc, GetStockObject(WHITE_PEN));
        GridLine(dc, 0, kHeight / 2, kWidth, kHeight / 2 + 1);
    }
    SetWindowLongPtrA(graph_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(picture_.Get()));
    return true;
}

// The control must not paint a bitmap that is gone.
MemoryGraphView::~MemoryGraphView() {
    if (groundSelected_ && IsWindow(graph_) != FALSE) {
        SetWindowLongPtrA(graph_, GWLP_USERDATA, 0);
    }
}

void MemoryGraphView::Draw(const LoadHistory& history) {
    if (graph_ == nullptr || !Prepare()) {
        return;
    }
    const HDC dc = pictureDc_.Get();
    // Given back before the tick ends: the control selects the picture into its own DC when it paints.
    const win32::SelectGuard picture(dc, picture_.Get());
    const win32::SelectGuard pen(dc, linePen_.Get());
    BitBlt(dc, 0, 0, kWidth, kHeight, groundDc_.Get(), 0, 0, SRCCOPY);
    const auto& points = history.Points();
    std::array<POINT, LoadHistory::kPoints> line{};
    for (int k = 0; k < LoadHistory::kPoints; ++k) {
        line[k] = POINT{k * kGridStep, points[k]};
    }
    Polyline(dc, line.data(), static_cast<int>(line.size()));
    // Straight onto the control: an invalidation and its paint cost Wine twice the copy. Whatever is covered now
    // is painted from the picture when it is uncovered.
    win32::WindowDc screen(graph_);
    BitBlt(screen.Get(), 0, 0, kWidth, kHeight, dc, 0, 0, SRCCOPY);
}

}  // namespace talvane
