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

void MemoryGraphView::Draw(const LoadHistory& history) {
    if (graph_ == nullptr) {
        return;
    }
    win32::WindowDc screen(graph_);
    if (!bitmap_) {
        bitmap_.Reset(CreateCompatibleBitmap(screen.Get(), kWidth, kHeight));
    }
    win32::UniqueMemDc dc(CreateCompatibleDC(screen.Get()));
    if (!bitmap_ || !dc) {
        return;
    }
    {
        win32::SelectGuard selectBitmap(dc.Get(), bitmap_.Get());
        win32::SelectGuard blackPen(dc.Get(), GetStockObject(BLACK_PEN));
        win32::SelectGuard blackBrush(dc.Get(), GetStockObject(BLACK_BRUSH));
        Rectangle(dc.Get(), 0, 0, kWidth, kHeight);

        win32::UniquePen bluePen(CreatePen(PS_SOLID, 1, RGB(0, 0, 255)));
        win32::SelectGuard gridPen(dc.Get(), bluePen.Get());
        win32::SelectGuard hollow(dc.Get(), GetStockObject(NULL_BRUSH));
        for (int x = kGridStep; x < kWidth; x += kGridStep) {
            GridLine(dc.Get(), x, 0, x + 1, kHeight);
        }
        for (int y = kGridStep; y < kHeight; y += kGridStep) {
            GridLine(dc.Get(), 0, y, kWidth, y + 1);
        }
        {
            win32::SelectGuard whitePen(dc.Get(), GetStockObject(WHITE_PEN));
            GridLine(dc.Get(), 0, kHeight / 2, kWidth, kHeight / 2 + 1);
        }

        const auto& points = history.Points();
        std::array<POINT, LoadHistory::kPoints> line{};
        for (int k = 0; k < LoadHistory::kPoints; ++k) {
            line[k] = POINT{k * kGridStep, points[k]};
        }
        win32::UniquePen greenPen(CreatePen(PS_SOLID, 1, RGB(0, 255, 0)));
        win32::SelectGuard linePen(dc.Get(), greenPen.Get());
        Polyline(dc.Get(), line.data(), static_cast<int>(line.size()));
    }
    SetWindowLongPtrA(graph_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(bitmap_.Get()));
    InvalidateRect(graph_, nullptr, FALSE);
    UpdateWindow(graph_);
}

}  // namespace talvane
