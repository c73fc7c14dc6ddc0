// The display scale a window is shown at, and lengths of the 96-dpi look at it.
#pragma once

#include <windows.h>

constexpr UINT kStandardDpi = 96;

// The DPI of the window's monitor when the thread is aware of each monitor's
// scale (the system reports it), otherwise the system's: what the window's
// dialog units and fonts were scaled by. Before Windows 10 always the system's.
UINT WindowDpi(HWND window);

// A length in pixels of the 96-dpi look, at dpi (halves round up).
inline int Scaled(int pixels, UINT dpi) {
    return MulDiv(pixels, static_cast<int>(dpi), kStandardDpi);
}
