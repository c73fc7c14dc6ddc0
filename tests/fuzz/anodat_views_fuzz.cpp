// The word views of "OiAnoDat" (arrow, protractor, ruler numbers, image):
// reads give the little-endian words with missing bytes as 0, and writes
// touch only the bytes each view owns, never past a short block's end.
#include "blocks/arrow_block.h"
#include "blocks/image_block.h"
#include "blocks/protractor_block.h"
#include "blocks/ruler_block.h"
#include "fuzz_check.h"

namespace {
CMutableByteSpan Span(Bytes& b) {
    return CMutableByteSpan(b.data(), b.size());
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    const Bytes loaded = ConsumeBlock(in, 40);
    const int32_t a = in.ConsumeIntegral<int32_t>(), b = in.ConsumeIntegral<int32_t>();

    const arrow_block::ArrowHead head = arrow_block::Read(CByteSpan(loaded.data(), loaded.size()));
    FUZZ_CHECK(uint32_t(head.style) == WordAt(loaded, 0) && head.size == WordAt(loaded, 8));
    Bytes arrow = loaded;
    arrow_block::Write(Span(arrow), {a, uint32_t(b)});
    CheckOnlyChanged(Bytes(loaded.begin(), loaded.end()), arrow, 0, 12);
    FUZZ_CHECK(WordAt(arrow, 4) == WordAt(loaded, 4));
    if (arrow.size() >= 12)
        FUZZ_CHECK(WordAt(arrow, 0) == uint32_t(a) && WordAt(arrow, 8) == uint32_t(b));

    Bytes protractor = loaded;
    protractor_block::WriteValues(Span(protractor), a, b);
    CheckOnlyChanged(loaded, protractor, 16, 24);
    FUZZ_CHECK(uint32_t(protractor_block::Radius(
                   CByteSpan(protractor.data(), protractor.size()))) == WordAt(protractor, 16));

    Bytes ruler = loaded;
    const bool withScales = in.ConsumeBool();
    ruler_block::WriteNumbers(Span(ruler), {withScales, {a, b}, {b, a}, a, b});
    CheckOnlyChanged(loaded, ruler, withScales ? 0 : 16, 28);
    const Bytes abbreviation = in.ConsumeBytes<uint8_t>(in.ConsumeIntegralInRange<size_t>(0, 12));
    const std::string text(abbreviation.begin(), abbreviation.end());
    const OwnedBytes label = ruler_block::BuildLabel(CByteSpan(loaded.data(), loaded.size()), text);
    FUZZ_CHECK(label && label.size == text.size() + 23);
    for (size_t i = 0; i < 12; ++i)
        FUZZ_CHECK(label.data[i] == (loaded.size() >= 12 ? loaded[i] : 0)); // all three or zeros
    ruler_block::AbbreviationOf(CByteSpan(label.data.get(), label.size));
    ruler_units::ScaleOf(in.ConsumeIntegralInRange<size_t>(0, ruler_units::kUnitCount - 1), a);

    const int32_t code = in.ConsumeIntegralInRange<int32_t>(1, 8);
    const int32_t rotated = image_block::WithRotation(code, in.ConsumeIntegralInRange(1, 4));
    FUZZ_CHECK(rotated >= 1 && rotated <= 8 && (rotated > 4) == (code > 4));
    const bool mirrored = in.ConsumeBool();
    FUZZ_CHECK((image_block::WithMirror(code, mirrored) > 4) == mirrored);
    FUZZ_CHECK(image_block::RotationIndex(code) == (code - 1) % 4);
    const int32_t aspect = image_block::AspectFromText(in.ConsumeRandomLengthString(24).c_str());
    FUZZ_CHECK(aspect >= image_block::kAspectLowest && aspect <= image_block::kAspectHighest);
    image_block::AspectText(image_block::AspectOnOpen(a));
    return 0;
}
