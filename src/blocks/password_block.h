// The password slot of an encryption mark's "OiAnoDat" block: 32 bytes from
// offset 20 hold the password as a zero-terminated string of at most 31
// bytes. Every other byte of the block is the caller's; the slot is written
// in place and the block never changes size.
#pragma once

#include "blocks/byte_span.h"

#include <cstddef>

namespace password_block {

constexpr size_t kSlotOffset = 20;
constexpr size_t kSlotSize = 32;
constexpr size_t kMaxTextSize = kSlotSize - 1;

// The password: up to the first zero byte of the slot, at most 31 bytes,
// the part of the slot the block has. Points into block.
CByteSpan ReadPassword(CByteSpan block);

// How many text bytes the block can take: 31, less when the block ends
// inside the slot (room is kept for the zero byte); 0 below 21 bytes.
size_t TextCapacity(CByteSpan block);

// Writes the first TextCapacity bytes of text and a zero byte into the slot
// and zeroes the rest of the slot, so no byte of an older password stays.
// Nothing outside the block is touched; a block under 21 bytes is unchanged.
void WritePassword(CMutableByteSpan block, CByteSpan text);

} // namespace password_block
