// The ruler's blocks: the numbers write touches only bytes 0-27 (16-27 without scales) that the
// block has; the label rebuild holds "%d ", the abbreviation and a zero byte in a text block.
#include "blocks/ruler_block.h"
#include "fuzz_check.h"

FUZZ_TARGET {
    const Bytes loaded = ConsumeBlock(in, 40);
    const int32_t a = in.ConsumeIntegral<int32_t>(), b = in.ConsumeIntegral<int32_t>();
    Bytes numbers = loaded;
    const bool withScales = in.ConsumeBool();
    ruler_block::WriteNumbers(Span(numbers), {withScales, {a, b}, {b, a}, a, b});
    CheckOnlyChanged(loaded, numbers, withScales ? 0 : 16, 28);

    const std::string text = in.ConsumeBytesAsString(in.ConsumeIntegralInRange<size_t>(0, 12));
    const OwnedBytes label = ruler_block::BuildLabel(View(loaded), text);
    FUZZ_CHECK(label && label.size == text.size() + 23);
    ruler_block::AbbreviationOf(CByteSpan(label.data.get(), label.size));
    ruler_block::AbbreviationOf(View(loaded));
    ruler_units::ScaleOf(in.ConsumeIntegralInRange<size_t>(0, ruler_units::kUnitCount - 1), a);
}
