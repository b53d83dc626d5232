#include "shell/about_box_view.h"

#include <vector>

#include "base/text_table.h"
#include "control_ids.h"
#include "shell/about_box.h"

namespace talvane {

namespace {

constexpr UINT_PTR kTimer = 1;
constexpr int kBannerWidth = 341;
constexpr int kBannerHeight = 71;
constexpr int kFigureIds[] = {IDC_FORM3_LABEL11, IDC_FORM3_LABEL12, IDC_FORM3_LABEL13, IDC_FORM3_LABEL14,
                              IDC_FORM3_LABEL15};

int Mix(int from, int to, int step, int steps) {
    return from + (to - from) * step / steps;
}

}  // namespace

AboutBox::AboutBox(AppContext& context)
    : DialogWindow(context.instance, context.theme, "TForm3", AboutBoxForm()), context_(context) {}

void AboutBox::OnCreate() {
    SetWindowTextA(Handle(), TextTable::Row(kAboutCaptionRow));
    Controls().ApplyTextRows(AboutBoxForm().controls);
    DrawBanner();
    Refresh();
    // Runs for the life of the program, so the figures are current whenever the box opens.
    SetTimer(Handle(), kTimer, 1000, nullptr);
}

// A gradient in the palette's colours with the icon and the product's name.
void AboutBox::DrawBanner() {
    const HWND image = Controls().Control(IDC_FORM3_IMAGE1);
    const HWND strip = Controls().Control(IDC_FORM3_IMAGE2);
    if (image == nullptr || strip == nullptr) {
        return;
    }
    win32::WindowDc screen(image);
    win32::UniqueMemDc dc(CreateCompatibleDC(screen.Get()));
    banner_.Reset(CreateCompatibleBitmap(screen.Get(), kBannerWidth, kBannerHeight));
    strip_.Reset(CreateCompatibleBitmap(screen.Get(), 341, 5));
    if (!dc || !banner_ || !strip_) {
        return;
    }
    const WindowPalette& palette = GetTheme().Palette();
    {
        // The gradient is written straight into the bitmap's pixels: one call instead of a brush per column.
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = kBannerWidth;
        info.bmiHeader.biHeight = -kBannerHeight;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        std::vector<DWORD> pixels(static_cast<std::size_t>(kBannerWidth) * kBannerHeight);
        const COLORREF from = palette.dark;
        const COLORREF to = palette.light;
        for (int x = 0; x < kBannerWidth; ++x) {
            const int last = kBannerWidth - 1;
            const DWORD pixel = static_cast<DWORD>(Mix(GetBValue(from), GetBValue(to), x, last)) |
                                static_cast<DWORD>(Mix(GetGValue(from), GetGValue(to), x, last)) << 8 |
                                static_cast<DWORD>(Mix(GetRValue(from), GetRValue(to), x, last)) << 16;
            for (int y = 0; y < kBannerHeight; ++y) {
                pixels[static_cast<std::size_t>(y) * kBannerWidth + x] = pixel;
            }
        }
        SetDIBits(dc.Get(), banner_.Get(), 0, kBannerHeight, pixels.data(), &info, DIB_RGB_COLORS);
    }
    {
        win32::SelectGuard select(dc.Get(), banner_.Get());
        DrawIconEx(dc.Get(), 20, 19, GetTheme().AppIcon(), 32, 32, 0, nullptr, DI_NORMAL);
        bannerFont_.Reset(CreateFontA(-26, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                                      CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, "Arial"));
        win32::SelectGuard font(dc.Get(), bannerFont_.Get());
        SetBkMode(dc.Get(), TRANSPARENT);
        SetTextColor(dc.Get(), RGB(255, 255, 255));
        TextOutA(dc.Get(), 66, 20, "Talvane", 7);
    }
    {
        win32::SelectGuard select(dc.Get(), strip_.Get());
        RECT area{0, 0, 341, 5};
        win32::UniqueBrush brush(CreateSolidBrush(palette.middle));
        FillRect(dc.Get(), &area, brush.Get());
    }
    SetWindowLongPtrA(image, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(banner_.Get()));
    SetWindowLongPtrA(strip, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(strip_.Get()));
}

void AboutBox::Refresh() {
    const auto figures = AboutFigures(TakeMemorySample(context_.system));
    for (std::size_t i = 0; i < figures.size(); ++i) {
        Controls().SetText(kFigureIds[i], figures[i]);
    }
}

void AboutBox::OnCommand(int id, int code) {
    if (id == IDC_FORM3_SPEEDBUTTON4 && code == BN_CLICKED) {
        EndModal();
    }
}

LRESULT AboutBox::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_TIMER && wParam == kTimer) {
        Refresh();
        return 0;
    }
    return DialogWindow::HandleMessage(message, wParam, lParam);
}

}  // namespace talvane
