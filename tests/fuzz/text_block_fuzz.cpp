// The "OiAnText" layout, fed any loaded block and a run of edits: the
// text read lies inside the block and ends at its first zero or the block's
// end; a built block is the text plus 20 bytes, keeps the header bytes it
// does not own (as many of the 12 as the loaded block has, zeros for the
// rest), counts the text in its length word, and reads back as the
// text up to its first zero; the loaded block is never changed.
#include "blocks/text_block.h"
#include "fuzz_check.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace {

Bytes TextOf(const Bytes& block) {
    const CByteSpan text = text_block::ReadText(View(block));
    if (text.Size() == 0)
        return Bytes();
    const auto* start = static_cast<const uint8_t*>(text.Data());
    FUZZ_CHECK(start == block.data() + text_block::kTextOffset);
    FUZZ_CHECK(text.Size() <= block.size() - text_block::kTextOffset);
    FUZZ_CHECK(!std::memchr(start, 0, text.Size()));
    FUZZ_CHECK(start + text.Size() == block.data() + block.size() || start[text.Size()] == 0);
    return Bytes(start, start + text.Size());
}

} // namespace

FUZZ_TARGET {
    Bytes block = ConsumeBlock(in);
    Bytes header(12, 0); // the bytes the block has, zeros for the missing ones
    std::copy_n(block.begin(), std::min<size_t>(block.size(), 12), header.begin());
    TextOf(block);
    while (in.remaining_bytes()) {
        // An edit: typed text, a file read into the block in place, or an
        // unread internet file (an empty text).
        const int kind = in.ConsumeIntegralInRange(0, 2);
        const Bytes text = kind == 2 ? Bytes() : ConsumeBlock(in);
        const Bytes loaded = block;
        const CByteSpan loadedSpan(loaded.data(), loaded.size());
        OwnedBytes built;
        if (kind == 0) {
            built = text_block::Build(loadedSpan, View(text));
        } else if (kind == 1) {
            text_block::Fillable fillable = text_block::BuildToFill(loadedSpan, text.size());
            FUZZ_CHECK(fillable.text.Size() == text.size());
            FUZZ_CHECK(fillable.text.Write(0, text.data(), text.size()));
            built = std::move(fillable.block);
        } else {
            built = text_block::BuildUnreadText(loadedSpan);
        }
        // The unread block keeps one more zero where the text would be.
        const Bytes region = kind == 2 ? Bytes{0} : text;
        FUZZ_CHECK(built && built.size == region.size() + 20);
        FUZZ_CHECK(loaded == block);
        block.assign(built.data.get(), built.data.get() + built.size);

        FUZZ_CHECK(Bytes(block.begin(), block.begin() + 12) == header);
        uint32_t length = 0;
        std::memcpy(&length, block.data() + 12, 4);
        FUZZ_CHECK(length == text.size() + 1);
        FUZZ_CHECK(Bytes(block.begin() + 16, block.end() - 4) == region);
        FUZZ_CHECK(Bytes(block.end() - 4, block.end()) == Bytes(4, 0));
        const auto zero = std::find(text.begin(), text.end(), 0);
        FUZZ_CHECK(TextOf(block) == Bytes(text.begin(), zero));
    }
}
