// The colour page's palette table: 32 rows of (swatch id, colour), the primary
// swatches first, each palette holding the same 16 colours in the same order.
#pragma once

#include <windows.h>

#include <cstddef>

struct PaletteRow {
    int swatchId;
    COLORREF color;
};

constexpr size_t kPaletteRows = 32;
extern const PaletteRow kPalette[kPaletteRows];

// The first row, scanning from row 0, whose colour is color: a primary swatch
// whenever the colour is in the palette at all. -1 when none.
int FirstSwatchOfColor(COLORREF color);
// The first row, scanning from row 31 down: a secondary swatch. -1 when none.
int LastSwatchOfColor(COLORREF color);
// The colour of swatch id; 0 for an id that is not in the table.
COLORREF SwatchColor(int id);
bool IsSwatch(int id);
// Swatches from 1123 on belong to the secondary palette.
bool IsSecondarySwatch(int id);

// The string that names the colour of swatch id (the same in both palettes);
// 0 for an id that is not in the table.
UINT SwatchNameId(int id);
// The swatch next to id in the palette's 2 x 8 grid as the page shows it,
// columns right (negative: left) and rows down (negative: up); -1 past the
// grid's edge.
int NeighbourSwatch(int id, int columns, int rows);
