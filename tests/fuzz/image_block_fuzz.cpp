// The image view of "OiAnoDat": orientation codes stay 1-8 with rotation and
// mirror independent, aspect entries stay within 0-10 (entries below 0.1 are not
// raised), and a word written at any offset touches only its own bytes.
#include "blocks/image_block.h"
#include "fuzz_check.h"

FUZZ_TARGET {
    const Bytes loaded = ConsumeBlock(in, 40);
    const size_t offset = in.PickValueInArray({image_block::kOrientation, image_block::kFit,
                                               image_block::kAlignment, image_block::kAspect});
    Bytes block = loaded;
    block_words::Write(Span(block), offset, in.ConsumeIntegral<int32_t>());
    CheckOnlyChanged(loaded, block, offset, offset + 4);

    const int32_t code = in.ConsumeIntegralInRange<int32_t>(1, 8);
    const int32_t rotated = image_block::WithRotation(code, in.ConsumeIntegralInRange(1, 4));
    FUZZ_CHECK(rotated >= 1 && rotated <= 8 && (rotated > 4) == (code > 4));
    const bool mirrored = in.ConsumeBool();
    FUZZ_CHECK((image_block::WithMirror(code, mirrored) > 4) == mirrored);
    FUZZ_CHECK(image_block::RotationIndex(code) == (code - 1) % 4);
    const int32_t aspect = image_block::AspectFromText(in.ConsumeRandomLengthString(24).c_str());
    FUZZ_CHECK(aspect >= 0 && aspect <= image_block::kAspectHighest);
    image_block::AspectText(image_block::AspectOnOpen(WordAt(loaded, image_block::kAspect)));
}
