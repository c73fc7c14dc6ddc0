// The "OiAnText" layout: reading the text and building a block around it.
#include "blocks/text_block.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {
using Bytes = std::vector<uint8_t>;

Bytes Block(const std::string& header16, const std::string& rest) {
    Bytes b(header16.begin(), header16.end());
    b.insert(b.end(), rest.begin(), rest.end());
    return b;
}

std::string TextOf(const Bytes& block) {
    CByteSpan text = text_block::ReadText(CByteSpan(block.data(), block.size()));
    const auto* p = static_cast<const char*>(text.Data());
    return std::string(p ? p : "", text.Size());
}
} // namespace

TEST(TextBlock, ReadsUpToTheFirstZeroOrTheEnd) {
    const std::string header(16, 'h');
    const struct {
        Bytes block;
        std::string text;
    } cases[] = {
        {Bytes(), ""},
        {Bytes(16, 'h'), ""},                            // no text byte at all
        {Block(header, std::string("ab\0cd", 5)), "ab"}, // first zero ends it
        {Block(header, "abc"), "abc"},                   // no zero: up to the end
        {Block(header, std::string("\0", 1)), ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.text, TextOf(c.block)) << "block of " << c.block.size() << " bytes";
}

TEST(TextBlock, BuildCarriesTheHeaderAndZeroFillsTheRest) {
    const std::string text = "line\r\n\x82\xa0";
    const struct {
        Bytes loaded;
        Bytes header; // expected first 12 bytes
    } cases[] = {
        {Bytes{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 99, 99, 99, 99, 'x', 0},
         Bytes{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}},
        {Bytes{1, 2, 3}, Bytes(12, 0)}, // short: zeros, never heap bytes
        {Bytes(), Bytes(12, 0)},
    };
    for (const auto& c : cases) {
        OwnedBytes built = text_block::Build(CByteSpan(c.loaded.data(), c.loaded.size()),
                                             CByteSpan(text.data(), text.size()));
        ASSERT_TRUE(built);
        ASSERT_EQ(text.size() + 20, built.size);
        Bytes expected = c.header;
        expected.insert(expected.end(), {uint8_t(text.size() + 1), 0, 0, 0});
        expected.insert(expected.end(), text.begin(), text.end());
        expected.insert(expected.end(), 4, 0); // zero byte and three trailing zeros
        EXPECT_EQ(expected, Bytes(built.data.get(), built.data.get() + built.size));
        EXPECT_EQ(text, TextOf(Bytes(built.data.get(), built.data.get() + built.size)));
    }
}
