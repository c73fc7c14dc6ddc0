// The unit table and the scale arithmetic of the ruler.
#include "blocks/ruler_units.h"

#include <cstdlib>

namespace ruler_units {

// Inches, feet and yards: their count per metre (39.37, 3.281, 1.0935) times
// 2000 over the resolution times 2000. Miles: 0.00062 per metre, 1 over the
// resolution times 100000 / 62. Metric units: a power of ten over the
// resolution, or 1 over the resolution times a power of ten.
const Unit kUnits[kUnitCount] = {
    // numerator  denominator: R x multiplier / divisor
    {78740, 2000, 1}, // inches
    {6562, 2000, 1},  // feet
    {2187, 2000, 1},  // yards
    {1, 100000, 62},  // miles
    {1000000, 1, 1},  // micrometres
    {1000, 1, 1},     // millimetres
    {100, 1, 1},      // centimetres
    {10, 1, 1},       // decimetres
    {1, 1, 1},        // metres
    {1, 10, 1},       // dekametres
    {1, 1000, 1},     // kilometres
};

namespace {
constexpr int64_t kLargest = INT32_MAX;

// a / b rounded to the nearest integer, halves away from zero; b > 0.
int64_t RoundedQuotient(int64_t a, int64_t b) {
    const int64_t half = b / 2;
    return a >= 0 ? (a + half) / b : -((-a + half) / b);
}
} // namespace

int32_t ResolutionOrDefault(int32_t pixelsPerMetre) {
    return pixelsPerMetre ? pixelsPerMetre : kDefaultResolution;
}

Scale ScaleOf(size_t unit, int32_t pixelsPerMetre) {
    const Unit& u = kUnits[unit < kUnitCount ? unit : kMillimeters];
    // |R| <= 2^31 and multiplier <= 100000: all of this fits 64 bits.
    const int64_t scaled = static_cast<int64_t>(pixelsPerMetre) * u.multiplier;
    const int64_t denominator = RoundedQuotient(scaled, u.divisor);
    if (denominator >= INT32_MIN && denominator <= INT32_MAX)
        return {u.numerator, static_cast<int32_t>(denominator)};
    // Too large: numerator p as large as keeps the denominator p x R x
    // multiplier / (divisor x numerator) within 32 bits; then the rounding of
    // a denominator above 2^30 is the only error, under one part in 10^9.
    // Where not even p = 1 fits, 1 over the largest denominator is the
    // nearest ratio 32-bit terms can hold.
    int64_t p = u.numerator * kLargest / std::llabs(denominator);
    if (p < 1)
        p = 1;
    int64_t q = RoundedQuotient(p * scaled, u.numerator * u.divisor);
    if (q > kLargest)
        q = kLargest;
    if (q < -kLargest)
        q = -kLargest;
    return {static_cast<int32_t>(p), static_cast<int32_t>(q)};
}

} // namespace ruler_units
