// The system's colour scheme.
#include "framework/colour_scheme.h"

#include <cstdlib>

bool IsContrastScheme() {
    HIGHCONTRASTA contrast = {};
    contrast.cbSize = sizeof contrast;
    if (SystemParametersInfoA(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) &&
        (contrast.dwFlags & HCF_HIGHCONTRASTON))
        return true;
    return Lightness(GetSysColor(COLOR_BTNFACE)) < 128;
}

int Lightness(COLORREF color) {
    return (GetRValue(color) * 299 + GetGValue(color) * 587 + GetBValue(color) * 114) / 1000;
}

COLORREF StandingOut(COLORREF color, COLORREF background) {
    return std::abs(Lightness(color) - Lightness(background)) >= 128 ? color
                                                                     : GetSysColor(COLOR_BTNTEXT);
}

std::array<COLORMAP, 4> ContrastImageColours() {
    return {{
        {RGB(0, 0, 0), GetSysColor(COLOR_BTNTEXT)},
        {RGB(128, 128, 128), GetSysColor(COLOR_BTNSHADOW)},
        {RGB(192, 192, 192), GetSysColor(COLOR_BTNFACE)},
        {RGB(255, 255, 255), GetSysColor(COLOR_BTNFACE)},
    }};
}
