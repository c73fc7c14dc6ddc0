// The colour page's palette table.
#include "pages/color_palette.h"

#include "resources/resource_ids.h"

// clang-format off
const PaletteRow kPalette[kPaletteRows] = {
    {IDC_PRIMARY_BLACK,     RGB(0, 0, 0)},
    {IDC_PRIMARY_BLUE,      RGB(0, 0, 255)},
    {IDC_PRIMARY_CYAN,      RGB(0, 255, 255)},
    {IDC_PRIMARY_NAVY,      RGB(0, 0, 128)},
    {IDC_PRIMARY_TEAL,      RGB(0, 128, 128)},
    {IDC_PRIMARY_GREEN,     RGB(0, 128, 0)},
    {IDC_PRIMARY_PURPLE,    RGB(128, 0, 128)},
    {IDC_PRIMARY_GREY,      RGB(128, 128, 128)},
    {IDC_PRIMARY_MAROON,    RGB(128, 0, 0)},
    {IDC_PRIMARY_LIME,      RGB(0, 255, 0)},
    {IDC_PRIMARY_OLIVE,     RGB(128, 128, 0)},
    {IDC_PRIMARY_SILVER,    RGB(192, 192, 192)},
    {IDC_PRIMARY_MAGENTA,   RGB(255, 0, 255)},
    {IDC_PRIMARY_RED,       RGB(255, 0, 0)},
    {IDC_PRIMARY_WHITE,     RGB(255, 255, 255)},
    {IDC_PRIMARY_YELLOW,    RGB(255, 255, 0)},
    {IDC_SECONDARY_BLACK,   RGB(0, 0, 0)},
    {IDC_SECONDARY_BLUE,    RGB(0, 0, 255)},
    {IDC_SECONDARY_CYAN,    RGB(0, 255, 255)},
    {IDC_SECONDARY_NAVY,    RGB(0, 0, 128)},
    {IDC_SECONDARY_TEAL,    RGB(0, 128, 128)},
    {IDC_SECONDARY_GREEN,   RGB(0, 128, 0)},
    {IDC_SECONDARY_PURPLE,  RGB(128, 0, 128)},
    {IDC_SECONDARY_GREY,    RGB(128, 128, 128)},
    {IDC_SECONDARY_MAROON,  RGB(128, 0, 0)},
    {IDC_SECONDARY_LIME,    RGB(0, 255, 0)},
    {IDC_SECONDARY_OLIVE,   RGB(128, 128, 0)},
    {IDC_SECONDARY_SILVER,  RGB(192, 192, 192)},
    {IDC_SECONDARY_MAGENTA, RGB(255, 0, 255)},
    {IDC_SECONDARY_RED,     RGB(255, 0, 0)},
    {IDC_SECONDARY_WHITE,   RGB(255, 255, 255)},
    {IDC_SECONDARY_YELLOW,  RGB(255, 255, 0)},
};
// clang-format on

int FirstSwatchOfColor(COLORREF color) {
    for (const PaletteRow& row : kPalette)
        if (row.color == (color & 0x00FFFFFF))
            return row.swatchId;
    return -1;
}

int LastSwatchOfColor(COLORREF color) {
    for (size_t i = kPaletteRows; i-- > 0;)
        if (kPalette[i].color == (color & 0x00FFFFFF))
            return kPalette[i].swatchId;
    return -1;
}

COLORREF SwatchColor(int id) {
    for (const PaletteRow& row : kPalette)
        if (row.swatchId == id)
            return row.color;
    return 0;
}

bool IsSwatch(int id) {
    for (const PaletteRow& row : kPalette)
        if (row.swatchId == id)
            return true;
    return false;
}

bool IsSecondarySwatch(int id) {
    return id >= IDC_SECONDARY_BLACK;
}
