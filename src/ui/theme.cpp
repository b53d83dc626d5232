#include "ui/theme.h"

#include <iterator>

#include "resource.h"

namespace talvane::ui {

namespace {

// The greyed Apply sits after every Art value.
constexpr int kApplyDisabledSlot = 13;
static_assert(static_cast<int>(Art::StripQuickInfo) < kApplyDisabledSlot);
constexpr COLORREF kMaskColor = RGB(255, 0, 255);
constexpr COLORREF kEditorColor = RGB(242, 244, 247);

struct ArtResource {
    int resourceId;
    int size;
};

// Indexed by Art, then the greyed Apply.
constexpr ArtResource kArt[] = {
    {0, 0},
    {IDB_APPLY, 24},
    {IDB_CANCEL, 24},
    {IDB_HELP, 24},
    {IDB_HOMEPAGE, 24},
    {IDB_ABOUT, 24},
    {IDB_NAV_OPTIMIZER, 32},
    {IDB_NAV_SYSINFO, 32},
    {IDB_NAV_STARTUP, 32},
    {IDB_NAV_SHORTCUT, 32},
    {IDB_NAV_TWEAK, 32},
    {IDB_STRIP_TITLE, 16},
    {IDB_STRIP_QUICKINFO, 16},
    {IDB_APPLY_DISABLED, 24},
};
static_assert(std::size(kArt) == kApplyDisabledSlot + 1);

HFONT MakeFont(const char* face, int points, int weight) {
    win32::WindowDc screen(nullptr);
    const int height = -MulDiv(points, GetDeviceCaps(screen.Get(), LOGPIXELSY), 72);
    return CreateFontA(height, 0, 0, 0, weight, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, face);
}

constexpr int kArtSizes[] = {16, 24, 32};

}  // namespace

Theme::Theme(HINSTANCE instance)
    : instance_(instance),
      normalFont_(MakeFont("MS Sans Serif", 8, FW_NORMAL)),
      titleFont_(MakeFont("Arial", 8, FW_BOLD)) {
    appIcon_ = LoadIconA(instance, MAKEINTRESOURCEA(IDI_TALVANE));
    // IDC_HAND is missing on Windows 95 and NT 4.0.
    handCursor_ = LoadCursorA(nullptr, MAKEINTRESOURCEA(32649));
    if (handCursor_ == nullptr) {
        handCursor_ = LoadCursorA(nullptr, IDC_ARROW);
    }
    editor_.Reset(CreateSolidBrush(kEditorColor));
    SetPalette(DerivePalette(GetSysColor(COLOR_ACTIVECAPTION)));
}

void Theme::SetPalette(const WindowPalette& palette) {
    palette_ = palette;
    dark_.Reset(CreateSolidBrush(palette.dark));
    middle_.Reset(CreateSolidBrush(palette.middle));
    light_.Reset(CreateSolidBrush(palette.light));
}

HBRUSH Theme::Brush(Surface surface) const {
    switch (surface) {
        case Surface::Dark: return dark_.Get();
        case Surface::Middle: return middle_.Get();
        case Surface::Light: return light_.Get();
        case Surface::ButtonFace: return GetSysColorBrush(COLOR_BTNFACE);
        case Surface::Editor: return editor_.Get();
        case Surface::None: break;
    }
    return GetSysColorBrush(COLOR_BTNFACE);
}

COLORREF Theme::ColorOf(Surface surface) const {
    switch (surface) {
        case Surface::Dark: return palette_.dark;
        case Surface::Middle: return palette_.middle;
        case Surface::Light: return palette_.light;
        case Surface::Editor: return kEditorColor;
        case Surface::ButtonFace:
        case Surface::None: break;
    }
    return GetSysColor(COLOR_BTNFACE);
}

const Theme::Bitmap* Theme::Find(Art art, bool disabled) const {
    if (art == Art::None) {
        return nullptr;
    }
    const int slot = art == Art::Apply && disabled ? kApplyDisabledSlot : static_cast<int>(art);
    Bitmap& bitmap = art_[slot];
    if (!bitmap.tried) {
        bitmap.tried = true;
        bitmap.size = kArt[slot].size;
        // As ImageList_LoadImage would: the bitmap's own colour depth, its magenta masked out.
        const win32::UniqueBitmap picture(static_cast<HBITMAP>(
            LoadImageA(instance_, MAKEINTRESOURCEA(kArt[slot].resourceId), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
        if (const HIMAGELIST list = ListOf(bitmap.size); list != nullptr && picture) {
            bitmap.index = ImageList_AddMasked(list, picture.Get(), kMaskColor);
        }
    }
    return &bitmap;
}

HIMAGELIST Theme::ListOf(int size) const {
    for (std::size_t i = 0; i < std::size(kArtSizes); ++i) {
        if (kArtSizes[i] == size) {
            if (!lists_[i]) {
                lists_[i].Reset(ImageList_Create(size, size, ILC_MASK | ILC_COLOR24, 6, 2));
            }
            return lists_[i].Get();
        }
    }
    return nullptr;
}

void Theme::DrawArt(HDC dc, Art art, const RECT& area, bool disabled) const {
    const Bitmap* bitmap = Find(art, disabled);
    if (bitmap == nullptr || bitmap->index < 0) {
        return;
    }
    const int x = area.left + (area.right - area.left - bitmap->size) / 2;
    const int y = area.top + (area.bottom - area.top - bitmap->size) / 2;
    ImageList_Draw(ListOf(bitmap->size), bitmap->index, dc, x, y, ILD_TRANSPARENT);
}

}  // namespace talvane::ui
