// The arrow head layout.
#include "blocks/arrow_block.h"

namespace arrow_block {
namespace {
// A little-endian 32-bit word; bytes beyond the block count as 0.
uint32_t ReadWord(CByteSpan block, size_t offset) {
    uint32_t value = 0;
    for (size_t i = 0; i < 4; ++i)
        value |= uint32_t{block.ReadValue<uint8_t>(offset + i)} << (8 * i);
    return value;
}

void WriteWord(CMutableByteSpan block, size_t offset, uint32_t value) {
    for (size_t i = 0; i < 4; ++i)
        block.WriteValue<uint8_t>(offset + i, static_cast<uint8_t>(value >> (8 * i)));
}
} // namespace

ArrowHead Read(CByteSpan block) {
    ArrowHead head;
    head.style = static_cast<int32_t>(ReadWord(block, kStyleOffset));
    head.size = ReadWord(block, kSizeOffset);
    return head;
}

void Write(CMutableByteSpan block, const ArrowHead& head) {
    WriteWord(block, kStyleOffset, static_cast<uint32_t>(head.style));
    WriteWord(block, kSizeOffset, head.size);
}

} // namespace arrow_block
