// The arrow head layout: read little-endian with missing bytes as 0, written
// only over bytes 0-3 and 8-11 that the block has.
#include "blocks/arrow_block.h"

#include <gtest/gtest.h>

#include <vector>

TEST(ArrowBlock, ReadsAndWritesOnlyTheBytesTheBlockHas) {
    using Bytes = std::vector<uint8_t>;
    const Bytes full = {0xFE, 0xFF, 0xFF, 0xFF, 4, 5, 6, 7, 0xE8, 0x03, 0, 0, 12};
    // clang-format off
    const struct { size_t size; int32_t style; uint32_t headSize; Bytes written; } cases[] = {
        {13, -2, 1000, {2, 0, 0, 0, 4, 5, 6, 7, 4, 3, 2, 1, 12}}, {9, -2, 0xE8, {2, 0, 0, 0, 4, 5, 6, 7, 4}},
        {2, 0xFFFE, 0, {2, 0}}, {0, 0, 0, {}}};
    // clang-format on
    for (const auto& c : cases) {
        const arrow_block::ArrowHead head = arrow_block::Read(CByteSpan(full.data(), c.size));
        EXPECT_EQ(c.style, head.style) << c.size;
        EXPECT_EQ(c.headSize, head.size) << c.size;
        Bytes block(full.begin(), full.begin() + c.size);
        block.push_back(0xAA); // past the block: must stay
        arrow_block::Write(CMutableByteSpan(block.data(), c.size), {2, 0x01020304});
        EXPECT_EQ(c.written, Bytes(block.begin(), block.end() - 1)) << c.size;
        EXPECT_EQ(0xAA, block.back()) << c.size;
    }
}
