// The text block that a file is read into in place.
#include "blocks/text_block.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

TEST(TextBlock, BuiltToFillCarriesTheHeaderZerosTheRestAndRefusesHugeSizes) {
    using Bytes = std::vector<uint8_t>;
    const Bytes header{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 99};
    for (size_t carried : {13, 5, 0}) {
        text_block::Fillable f = text_block::BuildToFill(CByteSpan(header.data(), carried), 3);
        ASSERT_EQ(3u, f.text.Size());
        f.text.Write(0, "abc", 3);
        Bytes expected(header.begin(), header.begin() + (carried < 12 ? 0 : 12));
        expected.resize(12, 0); // zeros, never heap bytes
        expected.insert(expected.end(), {4, 0, 0, 0, 'a', 'b', 'c', 0, 0, 0, 0});
        EXPECT_EQ(expected, Bytes(f.block.data.get(), f.block.data.get() + f.block.size));
    }
    for (uint64_t length : {uint64_t(UINT32_MAX) - 19, uint64_t(1) << 40})
        EXPECT_FALSE(text_block::BuildToFill(CByteSpan(nullptr, 0), length).block) << length;
}
