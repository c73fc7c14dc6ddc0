// The "OiAnText" layout over any loaded block and a run of edits: a built block is 12 header
// bytes kept from the loaded one (zeros where it has none), the length word, the text, 4 zeros.
#include "blocks/text_block.h"
#include "fuzz_check.h"

#include <algorithm>
#include <utility>

static Bytes TextOf(const Bytes& block) {
    return ReadFrom(block, text_block::kTextOffset, text_block::ReadText(View(block)));
}

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
        OwnedBytes built;
        if (kind == 0) {
            built = text_block::Build(View(loaded), View(text));
        } else if (kind == 1) {
            text_block::Fillable fillable = text_block::BuildToFill(View(loaded), text.size());
            FUZZ_CHECK(fillable.text.Size() == text.size());
            FUZZ_CHECK(fillable.text.Write(0, text.data(), text.size()));
            built = std::move(fillable.block);
        } else {
            built = text_block::BuildUnreadText(View(loaded));
        }
        // The unread block keeps one more zero where the text would be.
        const Bytes region = kind == 2 ? Bytes{0} : text;
        FUZZ_CHECK(built && built.size == region.size() + 20);
        FUZZ_CHECK(loaded == block);
        block.assign(built.data.get(), built.data.get() + built.size);

        FUZZ_CHECK(Bytes(block.begin(), block.begin() + 12) == header);
        FUZZ_CHECK(WordAt(block, 12) == text.size() + 1);
        FUZZ_CHECK(Bytes(block.begin() + 16, block.end() - 4) == region);
        FUZZ_CHECK(Bytes(block.end() - 4, block.end()) == Bytes(4, 0));
        FUZZ_CHECK(TextOf(block) == Bytes(text.begin(), std::find(text.begin(), text.end(), 0)));
    }
}
