// The protractor view of "OiAnoDat": a write touches only bytes 16-23 that
// the block has, and reads give back what is there.
#include "blocks/protractor_block.h"
#include "fuzz_check.h"

FUZZ_TARGET {
    const Bytes loaded = ConsumeBlock(in, 40);
    const int32_t radius = in.ConsumeIntegral<int32_t>(), precision = in.ConsumeIntegral<int32_t>();
    Bytes block = loaded;
    protractor_block::WriteValues(Span(block), radius, precision);
    CheckOnlyChanged(loaded, block, 16, 24);
    FUZZ_CHECK(uint32_t(protractor_block::Radius(View(block))) == WordAt(block, 16));
    FUZZ_CHECK(uint32_t(protractor_block::Precision(View(block))) == WordAt(block, 20));
    if (block.size() >= 24)
        FUZZ_CHECK(WordAt(block, 16) == uint32_t(radius) &&
                   WordAt(block, 20) == uint32_t(precision));
}
