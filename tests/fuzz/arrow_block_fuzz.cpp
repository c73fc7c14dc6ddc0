// The arrow view of "OiAnoDat": reads give words 0 and 8 with missing bytes
// as 0; a write touches only bytes 0-11 that the block has.
#include "blocks/arrow_block.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    const Bytes loaded = ConsumeBlock(in, 40);
    const arrow_block::ArrowHead written{in.ConsumeIntegral<int32_t>(),
                                         in.ConsumeIntegral<uint32_t>()};
    const arrow_block::ArrowHead head = arrow_block::Read(View(loaded));
    FUZZ_CHECK(uint32_t(head.style) == WordAt(loaded, 0) && head.size == WordAt(loaded, 8));
    Bytes arrow = loaded;
    arrow_block::Write(Span(arrow), written);
    CheckOnlyChanged(loaded, arrow, 0, 12);
    FUZZ_CHECK(WordAt(arrow, 4) == WordAt(loaded, 4));
    if (arrow.size() >= 12)
        FUZZ_CHECK(WordAt(arrow, 0) == uint32_t(written.style) && WordAt(arrow, 8) == written.size);
    return 0;
}
