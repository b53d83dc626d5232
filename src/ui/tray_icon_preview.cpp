#include "ui/tray_icon_preview.h"

#include <string>

namespace talvane::ui {

namespace {

constexpr int kSize = 32;
constexpr int kPreviewNumber = 100;
constexpr int kFontPoints = 17;
constexpr RECT kBar{1, 25, 32, 32};
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

void DrawNumber(HDC dc, HFONT font, COLORREF colour, int number) {
    win32::SelectGuard select(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colour);
    const std::string text = std::to_string(number);
    TextOutA(dc, TrayNumberLeft(number), 0, text.c_str(), static_cast<int>(text.size()));
}

}  // namespace

int TrayNumberLeft(int number) {
    if (number < 10) {
        return 8;
    }
    return number < 100 ? 6 : -2;
}

win32::UniqueIcon DrawTrayIconPreview(TrayIconKind kind, COLORREF textColour) {
    win32::WindowDc screen(nullptr);
    win32::UniqueMemDc dc(CreateCompatibleDC(screen.Get()));
    win32::UniqueBitmap mask(CreateBitmap(kSize, kSize, 1, 1, nullptr));
    win32::UniqueBitmap colour(CreateCompatibleBitmap(screen.Get(), kSize, kSize));
    const int height = -MulDiv(kFontPoints, GetDeviceCaps(screen.Get(), LOGPIXELSY), 72);
    win32::UniqueFont font(CreateFontA(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET,
                                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                       DEFAULT_PITCH | FF_ROMAN, "MS Serif"));
    if (!dc || !mask || !colour || !font) {
        return {};
    }
    {
        win32::SelectGuard select(dc.Get(), mask.Get());
        {
            Paint white(dc.Get(), kWhite, kWhite);
            Rectangle(dc.Get(), 0, 0, kSize, kSize);
        }
        DrawNumber(dc.Get(), font.Get(), textColour, kPreviewNumber);
        Paint black(dc.Get(), kBlack, kBlack);
        Rectangle(dc.Get(), kBar.left, kBar.top, kBar.right, kBar.bottom);
    }
    {
        win32::SelectGuard select(dc.Get(), colour.Get());
        {
            Paint black(dc.Get(), kBlack, kBlack);
            Rectangle(dc.Get(), 0, 0, kSize, kSize);
        }
        DrawNumber(dc.Get(), font.Get(), textColour, kPreviewNumber);
        const COLORREF bar = kind == TrayIconKind::Normal ? RGB(0, 255, 0) : RGB(255, 255, 0);
        Paint outlined(dc.Get(), textColour, bar);
        Rectangle(dc.Get(), kBar.left, kBar.top, kBar.right, kBar.bottom);
    }
    // Both bitmaps are out of the DC again; the icon takes copies, and they are freed on return.
    ICONINFO info{};
    info.fIcon = TRUE;
    info.hbmMask = mask.Get();
    info.hbmColor = colour.Get();
    return win32::UniqueIcon(CreateIconIndirect(&info));
}

}  // namespace talvane::ui
