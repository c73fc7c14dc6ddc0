// What every fuzz target uses: its entry, a check that aborts (libFuzzer then keeps the
// input as a crash), and the input split into blocks and positions.
#pragma once

#include "blocks/byte_span.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#define FUZZ_CHECK(condition) FuzzCheck(condition, __FILE__, __LINE__, #condition)
inline void FuzzCheck(bool passed, const char* file, int line, const char* condition) {
    if (!passed)
        std::fprintf(stderr, "%s:%d: check failed: %s\n", file, line, condition), std::abort();
}

// The target's body, given the input as a FuzzedDataProvider named in.
#define FUZZ_TARGET                                                                                \
    static void FuzzOne(FuzzedDataProvider& in);                                                   \
    extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {                      \
        FuzzedDataProvider in(data, size);                                                         \
        return FuzzOne(in), 0;                                                                     \
    }                                                                                              \
    static void FuzzOne(FuzzedDataProvider& in)

using Bytes = std::vector<uint8_t>;

inline CByteSpan View(const Bytes& b) {
    return CByteSpan(b.data(), b.size());
}
inline CMutableByteSpan Span(Bytes& b) {
    return CMutableByteSpan(b.data(), b.size());
}

// A block of up to max bytes; its heap copy is exactly that long, so the
// sanitizer sees any access past its end.
inline Bytes ConsumeBlock(FuzzedDataProvider& in, size_t max = 64) {
    return in.ConsumeBytes<uint8_t>(in.ConsumeIntegralInRange<size_t>(0, max));
}

// An offset or count: mostly small, sometimes close to the top of size_t.
inline size_t ConsumePosition(FuzzedDataProvider& in) {
    const size_t near = in.ConsumeIntegralInRange<size_t>(0, 80);
    return in.ConsumeBool() ? SIZE_MAX - near : near;
}

// A word of a block as the layouts read it: little-endian, 0 for missing bytes.
inline uint32_t WordAt(const Bytes& block, size_t offset) {
    uint32_t word = 0;
    for (size_t i = 0; i < 4; ++i)
        if (offset < block.size() && i < block.size() - offset)
            word |= uint32_t(block[offset + i]) << (8 * i);
    return word;
}

// What a layout read from block: bytes that lie inside it from offset on and run to its first
// zero or its end.
inline Bytes ReadFrom(const Bytes& block, size_t offset, CByteSpan read) {
    if (read.Size() == 0)
        return Bytes();
    const auto* start = static_cast<const uint8_t*>(read.Data());
    FUZZ_CHECK(start == block.data() + offset && read.Size() <= block.size() - offset);
    FUZZ_CHECK(!std::memchr(start, 0, read.Size()));
    FUZZ_CHECK(start + read.Size() == block.data() + block.size() || start[read.Size()] == 0);
    return Bytes(start, start + read.Size());
}

// Only the bytes in [first, end) may differ between before and after; the size stays.
inline void CheckOnlyChanged(const Bytes& before, const Bytes& after, size_t first, size_t end) {
    FUZZ_CHECK(before.size() == after.size());
    for (size_t i = 0; i < before.size(); ++i)
        FUZZ_CHECK(before[i] == after[i] || (i >= first && i < end));
}
