// Geometry of the pages: arrow wing points, and the focus ring on every swatch colour.
#include "pages/arrow_geometry.h"
#include "pages/color_palette.h"
#include "pages/swatch_drawing.h"

#include <gtest/gtest.h>

// Worked by hand: a half is added before truncation toward zero, so negative
// offsets land one nearer the tip than symmetric rounding would.
TEST(PageGeometry, ArrowWingPoints) {
    // clang-format off
    const struct { ArrowPoint tip, tail; double degrees, length; ArrowPoint wing; } cases[] = {
        {{0, 0}, {100, 0}, -15, 40, {39, -9}}, {{0, 0}, {100, 0}, 15, 40, {39, 10}},
        {{50, 50}, {0, 50}, -15, 40, {12, 60}}, {{50, 50}, {0, 50}, 15, 40, {12, 41}},
        {{10, 100}, {10, 0}, 0, 39, {10, 62}}, {{20, 20}, {0, 0}, 15, 7, {17, 15}},
        {{5, 5}, {5, 5}, 15, 40, {5, 5}}, {{0, 0}, {100, 0}, 15, 0, {0, 0}},
        {{0, 0}, {1, 0}, 0, 4e9, {1 << 27, 0}}, // bounded, never undefined
    };
    // clang-format on
    for (const auto& c : cases) {
        const ArrowPoint w = ArrowWing(c.tip, c.tail, c.degrees, c.length);
        EXPECT_TRUE(c.wing == w) << c.tip.x << "," << c.tip.y << " at " << c.degrees << ": " << w.x
                                 << "," << w.y;
    }
}

// Drawn into a bitmap: the ring of a focused swatch, selected or not, stands out from
// the colour beside it by at least half the range of lightness, black and white included.
TEST(PageGeometry, SwatchFocusRingStandsOutOnEveryColour) {
    const auto lightness = [](COLORREF c) {
        return (GetRValue(c) * 299 + GetGValue(c) * 587 + GetBValue(c) * 114) / 1000;
    };
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateBitmap(23, 18, 1, 32, nullptr);
    SelectObject(dc, bitmap);
    const RECT item = {0, 0, 23, 18};
    for (size_t row = 0; row < 16; ++row)
        for (bool selected : {false, true}) {
            const COLORREF color = kPalette[row].color;
            DrawSwatchFace(dc, item, color, selected);
            DrawSwatchFrame(dc, item, true);
            DrawSwatchFocusRing(dc, item, color, selected);
            const int ring = selected ? 5 : 3; // inside the face, one pixel in
            EXPECT_EQ(GetPixel(dc, ring - 1, 9), color) << row;
            EXPECT_GE(std::abs(lightness(GetPixel(dc, ring, 9)) - lightness(color)), 128) << row;
        }
    DeleteDC(dc); // first, which lets go of the bitmap
    DeleteObject(bitmap);
}
