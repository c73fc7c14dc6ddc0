// The block holder at the edges its fuzz target does not reach: a null name,
// and a caller's buffer changed after the copy.
#include "blocks/named_block.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

TEST(NamedBlock, NullNameAndTheCallersBufferAfterTheCopy) {
    CNamedBlock block("OiAnoDat");
    EXPECT_FALSE(block.IsNamed(nullptr));
    std::vector<uint8_t> source = {1, 2, 3, 4};
    block.SetCopy(source.data(), 4);
    source.assign(4, 0xEE);
    EXPECT_EQ(3, block.Bytes().ReadValue<uint8_t>(2));
}
