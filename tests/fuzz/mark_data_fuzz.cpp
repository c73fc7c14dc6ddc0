// The views of "OiAnoDat", one picked per input: a write changes only the bytes of its own
// fields that the block has, never its size, and reads back as written, cut to what the block
// has; the image view's codes and aspect entries stay in their ranges.
#include "blocks/arrow_block.h"
#include "blocks/image_block.h"
#include "blocks/password_block.h"
#include "blocks/protractor_block.h"
#include "fuzz_check.h"

#include <algorithm>

namespace {

void Arrow(FuzzedDataProvider& in, const Bytes& loaded) {
    const arrow_block::ArrowHead written{in.ConsumeIntegral<int32_t>(),
                                         in.ConsumeIntegral<uint32_t>()};
    const arrow_block::ArrowHead head = arrow_block::Read(View(loaded));
    FUZZ_CHECK(uint32_t(head.style) == WordAt(loaded, 0) && head.size == WordAt(loaded, 8));
    Bytes arrow = loaded;
    arrow_block::Write(Span(arrow), written);
    CheckOnlyChanged(loaded, arrow, 0, 12);
    FUZZ_CHECK(WordAt(arrow, 4) == WordAt(loaded, 4));
    for (size_t i = 0; i < std::min<size_t>(arrow.size(), 12); ++i)
        if (i < 4 || i >= 8)
            FUZZ_CHECK(arrow[i] ==
                       uint8_t((i < 4 ? uint32_t(written.style) : written.size) >> (8 * (i % 4))));
}

void Image(FuzzedDataProvider& in, const Bytes& loaded) {
    const int32_t code = in.ConsumeIntegralInRange<int32_t>(1, 8);
    const int32_t rotated = image_block::WithRotation(code, in.ConsumeIntegralInRange(1, 4));
    FUZZ_CHECK(rotated >= 1 && rotated <= 8 && (rotated > 4) == (code > 4));
    const bool mirrored = in.ConsumeBool();
    FUZZ_CHECK((image_block::WithMirror(code, mirrored) > 4) == mirrored);
    const int32_t aspect = image_block::AspectFromText(in.ConsumeRandomLengthString(24).c_str());
    FUZZ_CHECK(aspect >= 0 && aspect <= image_block::kAspectHighest);
    image_block::AspectText(image_block::AspectOnOpen(WordAt(loaded, image_block::kAspect)));
}

void Protractor(FuzzedDataProvider& in, const Bytes& loaded) {
    const int32_t radius = in.ConsumeIntegral<int32_t>(), precision = in.ConsumeIntegral<int32_t>();
    Bytes block = loaded;
    protractor_block::WriteValues(Span(block), radius, precision);
    CheckOnlyChanged(loaded, block, 16, 24);
    FUZZ_CHECK(block.size() < 24 || (protractor_block::Radius(View(block)) == radius &&
                                     protractor_block::Precision(View(block)) == precision));
}

void Password(FuzzedDataProvider& in, const Bytes& loaded) {
    Bytes text = in.ConsumeBytes<uint8_t>(in.ConsumeIntegralInRange<size_t>(0, 40));
    std::replace(text.begin(), text.end(), uint8_t(0), uint8_t('x')); // the edit holds no zeros
    password_block::ReadPassword(View(loaded));
    Bytes block = loaded;
    const size_t capacity = password_block::TextCapacity(View(block));
    password_block::WritePassword(Span(block), View(text));
    CheckOnlyChanged(loaded, block, 20, 52);
    FUZZ_CHECK(capacity == (block.size() > 20 ? std::min<size_t>(block.size() - 21, 31) : 0));
    if (block.size() <= 20)
        return;
    const size_t written = std::min(text.size(), capacity);
    const CByteSpan read = password_block::ReadPassword(View(block));
    const auto* start = static_cast<const uint8_t*>(read.Data());
    FUZZ_CHECK(read.Size() == written &&
               std::equal(text.begin(), text.begin() + written, start ? start : block.data()));
    for (size_t i = 20 + written; i < std::min<size_t>(block.size(), 52); ++i)
        FUZZ_CHECK(block[i] == 0);
}

} // namespace

FUZZ_TARGET {
    const auto view = in.PickValueInArray({Arrow, Image, Protractor, Password});
    view(in, ConsumeBlock(in, 60));
}
