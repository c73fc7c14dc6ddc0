// Pure arithmetic of the pages: arrow wing points and point sizes.
#include "pages/arrow_geometry.h"
#include "pages/font_size.h"

#include <gtest/gtest.h>

namespace {

// Worked by hand: a half is added before truncation toward zero, so negative
// offsets come out one nearer the tip than symmetric rounding would give.
TEST(PageGeometry, ArrowWingPoints) {
    const struct {
        ArrowPoint tip, tail;
        double degrees, length;
        ArrowPoint wing;
    } cases[] = {
        {{0, 0}, {100, 0}, -15, 40, {39, -9}},  // -10.35 + 0.5 -> -9
        {{0, 0}, {100, 0}, 15, 40, {39, 10}},   // 10.35 + 0.5 -> 10
        {{50, 50}, {0, 50}, 15, 40, {12, 41}},  // pointing right
        {{50, 50}, {0, 50}, -15, 40, {12, 60}}, // -38.64 + 0.5 -> -38
        {{10, 100}, {10, 0}, 0, 39, {10, 62}},  // -39 + 0.5 -> -38
        {{10, 0}, {10, 100}, 0, 39, {10, 39}},  // the shaft start of a hollow head
        {{20, 20}, {0, 0}, 15, 7, {17, 15}},    // diagonal
        {{5, 5}, {5, 5}, 15, 40, {5, 5}},       // no shaft: the tip
        {{0, 0}, {100, 0}, 15, 0, {0, 0}},      // size 0 collapses onto the tip
        {{0, 0}, {1, 0}, 0, 4e9, {1 << 27, 0}}, // bounded, never undefined
    };
    for (const auto& c : cases) {
        const ArrowPoint w = ArrowWing(c.tip, c.tail, c.degrees, c.length);
        EXPECT_EQ(c.wing.x, w.x) << c.tip.x << "," << c.tip.y << " at " << c.degrees;
        EXPECT_EQ(c.wing.y, w.y) << c.tip.x << "," << c.tip.y << " at " << c.degrees;
    }
}

TEST(PageGeometry, PointSizesAndHeights) {
    const struct {
        int points, pixelsPerInch, height;
    } cases[] = {{12, 120, -20}, {12, 96, -16}, {8, 96, -11}, {0, 96, 0}, {72, 96, -96}};
    for (const auto& c : cases) {
        EXPECT_EQ(c.height, HeightFromPoints(c.points, c.pixelsPerInch)) << c.points;
        EXPECT_EQ(c.points, PointsFromCharHeight(-c.height, c.pixelsPerInch)) << c.height;
    }
}

} // namespace
