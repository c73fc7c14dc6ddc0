// The password slot of "OiAnoDat": read up to its zero byte, written in
// place within whatever part of the slot the block has.
#include "blocks/password_block.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

TEST(PasswordBlock, ReadsAndWritesOnlyTheSlotPartTheBlockHas) {
    const struct {
        size_t size;
        std::string stored;  // bytes from offset 20 before the write
        std::string read;    // the password read from them
        std::string written; // the text part of the slot after writing "new"
    } cases[] = {
        {60, std::string("abc\0def", 7), "abc", "new"}, // the old tail is zeroed too
        {60, std::string(40, 'q'), std::string(31, 'q'), "new"},
        {23, "xyz", "xyz", "ne"}, // the zero byte must fit as well
        {21, "z", "z", ""},
        {20, "", "", ""}, // no slot: unchanged
    };
    for (const auto& c : cases) {
        std::vector<uint8_t> block(c.size, 0x7F); // exactly the size: any stray access shows
        for (size_t i = 0; i < c.stored.size() && 20 + i < c.size; ++i)
            block[20 + i] = static_cast<uint8_t>(c.stored[i]);
        const CByteSpan read = password_block::ReadPassword(CByteSpan(block.data(), block.size()));
        const char* text = static_cast<const char*>(read.Data());
        EXPECT_EQ(c.read, read.Size() ? std::string(text, read.Size()) : "") << c.size;

        std::vector<uint8_t> expected = block;
        for (size_t i = 20; i < c.size && i < 52; ++i)
            expected[i] = i - 20 < c.written.size() ? c.written[i - 20] : 0;
        password_block::WritePassword(CMutableByteSpan(block.data(), block.size()),
                                      CByteSpan("new", 3));
        EXPECT_EQ(expected, block) << c.size;
    }
}
