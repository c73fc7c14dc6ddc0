// The colour page's palette table and its record colour byte order.
#include "pages/color_page.h"
#include "pages/color_palette.h"

#include <gtest/gtest.h>

namespace {

TEST(Palette, BothHalvesHoldTheSameColoursInAscendingIdOrder) {
    for (size_t row = 0; row < 16; ++row) {
        EXPECT_EQ(kPalette[row].color, kPalette[row + 16].color) << row;
        EXPECT_EQ(1043 + static_cast<int>(row), kPalette[row].swatchId);
        EXPECT_EQ(1123 + static_cast<int>(row), kPalette[row + 16].swatchId);
    }
    EXPECT_EQ(RGB(128, 0, 0), SwatchColor(1051)) << "maroon";
    EXPECT_EQ(RGB(0, 255, 255), SwatchColor(1125)) << "cyan";
    EXPECT_EQ(0u, SwatchColor(1059)) << "not a swatch";
}

TEST(Palette, ScansFindAPrimaryForwardAndASecondaryBackward) {
    EXPECT_EQ(1056, FirstSwatchOfColor(RGB(255, 0, 0)));
    EXPECT_EQ(1136, LastSwatchOfColor(RGB(255, 0, 0)));
    EXPECT_EQ(-1, FirstSwatchOfColor(RGB(1, 2, 3)));
    EXPECT_EQ(-1, LastSwatchOfColor(RGB(1, 2, 3)));
    EXPECT_FALSE(IsSecondarySwatch(1058));
    EXPECT_TRUE(IsSecondarySwatch(1123));
}

TEST(ColorBytes, RecordBytesAreBlueGreenRedAndTheSpareByteStays) {
    CKELPGClr page;
    const BYTE loaded[4] = {0x10, 0x20, 0x30, 0x40};
    page.LoadPrimaryColor(CByteSpan(loaded, 4));
    EXPECT_EQ(RGB(0x30, 0x20, 0x10), page.m_primaryColor);
    page.m_secondaryColor = RGB(0xCC, 0xBB, 0xAA);
    BYTE stored[4] = {0x10, 0x20, 0x30, 0x40};
    page.StoreSecondaryColor(CMutableByteSpan(stored, 4));
    const BYTE expected[4] = {0xAA, 0xBB, 0xCC, 0x40};
    EXPECT_EQ(0, memcmp(expected, stored, 4));
}

TEST(ColorBytes, ConstructionValuesAndShortSpans) {
    CKELPGClr page;
    EXPECT_EQ(RGB(255, 0, 0), page.m_primaryColor);
    EXPECT_EQ(RGB(0, 0, 0), page.m_secondaryColor);
    EXPECT_EQ(0, page.m_primaryOnly);
    EXPECT_EQ(-1, page.m_selectedPrimary);
    BYTE two[2] = {7, 7};
    page.StorePrimaryColor(CMutableByteSpan(two, 2));
    EXPECT_EQ(7, two[0]) << "a span too short for a colour is not written";
}

} // namespace
