// The embedded image layout.
#include "blocks/image_block.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace image_block {

int32_t WithRotation(int32_t orientation, int32_t base) {
    return orientation > kRotations ? base + kRotations : base;
}

int32_t WithMirror(int32_t orientation, bool mirrored) {
    if (mirrored && orientation <= kRotations)
        return orientation + kRotations;
    if (!mirrored && orientation > kRotations)
        return orientation - kRotations;
    return orientation;
}

int RotationIndex(int32_t orientation) {
    if (orientation < 1 || orientation > 2 * kRotations)
        return -1;
    return (orientation - 1) % kRotations;
}

int32_t AspectFromText(const char* text) {
    double value = std::atof(text);
    if (std::isnan(value)) // "nan" is text that is not a number
        value = 0;
    if (value <= 0)
        return kAspectLowest;
    if (value > 10)
        return kAspectHighest;
    return static_cast<int32_t>(value * kAspectOne);
}

int32_t AspectOnOpen(int32_t stored) {
    return stored == 0 || stored > kAspectHighest ? kAspectOne : stored;
}

std::string AspectText(int32_t stored) {
    char text[32];
    std::snprintf(text, sizeof text, "%f", stored * 0.00001);
    return text;
}

} // namespace image_block
