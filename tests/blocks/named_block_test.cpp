// Named blocks: names compared as 8 raw bytes, copies, the size query, and
// bounds-checked access to the held bytes.
#include "blocks/byte_span.h"
#include "blocks/named_block.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <vector>

TEST(NamedBlock, NameIsEightRawBytes) {
    CNamedBlock block("OiAnoDat");
    EXPECT_TRUE(block.IsNamed("OiAnoDat"));
    EXPECT_TRUE(block.IsNamed("OiAnoDatAndMore")); // only the first 8 bytes count
    EXPECT_FALSE(block.IsNamed("oiAnoDat"));       // case matters
    EXPECT_FALSE(block.IsNamed("OiFilNam"));
    EXPECT_FALSE(block.IsNamed(nullptr));
    const char embeddedZero[8] = {'O', 'i', 'A', 'n', 'o', 'D', 'a', '\0'};
    EXPECT_FALSE(block.IsNamed(embeddedZero));
}

TEST(NamedBlock, SizeQueryThenFetch) {
    CNamedBlock block("OiAnText");
    uint32_t size = 99;
    block.Get(nullptr, &size);
    EXPECT_EQ(0u, size); // no data yet

    const char text[] = "hello";
    ASSERT_EQ(1, block.SetCopy(text, sizeof text));
    block.Get(nullptr, &size);
    ASSERT_EQ(sizeof text, size);
    block.Get(nullptr, &size);
    ASSERT_EQ(sizeof text, size); // asking twice gives the same size

    std::vector<char> buffer(size + 4, '#');
    block.Get(buffer.data(), &size);
    EXPECT_EQ(0, std::memcmp(buffer.data(), text, sizeof text));
    EXPECT_EQ('#', buffer[sizeof text]); // nothing written past the block
}

TEST(NamedBlock, CopyIsIndependentOfTheCaller) {
    CNamedBlock block("OiAnoDat");
    std::vector<uint8_t> source = {1, 2, 3, 4};
    block.SetCopy(source.data(), 4);
    source.assign(4, 0xEE);
    EXPECT_EQ(3, block.Bytes().ReadValue<uint8_t>(2));
}

TEST(NamedBlock, EmptyCopyAndAttach) {
    CNamedBlock block("OiAnoDat");
    ASSERT_EQ(1, block.SetCopy("xyz", 0));
    uint32_t size = 7;
    block.Get(nullptr, &size);
    EXPECT_EQ(0u, size);

    uint8_t* owned = new uint8_t[3]{7, 8, 9};
    block.Attach(owned, 3);
    char out[3] = {};
    block.Get(out, &size);
    EXPECT_EQ(3u, size);
    EXPECT_EQ(9, out[2]);
}

TEST(ByteSpan, NeverReadsOrWritesOutside) {
    uint8_t bytes[6] = {1, 2, 3, 4, 5, 6};
    CByteSpan span(bytes, 4);
    uint32_t value = 0xFFFFFFFF;
    EXPECT_TRUE(span.Read(0, &value, 4));
    EXPECT_EQ(0x04030201u, value);
    EXPECT_FALSE(span.Read(1, &value, 4)); // would run past byte 4
    EXPECT_EQ(0u, value);                  // zero-filled, not left stale
    EXPECT_EQ(0xABCDu, span.ReadValue<uint16_t>(3, 0xABCD));
    EXPECT_FALSE(span.Read(SIZE_MAX, &value, 2)); // offset overflow
    EXPECT_FALSE(span.Read(5, nullptr, 0));       // nothing asked: out untouched

    CMutableByteSpan out(bytes, 4);
    EXPECT_FALSE(out.Write(2, "\xAA\xBB\xCC", 3));
    EXPECT_EQ(3, bytes[2]); // all or nothing
    EXPECT_TRUE(out.Fill(2, 2, 0));
    EXPECT_EQ(0, bytes[3]);
    EXPECT_EQ(5, bytes[4]); // beyond the span stays

    CByteSpan null(nullptr, 10); // a null pointer has no bytes whatever the size
    EXPECT_EQ(0u, null.Size());
}
