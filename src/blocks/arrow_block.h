// The "OiAnoDat" block of arrow marks: the head's style and size; every other
// byte is carried through untouched.
//
//   0  4  head style, signed (0 open, 1 filled, 2 hollow, 3 notched)
//   4  4  not used
//   8  4  head size, unsigned
//  12  -  not used
//
// A block shorter than 12 bytes reads its missing bytes as 0 and is written
// only where it has bytes.
#pragma once

#include "blocks/byte_span.h"

#include <cstddef>
#include <cstdint>

namespace arrow_block {

constexpr size_t kStyleOffset = 0;
constexpr size_t kSizeOffset = 8;

struct ArrowHead {
    int32_t style = -1;
    uint32_t size = 0;
};

ArrowHead Read(CByteSpan block);
// Replaces bytes 0-3 and 8-11 of block, little-endian, as far as block reaches.
void Write(CMutableByteSpan block, const ArrowHead& head);

} // namespace arrow_block
