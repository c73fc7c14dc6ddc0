// Byte spans: a read, write, fill or slice at any offset and count succeeds
// exactly when the whole range lies inside, and touches no byte outside it.
#include "blocks/byte_span.h"
#include "fuzz_check.h"

#include <algorithm>
#include <cstring>

FUZZ_TARGET {
    Bytes bytes = ConsumeBlock(in);
    while (in.remaining_bytes()) {
        const size_t offset = ConsumePosition(in);
        const size_t count = in.ConsumeIntegralInRange<size_t>(0, 80);
        const bool inside = offset <= bytes.size() && count <= bytes.size() - offset;
        CMutableByteSpan span(bytes.data(), bytes.size());
        FUZZ_CHECK(span.Contains(offset, count) == inside);

        Bytes out(count, 0xA5);
        FUZZ_CHECK(span.Read(offset, out.data(), count) == inside);
        FUZZ_CHECK(inside ? Bytes(bytes.begin() + offset, bytes.begin() + offset + count) == out
                          : Bytes(count, 0) == out);

        const CByteSpan slice = span.Slice(offset, count);
        FUZZ_CHECK(inside ? slice.Data() == bytes.data() + offset && slice.Size() == count
                          : slice.Size() == 0);

        Bytes expected = bytes;
        const Bytes source = in.ConsumeBytes<uint8_t>(count);
        if (source.size() == count && inside)
            std::copy(source.begin(), source.end(), expected.begin() + offset);
        FUZZ_CHECK(source.size() < count || span.Write(offset, source.data(), count) == inside);
        const uint8_t value = in.ConsumeIntegral<uint8_t>();
        const size_t fillCount = ConsumePosition(in);
        const bool fillInside = offset <= bytes.size() && fillCount <= bytes.size() - offset;
        if (fillInside && fillCount)
            std::memset(expected.data() + offset, value, fillCount);
        FUZZ_CHECK(span.Fill(offset, fillCount, value) == fillInside);
        FUZZ_CHECK(bytes == expected);
    }
}
