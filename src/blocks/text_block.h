// The "OiAnText" block: three header words carried unchanged, a length word
// counting the terminating zero, the text from offset 16 and its zero byte.
//
//   0  12  header words (never interpreted)
//  12   4  text length + 1 (ignored when read)
//  16   L  text bytes, then one zero byte
//
// A built block is exactly L + 20 bytes: the three bytes after the zero are
// zero too.
#pragma once

#include "blocks/byte_span.h"
#include "blocks/owned_bytes.h"

#include <cstddef>
#include <cstdint>

namespace text_block {

constexpr size_t kHeaderSize = 12;
constexpr size_t kTextOffset = 16;
constexpr size_t kFixedSize = 20; // header, length word, zero byte, three trailing zeros

// The text of a block: from offset 16 up to the first zero byte or the
// block's end; empty for a block shorter than 17 bytes. Points into block.
CByteSpan ReadText(CByteSpan block);

// A block of text.Size() + 20 bytes carrying the first 12 bytes of loaded, as
// many as it has (zeros for the missing ones). Null data when the size would
// not fit 32 bits or memory ran out.
OwnedBytes Build(CByteSpan loaded, CByteSpan text);

// A block of length + 20 bytes like Build's, with the text region left for
// the caller to fill in place (so a file is read straight into the block).
// Everything outside the region is set. Null block and empty region when the
// size would not fit 32 bits or memory ran out.
struct Fillable {
    OwnedBytes block;
    CMutableByteSpan text{nullptr, 0};
};
Fillable BuildToFill(CByteSpan loaded, uint64_t length);

// The block of a text file page whose name is an internet name, which is not
// read: 21 bytes, the header carried, length word 1, an empty text, zeros.
OwnedBytes BuildUnreadText(CByteSpan loaded);

} // namespace text_block
