// The two blocks of a ruler mark (little-endian 32-bit words).
//
// "OiAnoDat", the numbers:
//   0  horizontal scale: numerator, denominator
//   8  vertical scale: numerator, denominator
//  16  gauge length, 0 to 999
//  20  the gauge length again (written, never read)
//  24  output precision, 0 to 14
//  28  passed through
// A shorter block reads its missing bytes as 0 and has only its own written.
//
// "OiAnText", the label: the text layout (text_block.h) holding "%d " and
// the unit abbreviation.
#pragma once

#include "blocks/block_words.h"
#include "blocks/owned_bytes.h"
#include "blocks/ruler_units.h"

#include <cstdint>
#include <string>

namespace ruler_block {

constexpr size_t kHorizontalScale = 0;
constexpr size_t kVerticalScale = 8;
constexpr size_t kGauge = 16;
constexpr size_t kGaugeAgain = 20;
constexpr size_t kPrecision = 24;

inline int32_t Gauge(CByteSpan numbers) {
    return block_words::Read(numbers, kGauge);
}
inline int32_t Precision(CByteSpan numbers) {
    return block_words::Read(numbers, kPrecision);
}

// What the page writes over a copy of the numbers block.
struct Numbers {
    bool withScales; // false: bytes 0-15 stay as they are
    ruler_units::Scale horizontal, vertical;
    int32_t gauge;
    int32_t precision;
};
void WriteNumbers(CMutableByteSpan block, const Numbers& numbers);

// The abbreviation a label block carries: its text after the first "%d" (all
// of it when there is none), without surrounding blanks.
std::string AbbreviationOf(CByteSpan label);
// A label block of "%d ", the abbreviation and a zero byte, n + 23 bytes,
// carrying the header bytes of loaded that it has (zeros for the others).
OwnedBytes BuildLabel(CByteSpan loaded, const std::string& abbreviation);

} // namespace ruler_block
