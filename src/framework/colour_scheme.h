// The system's colour scheme as the library's own drawing needs to know it:
// whether it asks for contrast, and colours that stand out from one another.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <array>

// A high-contrast scheme, or any scheme whose button face is dark: there the
// look made for light greys (light fills, black lines, fixed greys) would hide
// what it draws, so the system's own colours take their place.
bool IsContrastScheme();

// Perceived lightness of a colour, 0 (black) to 255 (white).
int Lightness(COLORREF color);

// color when it stands out from background by half the range of lightness,
// otherwise the system's button text colour (which stands out from the face).
COLORREF StandingOut(COLORREF color, COLORREF background);

// For CreateMappedBitmap under a contrast scheme: pictures drawn in the
// standard greys keep black lines on the face as text-coloured lines, and
// their white (a light fill) becomes the face, so that light lines show on it.
std::array<COLORMAP, 4> ContrastImageColours();
