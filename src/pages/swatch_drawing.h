// Drawing of one colour swatch of the colour page: the raised bevel of the
// selected swatch, the colour fill, and the frame that shows the focus. Every
// width below is in units of unit pixels: 1 at 96 dpi, the 96-dpi look's
// one-pixel line at other scales (Scaled(1, dpi)).
#pragma once

#include <windows.h>

// Bevel (when selected) and fill, inside the item rectangle shrunk by 2.
void DrawSwatchFace(HDC dc, const RECT& item, COLORREF color, bool selected, int unit = 1);
// The outer two rings of the item rectangle: a 2-unit dark frame with the
// focus, otherwise a 1-unit dark frame one unit in with its corners left out.
// The dark frame is the system's window frame colour, or the button text colour
// under a contrast scheme where that frame would not stand out from the face.
void DrawSwatchFrame(HDC dc, const RECT& item, bool focused, int unit = 1);
// Inside the face of a focused swatch, a 1-unit ring in black or white,
// whichever stands out from color: the dark frame alone is lost on dark colours.
void DrawSwatchFocusRing(HDC dc, const RECT& item, COLORREF color, bool selected, int unit = 1);
