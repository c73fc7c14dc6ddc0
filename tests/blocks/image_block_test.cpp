// The image and protractor views of "OiAnoDat": words of short blocks, the
// orientation codes and the aspect entry.
#include "blocks/image_block.h"
#include "blocks/protractor_block.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {
using Bytes = std::vector<uint8_t>;
} // namespace

// Bytes past a block's end read as 0 and are never written.
TEST(BlockWords, ShortBlocksKeepTheirEnd) {
    const struct {
        size_t size;
        int32_t read;  // radius at 16 of bytes 0x10, 0x11, ...
        Bytes written; // the block from 16 after writing radius 0x0A0B0C0D, precision -1
    } cases[] = {
        {24, 0x13121110, {0x0D, 0x0C, 0x0B, 0x0A, 0xFF, 0xFF, 0xFF, 0xFF}},
        {22, 0x13121110, {0x0D, 0x0C, 0x0B, 0x0A, 0xFF, 0xFF}},
        {18, 0x00001110, {0x0D, 0x0C}},
        {16, 0, {}},
        {0, 0, {}},
    };
    for (const auto& c : cases) {
        Bytes block(c.size + 4, 0xEE); // guard bytes after the block
        for (size_t i = 0; i < c.size; ++i)
            block[i] = static_cast<uint8_t>(i);
        EXPECT_EQ(c.read, protractor_block::Radius(CByteSpan(block.data(), c.size))) << c.size;
        protractor_block::WriteValues(CMutableByteSpan(block.data(), c.size), 0x0A0B0C0D, -1);
        Bytes expected(c.written);
        expected.insert(expected.end(), 4, 0xEE);
        EXPECT_EQ(expected, Bytes(block.begin() + (c.size < 16 ? c.size : 16), block.end()))
            << c.size;
    }
}

TEST(ImageBlock, OrientationKeepsRotationAndMirrorApart) {
    using namespace image_block;
    const struct {
        int32_t from, base, rotated, mirrored, plain;
        int radio;
    } cases[] = {
        {1, 3, 3, 5, 1, 0},
        {2, 4, 4, 6, 2, 1},
        {3, 1, 1, 7, 3, 2},
        {4, 2, 2, 8, 4, 3},
        {5, 3, 7, 5, 1, 0},
        {6, 3, 7, 6, 2, 1},
        {7, 2, 6, 7, 3, 2},
        {8, 1, 5, 8, 4, 3},
        {0, 1, 1, 4, 0, -1},
        {9, 2, 6, 9, 5, -1},
        {INT32_MIN, 4, 4, INT32_MIN + 4, INT32_MIN, -1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.rotated, WithRotation(c.from, c.base)) << c.from;
        EXPECT_EQ(c.mirrored, WithMirror(c.from, true)) << c.from;
        EXPECT_EQ(c.plain, WithMirror(c.from, false)) << c.from;
        EXPECT_EQ(c.radio, RotationIndex(c.from)) << c.from;
    }
}

TEST(ImageBlock, AspectIsClampedWhenEnteredAndWhenOpened) {
    const struct {
        const char* text;
        int32_t stored;
    } entries[] = {{"0", 10000},   {"-3", 10000},      {"12", 1000000},
                   {"0.05", 5000}, {"2.5", 250000},    {"abc", 10000},
                   {"nan", 10000}, {"1e999", 1000000}, {"10", 1000000}};
    for (const auto& e : entries)
        EXPECT_EQ(e.stored, image_block::AspectFromText(e.text)) << e.text;
    const struct {
        int32_t stored;
        const char* shown;
    } opened[] = {{0, "1.000000"},
                  {2000000, "1.000000"},
                  {250000, "2.500000"},
                  {1000000, "10.000000"},
                  {-5, "-0.000050"}};
    for (const auto& o : opened)
        EXPECT_EQ(o.shown, image_block::AspectText(image_block::AspectOnOpen(o.stored)));
}
