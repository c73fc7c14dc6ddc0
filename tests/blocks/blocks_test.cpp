// What the fuzz targets do not reach or pin: the ruler's scales at the resolutions hosts can pass,
// a text block to fill past its 32-bit size, and which names are internet names.
#include "blocks/file_name_block.h"
#include "blocks/ruler_units.h"
#include "blocks/text_block.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <utility>

namespace {
constexpr int64_t kMax = INT32_MAX, kMin = INT32_MIN;
const int32_t kResolutions[] = {0, 3937, -3937, 1073741, 1073742, kMax, kMin};
// Numerator, then denominators at those resolutions; 0: scaled down, only the ratio to
// numerator / (R x 2000) counts. Below 1 / (2^31 - 1) nothing fits.
// clang-format off
const int64_t kScales[][8] = {
    {78740,   23622000, 7874000, -7874000, 2147482000, 0, 0, 0},                         // in
    {6562,    23622000, 7874000, -7874000, 2147482000, 0, 0, 0},                         // ft
    {2187,    23622000, 7874000, -7874000, 2147482000, 0, 0, 0},                         // yd
    {1,       19050000, 6350000, -6350000, 1731840323, 1731841935, kMax, -kMax},         // mi
    {1000000, 11811, 3937, -3937, 1073741, 1073742, kMax, kMin},                         // um
    {1000,    11811, 3937, -3937, 1073741, 1073742, kMax, kMin},                         // mm
    {100,     11811, 3937, -3937, 1073741, 1073742, kMax, kMin},                         // cm
    {10,      11811, 3937, -3937, 1073741, 1073742, kMax, kMin},                         // dm
    {1,       11811, 3937, -3937, 1073741, 1073742, kMax, kMin},                         // m
    {1,       118110, 39370, -39370, 10737410, 10737420, kMax, -kMax},                   // dkm
    {1,       11811000, 3937000, -3937000, 1073741000, 1073742000, kMax, -kMax},         // km
};
// clang-format on
} // namespace

TEST(RulerUnits, ScalesFitThirtyTwoBitsAndKeepTheirRatio) {
    for (size_t unit = 0; unit < ruler_units::kUnitCount; ++unit)
        for (size_t i = 0; i < 7; ++i) {
            const int32_t r = ruler_units::ResolutionOrDefault(kResolutions[i]);
            const ruler_units::Scale s = ruler_units::ScaleOf(unit, r);
            const int64_t* row = kScales[unit];
            if (row[i + 1] == 0)
                EXPECT_NEAR(1.0, double(s.numerator) / s.denominator * r * 2000 / row[0], 1e-6)
                    << r << " unit " << unit;
            else
                EXPECT_EQ(std::make_pair(row[0], row[i + 1]),
                          std::make_pair(int64_t(s.numerator), int64_t(s.denominator)))
                    << r << " unit " << unit;
        }
}

TEST(TextBlock, BuildToFillRefusesSizesPastThirtyTwoBits) {
    for (uint64_t length : {uint64_t(UINT32_MAX) - 19, uint64_t(1) << 40})
        EXPECT_FALSE(text_block::BuildToFill(CByteSpan(nullptr, 0), length).block) << length;
}

TEST(FileNameBlock, InternetNamesStartWithASchemeInAnyCase) {
    const std::pair<const char*, bool> cases[] = {
        {"hTTp://x", true}, {"Ftp://", true},     {"GoPhEr://", true}, {" http://x", false},
        {"http:/", false},  {"gopher:/x", false}, {"", false}};
    for (const auto& [name, internet] : cases)
        EXPECT_EQ(internet, file_name_block::IsInternetName(CByteSpan(name, std::strlen(name))))
            << name;
}
