// The arrow head layout: style and size read little-endian with missing bytes
// as 0, and written only over bytes 0-3 and 8-11 that the block has.
#include "blocks/arrow_block.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {
using Bytes = std::vector<uint8_t>;

TEST(ArrowBlock, ReadsAndWritesOnlyTheBytesTheBlockHas) {
    const Bytes full = {0xFE, 0xFF, 0xFF, 0xFF, 4, 5, 6, 7, 0xE8, 0x03, 0, 0, 12, 13};
    const arrow_block::ArrowHead stored{2, 0x01020304};
    const struct {
        size_t size;
        int32_t style;
        uint32_t headSize;
        Bytes written;
    } cases[] = {
        {14, -2, 1000, {2, 0, 0, 0, 4, 5, 6, 7, 4, 3, 2, 1, 12, 13}},
        {12, -2, 1000, {2, 0, 0, 0, 4, 5, 6, 7, 4, 3, 2, 1}},
        {9, -2, 0xE8, {2, 0, 0, 0, 4, 5, 6, 7, 4}},
        {6, -2, 0, {2, 0, 0, 0, 4, 5}},
        {2, 0xFFFE, 0, {2, 0}},
        {0, 0, 0, {}},
    };
    for (const auto& c : cases) {
        const arrow_block::ArrowHead head = arrow_block::Read(CByteSpan(full.data(), c.size));
        EXPECT_EQ(c.style, head.style) << c.size << " bytes";
        EXPECT_EQ(c.headSize, head.size) << c.size << " bytes";
        Bytes block(full.begin(), full.begin() + c.size);
        block.push_back(0xAA); // one byte past the block, which must stay
        arrow_block::Write(CMutableByteSpan(block.data(), c.size), stored);
        EXPECT_EQ(0xAA, block.back()) << c.size << " bytes";
        block.pop_back();
        EXPECT_EQ(c.written, block) << c.size << " bytes";
    }
}

} // namespace
