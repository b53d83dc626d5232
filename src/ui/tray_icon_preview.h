// The engine's tray icon as the More Options dialog previews it: the number 100 above a coloured bar.
#pragma once

#include "platform/win32/win.h"

#include "platform/win32/handles.h"

namespace talvane::ui {

enum class TrayIconKind { Normal, Freeing };  // lime bar; yellow bar while RAM is being freed

// A 32 x 32 icon built as the engine builds its own; empty when GDI fails.
win32::UniqueIcon DrawTrayIconPreview(TrayIconKind kind, COLORREF textColour);

// Where the engine starts a number of that size, so that up to three digits fit the icon.
int TrayNumberLeft(int number);

}  // namespace talvane::ui
