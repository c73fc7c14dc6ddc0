// The arrow view of "OiAnoDat": reads give words 0 and 8 with missing bytes
// as 0; a write puts both words over bytes 0-3 and 8-11 that the block has,
// and nothing else.
#include "blocks/arrow_block.h"
#include "fuzz_check.h"

#include <algorithm>

FUZZ_TARGET {
    const Bytes loaded = ConsumeBlock(in, 40);
    const arrow_block::ArrowHead written{in.ConsumeIntegral<int32_t>(),
                                         in.ConsumeIntegral<uint32_t>()};
    const arrow_block::ArrowHead head = arrow_block::Read(View(loaded));
    FUZZ_CHECK(uint32_t(head.style) == WordAt(loaded, 0) && head.size == WordAt(loaded, 8));
    Bytes arrow = loaded;
    arrow_block::Write(Span(arrow), written);
    CheckOnlyChanged(loaded, arrow, 0, 12);
    FUZZ_CHECK(WordAt(arrow, 4) == WordAt(loaded, 4));
    // Each word goes in little-endian as far as the block reaches, cut bytewise.
    for (size_t i = 0; i < std::min<size_t>(arrow.size(), 12); ++i)
        if (i < 4 || i >= 8)
            FUZZ_CHECK(arrow[i] ==
                       uint8_t((i < 4 ? uint32_t(written.style) : written.size) >> (8 * (i % 4))));
}
