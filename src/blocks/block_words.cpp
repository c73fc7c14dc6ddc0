// Word access to blocks of any length.
#include "blocks/block_words.h"

namespace block_words {

int32_t Read(CByteSpan block, size_t offset) {
    uint32_t value = 0;
    for (size_t i = 0; i < 4; ++i)
        value |= static_cast<uint32_t>(block.ReadValue<uint8_t>(offset + i)) << (8 * i);
    return static_cast<int32_t>(value);
}

void Write(CMutableByteSpan block, size_t offset, int32_t value) {
    const uint32_t bits = static_cast<uint32_t>(value);
    for (size_t i = 0; i < 4; ++i)
        block.WriteValue(offset + i, static_cast<uint8_t>(bits >> (8 * i)));
}

} // namespace block_words
