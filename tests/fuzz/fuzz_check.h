// What every fuzz target uses: a check that aborts (libFuzzer then keeps the
// input as a crash), and the input split into blocks and positions.
#pragma once

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition);     \
            std::abort();                                                                          \
        }                                                                                          \
    } while (0)

using Bytes = std::vector<uint8_t>;

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
