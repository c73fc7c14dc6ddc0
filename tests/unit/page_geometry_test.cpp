// Pure arithmetic of the pages: arrow wing points.
#include "pages/arrow_geometry.h"

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
