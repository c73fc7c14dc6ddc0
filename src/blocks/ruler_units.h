// The ruler's measurement units and the scales that turn a length in image
// pixels into one of them: numerator over denominator is the length of one
// pixel in the unit, units per metre over pixels per metre.
#pragma once

#include <cstddef>
#include <cstdint>

namespace ruler_units {

// In the order of the ruler page's unit list.
struct Unit {
    int32_t numerator;  // units per metre, times the denominator's multiplier
    int64_t multiplier; // denominator = resolution x multiplier / divisor,
    int64_t divisor;    // rounded to the nearest integer
};

constexpr size_t kUnitCount = 11;
extern const Unit kUnits[kUnitCount];
constexpr int kMillimeters = 5;

// Pixels per metre an image without one is taken to have (300 dots per inch).
constexpr int32_t kDefaultResolution = 11811;
int32_t ResolutionOrDefault(int32_t pixelsPerMetre);

struct Scale {
    int32_t numerator;
    int32_t denominator;
};
// The scale of unit (0 to 10) at a resolution. When the denominator does not
// fit 32 signed bits, both terms are scaled by the same factor so that they
// fit, the ratio kept within one part in a million wherever such terms exist.
Scale ScaleOf(size_t unit, int32_t pixelsPerMetre);

} // namespace ruler_units
