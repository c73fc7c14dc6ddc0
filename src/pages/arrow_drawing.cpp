// Arrow drawing.
#include "pages/arrow_drawing.h"

#include "framework/owned.h"
#include "pages/arrow_geometry.h"

namespace {
constexpr double kWingDegrees = 15;

enum ArrowStyle { kOpen = 0, kFilled = 1, kHollow = 2, kNotched = 3 };

void Line(HDC dc, POINT from, POINT to) {
    MoveToEx(dc, from.x, from.y, nullptr);
    LineTo(dc, to.x, to.y);
}

void PolygonWith(HDC dc, const POINT* points, int count, HGDIOBJ brush) {
    const CSelection selected(dc, brush);
    Polygon(dc, points, count);
}
} // namespace

void DrawArrow(HDC dc, POINT tip, POINT tail, int style, DWORD size, HBRUSH fill) {
    if (static_cast<unsigned>(style) > kNotched)
        return;
    const ArrowPoint p{tip.x, tip.y}, q{tail.x, tail.y};
    auto wing = [&](double degrees, double length) {
        const ArrowPoint w = ArrowWing(p, q, degrees, length);
        return POINT{w.x, w.y};
    };
    const double length = size;
    const POINT left = wing(-kWingDegrees, length), right = wing(kWingDegrees, length);
    switch (style) {
    case kOpen:
        Line(dc, tip, tail);
        Line(dc, tip, left);
        Line(dc, tip, right);
        break;
    case kFilled: {
        Line(dc, tip, tail);
        const POINT head[] = {tip, left, right};
        PolygonWith(dc, head, 3, fill);
        break;
    }
    case kHollow: {
        const POINT head[] = {tip, left, right};
        PolygonWith(dc, head, 3, GetStockObject(NULL_BRUSH));
        // The shaft starts one unit short of the head's length.
        Line(dc, wing(0, length - 1), tail);
        break;
    }
    case kNotched: {
        Line(dc, tip, tail);
        const POINT head[] = {tip, left, wing(0, size / 2), right};
        PolygonWith(dc, head, 4, fill);
        break;
    }
    }
}
