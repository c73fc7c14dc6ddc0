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

namespace {
constexpr int kPaletteColors = 16;
// Palette rows (0 to 15) in the places the template gives the swatches.
constexpr int kGrid[2][8] = {{0, 1, 2, 3, 8, 9, 12, 14}, {4, 5, 6, 7, 10, 11, 13, 15}};

int RowOf(int id) {
    for (size_t i = 0; i < kPaletteRows; ++i)
        if (kPalette[i].swatchId == id)
            return static_cast<int>(i);
    return -1;
}
} // namespace

UINT SwatchNameId(int id) {
    const int row = RowOf(id);
    return row < 0 ? 0 : IDS_NAME_BLACK + static_cast<UINT>(row % kPaletteColors);
}

int NeighbourSwatch(int id, int columns, int rows) {
    const int row = RowOf(id);
    if (row < 0)
        return -1;
    const int first = row - row % kPaletteColors; // the palette's first row
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 8; ++x) {
            if (kGrid[y][x] != row % kPaletteColors)
                continue;
            const int toX = x + columns, toY = y + rows;
            if (toX < 0 || toX >= 8 || toY < 0 || toY >= 2)
                return -1;
            return kPalette[first + kGrid[toY][toX]].swatchId;
        }
    return -1;
}
