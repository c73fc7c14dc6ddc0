// Named blocks and byte spans at the edges the fuzz targets do not reach: null
// and short names, empty copies, a caller's buffer changed after the copy, a
// span over a null pointer.
#include "blocks/byte_span.h"
#include "blocks/named_block.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

TEST(NamedBlock, NullOrShortNamesEmptyCopiesAndTheCallersBuffer) {
    CNamedBlock block("OiAnoDat");
    EXPECT_FALSE(block.IsNamed(nullptr));
    const char embeddedZero[8] = {'O', 'i', 'A', 'n', 'o', 'D', 'a', '\0'};
    EXPECT_FALSE(block.IsNamed(embeddedZero));
    ASSERT_EQ(1, block.SetCopy("xyz", 0));
    EXPECT_EQ(0u, block.Size());
    std::vector<uint8_t> source = {1, 2, 3, 4};
    block.SetCopy(source.data(), 4);
    source.assign(4, 0xEE);
    EXPECT_EQ(3, block.Bytes().ReadValue<uint8_t>(2));
}

TEST(ByteSpan, ANullPointerHasNoBytes) {
    EXPECT_EQ(0u, CByteSpan(nullptr, 10).Size());
}
