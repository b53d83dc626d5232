#include "ui/tray_icon_preview.h"

namespace talvane::ui {

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);

// Draws with a pen and brush of these colours, then puts the DC's own back.
class Paint {
public:
    Paint(HDC dc, COLORREF pen, COLORREF brush)
        : pen_(CreatePen(PS_SOLID, 1, pen)),
          brush_(CreateSolidBrush(brush)),
          selectPen_(dc, pen_.Get()),
          selectBrush_(dc, brush_.Get()) {}

private:
    win32::UniquePen pen_;
    win32::UniqueBrush brush_;
    win32::SelectGuard selectPen_;
    win32::SelectGuard selectBrush_;
};

struct Layout {
    int size;
    RECT bar;
};

Layout LayoutFor(int size) {
    if (size == kTrayPreviewSize) {
        return {size, {1, 25, 32, 32}};
    }
    return {kTrayIconSize, {1, 12, 16, 16}};
}

win32::UniqueFont FontFor(const Layout& layout, HDC screen) {
    if (layout.size == kTrayPreviewSize) {
        const int height = -MulDiv(17, GetDeviceCaps(screen, LOGPIXELSY), 72);
        return win32::UniqueFont(CreateFontA(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET,
                                             OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                             DEFAULT_PITCH | FF_ROMAN, "MS Serif"));
    }
    // In pixels, not points: the icon has 16 of them at any DPI, and three digits of this raster font fit.
    return win32::UniqueFont(CreateFontA(-9, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                                         CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, VARIABLE_PITCH | FF_SWISS,
                                         "Small Fonts"));
}

void DrawFigure(HDC dc, const Layout& layout, HFONT font, COLORREF colour, const std::string& text) {
    if (text.empty()) {
        return;
    }
    win32::SelectGuard select(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colour);
    const int length = static_cast<int>(text.size());
    if (layout.size == kTrayPreviewSize) {
        // The sample's places, made for a number from 0 to 100.
        const int left = length < 2 ? 8 : length < 3 ? 6 : -2;
        TextOutA(dc, left, 0, text.c_str(), length);
        return;
    }
    // Centred, standing on the row above the bar.
    SIZE extent{};
    GetTextExtentPoint32A(dc, text.c_str(), length, &extent);
    const UINT align = SetTextAlign(dc, TA_LEFT | TA_BASELINE);
    TextOutA(dc, (layout.size - extent.cx + 1) / 2, layout.bar.top - 1, text.c_str(), length);
    SetTextAlign(dc, align);
}

}  // namespace

win32::UniqueIcon DrawTrayIcon(int size, const std::string& text, TrayIconKind kind, COLORREF textColour) {
    const Layout layout = LayoutFor(size);
    const RECT& bar = layout.bar;
    win32::WindowDc screen(nullptr);
    win32::UniqueMemDc dc(CreateCompatibleDC(screen.Get()));
    win32::UniqueBitmap mask(CreateBitmap(layout.size, layout.size, 1, 1, nullptr));
    win32::UniqueBitmap colour(CreateCompatibleBitmap(screen.Get(), layout.size, layout.size));
    const win32::UniqueFont font = FontFor(layout, screen.Get());
    if (!dc || !mask || !colour || !font) {
        return {};
    }
    {
        win32::SelectGuard select(dc.Get(), mask.Get());
        {
            Paint white(dc.Get(), kWhite, kWhite);
            Rectangle(dc.Get(), 0, 0, layout.size, layout.size);
        }
        DrawFigure(dc.Get(), layout, font.Get(), textColour, text);
        Paint black(dc.Get(), kBlack, kBlack);
        Rectangle(dc.Get(), bar.left, bar.top, bar.right, bar.bottom);
    }
    {
        win32::SelectGuard select(dc.Get(), colour.Get());
        {
            Paint black(dc.Get(), kBlack, kBlack);
            Rectangle(dc.Get(), 0, 0, layout.size, layout.size);
        }
        DrawFigure(dc.Get(), layout, font.Get(), textColour, text);
        const COLORREF fill = kind == TrayIconKind::Normal ? RGB(0, 255, 0) : RGB(255, 255, 0);
        Paint outlined(dc.Get(), textColour, fill);
        Rectangle(dc.Get(), bar.left, bar.top, bar.right, bar.bottom);
    }
    // Both bitmaps are out of the DC again; the icon takes copies, and they are freed on return.
    ICONINFO info{};
    info.fIcon = TRUE;
    info.hbmMask = mask.Get();
    info.hbmColor = colour.Get();
    return win32::UniqueIcon(CreateIconIndirect(&info));
}

win32::UniqueIcon DrawTrayIconPreview(TrayIconKind kind, COLORREF textColour) {
    return DrawTrayIcon(kTrayPreviewSize, "100", kind, textColour);
}

}  // namespace talvane::ui
