// The arrow head layout.
#include "blocks/arrow_block.h"

#include "blocks/block_words.h"

namespace arrow_block {

ArrowHead Read(CByteSpan block) {
    ArrowHead head;
    head.style = block_words::Read(block, kStyleOffset);
    head.size = static_cast<uint32_t>(block_words::Read(block, kSizeOffset));
    return head;
}

void Write(CMutableByteSpan block, const ArrowHead& head) {
    block_words::Write(block, kStyleOffset, head.style);
    block_words::Write(block, kSizeOffset, static_cast<int32_t>(head.size));
}

} // namespace arrow_block
