// The ruler's units: scales at the resolutions hosts pass, unit matching by
// abbreviation, and the label's abbreviation.
#include "blocks/ruler_block.h"
#include "blocks/ruler_units.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>

namespace {
using ruler_units::ScaleOf;

constexpr int32_t kMax = INT32_MAX;
constexpr int64_t kRatioOnly = 0; // a denominator that must be scaled down

// Expected numerator and denominator per unit in list order: inches, feet,
// yards, miles, micrometres, millimetres, centimetres, decimetres, metres,
// dekametres, kilometres.
struct Row {
    int32_t resolution;
    int64_t terms[11][2];
};
const Row kRows[] = {
    {0,
     {{78740, 23622000},
      {6562, 23622000},
      {2187, 23622000},
      {1, 19050000},
      {1000000, 11811},
      {1000, 11811},
      {100, 11811},
      {10, 11811},
      {1, 11811},
      {1, 118110},
      {1, 11811000}}},
    {3937,
     {{78740, 7874000},
      {6562, 7874000},
      {2187, 7874000},
      {1, 6350000},
      {1000000, 3937},
      {1000, 3937},
      {100, 3937},
      {10, 3937},
      {1, 3937},
      {1, 39370},
      {1, 3937000}}},
    {-3937,
     {{78740, -7874000},
      {6562, -7874000},
      {2187, -7874000},
      {1, -6350000},
      {1000000, -3937},
      {1000, -3937},
      {100, -3937},
      {10, -3937},
      {1, -3937},
      {1, -39370},
      {1, -3937000}}},
    // 1073741 is the last resolution whose R x 2000 fits; 1073742 is scaled.
    {1073741,
     {{78740, 2147482000},
      {6562, 2147482000},
      {2187, 2147482000},
      {1, 1731840323},
      {1000000, 1073741},
      {1000, 1073741},
      {100, 1073741},
      {10, 1073741},
      {1, 1073741},
      {1, 10737410},
      {1, 1073741000}}},
    {1073742,
     {{kRatioOnly, 0},
      {kRatioOnly, 0},
      {kRatioOnly, 0},
      {1, 1731841935},
      {1000000, 1073742},
      {1000, 1073742},
      {100, 1073742},
      {10, 1073742},
      {1, 1073742},
      {1, 10737420},
      {1, 1073742000}}},
    // Below one part in 2^31 no 32-bit fraction comes nearer than 1 / 2^31-1.
    {kMax,
     {{kRatioOnly, 0},
      {kRatioOnly, 0},
      {kRatioOnly, 0},
      {1, kMax},
      {1000000, kMax},
      {1000, kMax},
      {100, kMax},
      {10, kMax},
      {1, kMax},
      {1, kMax},
      {1, kMax}}},
    {INT32_MIN,
     {{kRatioOnly, 0},
      {kRatioOnly, 0},
      {kRatioOnly, 0},
      {1, -kMax},
      {1000000, INT32_MIN},
      {1000, INT32_MIN},
      {100, INT32_MIN},
      {10, INT32_MIN},
      {1, INT32_MIN},
      {1, -kMax},
      {1, -kMax}}},
};
} // namespace

TEST(RulerUnits, ScalesFitThirtyTwoBitsAndKeepTheirRatio) {
    for (const Row& row : kRows) {
        const int32_t r = ruler_units::ResolutionOrDefault(row.resolution);
        for (size_t unit = 0; unit < ruler_units::kUnitCount; ++unit) {
            const ruler_units::Scale s = ScaleOf(unit, r);
            const int64_t* expected = row.terms[unit];
            if (expected[0] != kRatioOnly) {
                EXPECT_EQ(expected[0], s.numerator) << row.resolution << " unit " << unit;
                EXPECT_EQ(expected[1], s.denominator) << row.resolution << " unit " << unit;
                continue;
            }
            const ruler_units::Unit& u = ruler_units::kUnits[unit];
            const double exact = u.numerator * double(u.divisor) / (double(r) * u.multiplier);
            EXPECT_NEAR(1.0, double(s.numerator) / s.denominator / exact, 1e-6)
                << row.resolution << " unit " << unit;
        }
    }
}

TEST(RulerUnits, LastListTextContainingTheAbbreviationWins) {
    std::string texts[ruler_units::kUnitCount] = {
        "Inches\t(in)",         "Feet\t(ft)",        "Yards\t(yd)",       "Miles\t(mi)",
        "Micrometers\t(\xB5m)", "Millimeters\t(mm)", "Centimeters\t(cm)", "Decimeters\t(dm)",
        "Meters\t(m)",          "Dekameter\t(dkm)",  "Kilometers\t(km)"};
    const struct {
        std::string label; // text of the "OiAnText" block
        std::string abbreviation;
        int unit;
    } cases[] = {
        {"%d in", "in", 0},
        {"%d   ft  ", "ft", 1},
        {"word", "word", 5},
        {"", "", 5},
        {"%d m", "m", 8},
        {"%d \xB5m", "\xB5m", 4},
        {"%d \x83\xCAm", "\x83\xCAm", 5}, // another mu: no match
        {"%d In", "In", 5},
        {"x%d%d km", "%d km", 5},
    };
    for (const auto& c : cases) {
        const std::string block = std::string(16, '\x01') + c.label + '\0';
        EXPECT_EQ(c.abbreviation,
                  ruler_block::AbbreviationOf(CByteSpan(block.data(), block.size())));
        EXPECT_EQ(c.unit, ruler_units::MatchUnit(texts, c.abbreviation)) << c.label;
    }
    texts[10] = "Kilometres\t(m)"; // a later match wins
    EXPECT_EQ(10, ruler_units::MatchUnit(texts, "m"));
    EXPECT_EQ("dkm", ruler_units::AbbreviationIn(texts[9]));
}
