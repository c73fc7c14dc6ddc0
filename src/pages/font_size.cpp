// Point sizes and heights.
#include "pages/font_size.h"

#include <windows.h>

namespace {
constexpr int kPointsPerInch = 72;
}

int HeightFromPoints(int points, int pixelsPerInch) {
    return MulDiv(-pixelsPerInch, points, kPointsPerInch);
}

int PointsFromCharHeight(int pixels, int pixelsPerInch) {
    return MulDiv(pixels, kPointsPerInch, pixelsPerInch);
}
