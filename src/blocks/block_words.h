// Little-endian 32-bit words of a block that may be shorter than the layout
// that reads it: bytes past its end read as 0 and are never written, so a
// word that straddles the end keeps the bytes that exist.
#pragma once

#include "blocks/byte_span.h"

#include <cstddef>
#include <cstdint>

namespace block_words {

int32_t Read(CByteSpan block, size_t offset);
void Write(CMutableByteSpan block, size_t offset, int32_t value);

} // namespace block_words
