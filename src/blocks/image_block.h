// The "OiAnoDat" block of an embedded image mark, as the image page uses it
// (little-endian 32-bit words; every other byte is passed through):
//
//   0  orientation, 1 to 8: rotation 1 to 4, plus 4 when mirrored vertically
//  24  fit option, an index into the fit list
//  28  alignment code: horizontal place in the high nibble, vertical in the low
//  32  aspect ratio x 100000
//
// A shorter block reads its missing bytes as 0 and has only its own written.
#pragma once

#include "blocks/block_words.h"

#include <cstdint>
#include <string>

namespace image_block {

constexpr size_t kOrientation = 0;
constexpr size_t kFit = 24;
constexpr size_t kAlignment = 28;
constexpr size_t kAspect = 32;

constexpr int32_t kRotations = 4; // codes above are mirrored

constexpr int32_t kAspectOne = 100000;      // 1.0
constexpr int32_t kAspectLowest = 10000;    // 0.1, for entries of 0 or less
constexpr int32_t kAspectHighest = 1000000; // 10.0

// The orientation with rotation base (1 to 4); the mirror half stays.
int32_t WithRotation(int32_t orientation, int32_t base);
// The orientation with the mirror set or cleared; the rotation stays.
int32_t WithMirror(int32_t orientation, bool mirrored);
// The rotation radio button (0 to 3) of codes 1 to 8; -1 for any other code.
int RotationIndex(int32_t orientation);

// What an aspect entry stores: the text as atof reads it (not a number: 0),
// 0 or less as 0.1, more than 10 as 10, times 100000 truncated toward zero.
int32_t AspectFromText(const char* text);
// The stored aspect a page opens with: 0 and values above 10 become 1.0;
// negative values stay as they are.
int32_t AspectOnOpen(int32_t stored);
// The stored aspect as the edit shows it, "%f" of the ratio (1.000000).
std::string AspectText(int32_t stored);

} // namespace image_block
