// The "OiAnText" layout.
#include "blocks/text_block.h"

#include <cstdint>
#include <cstring>
#include <new>
#include <utility>

namespace text_block {
namespace {
// The header bytes the loaded block has, zeros for those it lacks.
void CarryHeader(CByteSpan loaded, CMutableByteSpan out) {
    const size_t carried = loaded.Size() < kHeaderSize ? loaded.Size() : kHeaderSize;
    out.Write(0, loaded.Data(), carried);
    out.Fill(carried, kHeaderSize - carried);
}
} // namespace

CByteSpan ReadText(CByteSpan block) {
    if (block.Size() <= kTextOffset)
        return CByteSpan(nullptr, 0);
    const auto* start = static_cast<const uint8_t*>(block.Data()) + kTextOffset;
    const size_t available = block.Size() - kTextOffset;
    const void* zero = std::memchr(start, 0, available);
    const size_t length = zero ? static_cast<const uint8_t*>(zero) - start : available;
    return block.Slice(kTextOffset, length);
}

OwnedBytes Build(CByteSpan loaded, CByteSpan text) {
    OwnedBytes built;
    const size_t length = text.Size();
    if (length > UINT32_MAX - kFixedSize)
        return built;
    const size_t size = length + kFixedSize;
    built.data.reset(new (std::nothrow) uint8_t[size]());
    if (!built.data)
        return built;
    built.size = static_cast<uint32_t>(size);
    CMutableByteSpan out(built.data.get(), size);
    CarryHeader(loaded, out);
    out.WriteValue<uint32_t>(kHeaderSize, static_cast<uint32_t>(length + 1));
    out.Write(kTextOffset, text.Data(), length);
    return built;
}

Fillable BuildToFill(CByteSpan loaded, uint64_t length) {
    Fillable result;
    if (length > UINT32_MAX - kFixedSize)
        return result;
    const size_t size = static_cast<size_t>(length) + kFixedSize;
    // Not value-initialised: the caller overwrites the text region anyway,
    // and zeroing it first would touch every byte twice.
    result.block.data.reset(new (std::nothrow) uint8_t[size]);
    if (!result.block.data)
        return result;
    result.block.size = static_cast<uint32_t>(size);
    CMutableByteSpan out(result.block.data.get(), size);
    CarryHeader(loaded, out);
    out.WriteValue<uint32_t>(kHeaderSize, static_cast<uint32_t>(length + 1));
    out.Fill(kTextOffset + static_cast<size_t>(length), kFixedSize - kTextOffset);
    result.text = out.Slice(kTextOffset, static_cast<size_t>(length));
    return result;
}

OwnedBytes BuildUnreadText(CByteSpan loaded) {
    Fillable built = BuildToFill(loaded, 1);
    built.text.Fill(0, 1);
    CMutableByteSpan(built.block.data.get(), built.block.size).WriteValue<uint32_t>(kHeaderSize, 1);
    return std::move(built.block);
}

} // namespace text_block
