// Drawing of one colour swatch of the colour page: the raised bevel of the
// selected swatch, the colour fill, and the frame that shows the focus.
#pragma once

#include <windows.h>

// Bevel (when selected) and fill, inside the item rectangle shrunk by 2.
void DrawSwatchFace(HDC dc, const RECT& item, COLORREF color, bool selected);
// The outer two rings of the item rectangle: a 2-pixel dark frame with the
// focus, otherwise a 1-pixel dark frame one pixel in with its corners left out.
void DrawSwatchFrame(HDC dc, const RECT& item, bool focused);
// Inside the face of a focused swatch, a 1-pixel ring in black or white,
// whichever stands out from color: the dark frame alone is lost on dark colours.
void DrawSwatchFocusRing(HDC dc, const RECT& item, COLORREF color, bool selected);
