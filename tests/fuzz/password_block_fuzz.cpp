// The password slot: a write changes only bytes 20-51 that the block has,
// never its size; what it wrote reads back as the text (cut to the room the
// block leaves for the zero byte) and the rest of the slot is zero.
#include "blocks/password_block.h"
#include "fuzz_check.h"

#include <algorithm>

FUZZ_TARGET {
    const Bytes loaded = ConsumeBlock(in, 60);
    Bytes text = in.ConsumeBytes<uint8_t>(in.ConsumeIntegralInRange<size_t>(0, 40));
    std::replace(text.begin(), text.end(), uint8_t(0), uint8_t('x')); // the edit holds no zeros
    password_block::ReadPassword(View(loaded));

    Bytes block = loaded;
    const size_t capacity = password_block::TextCapacity(View(block));
    password_block::WritePassword(Span(block), View(text));
    CheckOnlyChanged(loaded, block, 20, 52);
    FUZZ_CHECK(capacity <= 31 && (block.size() > 20 || capacity == 0));
    if (block.size() <= 20)
        return;
    const size_t written = std::min(text.size(), capacity);
    const CByteSpan read = password_block::ReadPassword(View(block));
    FUZZ_CHECK(read.Size() == written && std::equal(text.begin(), text.begin() + written,
                                                    static_cast<const uint8_t*>(read.Data())
                                                        ? static_cast<const uint8_t*>(read.Data())
                                                        : block.data()));
    for (size_t i = 20 + written; i < std::min<size_t>(block.size(), 52); ++i)
        FUZZ_CHECK(block[i] == 0);
}
