// The text block that a file is read into in place: a length that cannot fit
// the block's 32-bit size builds nothing (the layout's bytes are fuzzed).
#include "blocks/text_block.h"

#include <gtest/gtest.h>

#include <cstdint>

TEST(TextBlock, BuildToFillRefusesSizesPastThirtyTwoBits) {
    for (uint64_t length : {uint64_t(UINT32_MAX) - 19, uint64_t(1) << 40})
        EXPECT_FALSE(text_block::BuildToFill(CByteSpan(nullptr, 0), length).block) << length;
}
