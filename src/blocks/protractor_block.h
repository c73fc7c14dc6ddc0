// The "OiAnoDat" block of a protractor mark (little-endian 32-bit words):
//
//   0  passed through
//  16  arc radius, 1 to 999
//  20  output precision, 0 to 14
//  24  passed through
//
// A shorter block reads its missing bytes as 0 and has only its own written.
#pragma once

#include "blocks/block_words.h"

namespace protractor_block {

constexpr size_t kRadius = 16;
constexpr size_t kPrecision = 20;

inline int32_t Radius(CByteSpan block) {
    return block_words::Read(block, kRadius);
}
inline int32_t Precision(CByteSpan block) {
    return block_words::Read(block, kPrecision);
}
inline void WriteValues(CMutableByteSpan block, int32_t radius, int32_t precision) {
    block_words::Write(block, kPrecision, precision);
    block_words::Write(block, kRadius, radius);
}

} // namespace protractor_block
