// Arrow head points.
#include "pages/arrow_geometry.h"

#include <cmath>

namespace {
constexpr double kPi = 3.14159;
// Beyond this an offset is off any device anyway; the bound keeps the
// conversion to an integer defined for every head size.
constexpr double kFarthest = 1 << 27;

long Truncated(double offset) {
    const double bounded = std::fmax(-kFarthest, std::fmin(kFarthest, offset + 0.5));
    return static_cast<long>(bounded);
}
} // namespace

ArrowPoint ArrowWing(ArrowPoint tip, ArrowPoint tail, double degrees, double length) {
    if (tip == tail)
        return tip;
    const double theta =
        std::atan2(static_cast<double>(tail.y - tip.y), static_cast<double>(tail.x - tip.x)) +
        degrees * kPi * (1.0 / 180.0);
    return ArrowPoint{tip.x + Truncated(std::cos(theta) * length),
                      tip.y + Truncated(std::sin(theta) * length)};
}
