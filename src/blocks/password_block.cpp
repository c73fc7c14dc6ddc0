// The password slot of "OiAnoDat".
#include "blocks/password_block.h"

#include <cstdint>
#include <cstring>

namespace password_block {

CByteSpan ReadPassword(CByteSpan block) {
    if (block.Size() <= kSlotOffset)
        return CByteSpan(nullptr, 0);
    const size_t available = block.Size() - kSlotOffset;
    const size_t limit = available < kMaxTextSize ? available : kMaxTextSize;
    const auto* start = static_cast<const uint8_t*>(block.Data()) + kSlotOffset;
    const void* zero = std::memchr(start, 0, limit);
    const size_t length = zero ? static_cast<const uint8_t*>(zero) - start : limit;
    return block.Slice(kSlotOffset, length);
}

size_t TextCapacity(CByteSpan block) {
    if (block.Size() <= kSlotOffset)
        return 0;
    const size_t room = block.Size() - kSlotOffset - 1;
    return room < kMaxTextSize ? room : kMaxTextSize;
}

void WritePassword(CMutableByteSpan block, CByteSpan text) {
    if (block.Size() <= kSlotOffset)
        return;
    const size_t capacity = TextCapacity(block);
    const size_t length = text.Size() < capacity ? text.Size() : capacity;
    const size_t slotEnd =
        block.Size() < kSlotOffset + kSlotSize ? block.Size() : kSlotOffset + kSlotSize;
    block.Fill(kSlotOffset, slotEnd - kSlotOffset);
    block.Write(kSlotOffset, text.Data(), length);
}

} // namespace password_block
