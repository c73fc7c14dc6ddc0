// Byte layout of the records that cross the DLL boundary, as a host sees them.
#include <cstddef>
#include <cstring>

#include <gtest/gtest.h>

#include "kelgui.h"

TEST(RecordLayout, AttributeRecordFieldOffsets) {
    EXPECT_EQ(sizeof(KEL_MARK_ATTRIBUTES), 164u);
    const std::pair<size_t, size_t> fields[] = {
        {offsetof(KEL_MARK_ATTRIBUTES, nMarkType), 0},
        {offsetof(KEL_MARK_ATTRIBUTES, rgbMain), 20},
        {offsetof(KEL_MARK_ATTRIBUTES, rgbExtra), 24},
        {offsetof(KEL_MARK_ATTRIBUTES, bHighlight), 28},
        {offsetof(KEL_MARK_ATTRIBUTES, bTransparent), 32},
        {offsetof(KEL_MARK_ATTRIBUTES, nLineSize), 36},
        {offsetof(KEL_MARK_ATTRIBUTES, lfFont), 48},
        {offsetof(KEL_MARK_ATTRIBUTES, lfFont.lfHeight), 48},
        {offsetof(KEL_MARK_ATTRIBUTES, lfFont.lfWeight), 64},
        {offsetof(KEL_MARK_ATTRIBUTES, lfFont.lfCharSet), 71},
        {offsetof(KEL_MARK_ATTRIBUTES, lfFont.lfFaceName), 76},
        {offsetof(KEL_MARK_ATTRIBUTES, dwTextFlags), 156},
    };
    for (const auto& [actual, expected] : fields)
        EXPECT_EQ(actual, expected);
}

TEST(RecordLayout, ColoursAreStoredBlueGreenRedSpare) {
    unsigned char bytes[sizeof(KEL_MARK_ATTRIBUTES)] = {};
    bytes[20] = 0x11; // blue
    bytes[21] = 0x22; // green
    bytes[22] = 0x33; // red
    bytes[23] = 0x44; // spare
    KEL_MARK_ATTRIBUTES record;
    std::memcpy(&record, bytes, sizeof record);
    EXPECT_EQ(record.rgbMain.rgbBlue, 0x11);
    EXPECT_EQ(record.rgbMain.rgbGreen, 0x22);
    EXPECT_EQ(record.rgbMain.rgbRed, 0x33);
    EXPECT_EQ(record.rgbMain.rgbReserved, 0x44);
}

// The image context is a BITMAPINFOHEADER word for word; words 6 and 7 are the
// resolution in pixels per metre.
TEST(RecordLayout, ImageContextMatchesBitmapInfoHeader) {
    EXPECT_EQ(sizeof(KEL_IMAGE_INFO), sizeof(BITMAPINFOHEADER));
    EXPECT_EQ(offsetof(KEL_IMAGE_INFO, nWidth), offsetof(BITMAPINFOHEADER, biWidth));
    EXPECT_EQ(offsetof(KEL_IMAGE_INFO, wBitCount), offsetof(BITMAPINFOHEADER, biBitCount));
    EXPECT_EQ(offsetof(KEL_IMAGE_INFO, nXPelsPerMeter), 6 * 4u);
    EXPECT_EQ(offsetof(KEL_IMAGE_INFO, nYPelsPerMeter), 7 * 4u);
    EXPECT_EQ(offsetof(KEL_IMAGE_INFO, dwClrImportant), 9 * 4u);
}

TEST(RecordLayout, BlockNamesAreEightBytes) {
    EXPECT_EQ(sizeof(KEL_BLOCK_MARK_DATA) - 1, 8u);
    EXPECT_EQ(sizeof(KEL_BLOCK_FILE_NAME) - 1, 8u);
    EXPECT_EQ(sizeof(KEL_BLOCK_TEXT) - 1, 8u);
}
