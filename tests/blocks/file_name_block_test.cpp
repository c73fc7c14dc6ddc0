// The "OiFilNam" layout, the internet-name test and the text block that a
// file is read into in place.
#include "blocks/file_name_block.h"
#include "blocks/text_block.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {
using Bytes = std::vector<uint8_t>;
CByteSpan Span(const std::string& s) {
    return CByteSpan(s.data(), s.size());
}
Bytes BytesOf(const OwnedBytes& b) {
    return Bytes(b.data.get(), b.data.get() + b.size);
}
} // namespace

TEST(FileNameBlock, NameUpToTheFirstZeroOrTheEndAndBuiltWithOneZero) {
    const struct {
        std::string block, name;
    } cases[] = {{"", ""}, {"a.txt", "a.txt"}, {std::string("a\0b", 3), "a"}};
    for (const auto& c : cases) {
        const CByteSpan name = file_name_block::ReadName(Span(c.block));
        EXPECT_EQ(c.name, std::string(static_cast<const char*>(name.Data()), name.Size()));
        const Bytes expected(c.name.c_str(), c.name.c_str() + c.name.size() + 1);
        EXPECT_EQ(expected, BytesOf(file_name_block::Build(Span(c.name))));
    }
}

TEST(FileNameBlock, InternetNamesByTheirVeryStartInAnyCase) {
    for (const char* name : {"http://", "Ftp://x", "gopher://", "HtTp://a/b", "FTP://"})
        EXPECT_TRUE(file_name_block::IsInternetName(Span(name))) << name;
    for (const char* name : {" http://", "http:/", "ftps://x", "file://a", "gopher:/", ""})
        EXPECT_FALSE(file_name_block::IsInternetName(Span(name))) << name;
}

TEST(TextBlock, BuiltToFillCarriesTheHeaderZerosTheRestAndRefusesHugeSizes) {
    const Bytes header{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 99};
    for (size_t carried : {13, 5, 0}) {
        text_block::Fillable f = text_block::BuildToFill(CByteSpan(header.data(), carried), 3);
        ASSERT_TRUE(f.block);
        ASSERT_EQ(3u, f.text.Size());
        f.text.Write(0, "abc", 3);
        Bytes expected(header.begin(), header.begin() + (carried < 12 ? carried : 12));
        expected.resize(12, 0); // zeros, never heap bytes
        expected.insert(expected.end(), {4, 0, 0, 0, 'a', 'b', 'c', 0, 0, 0, 0});
        EXPECT_EQ(expected, BytesOf(f.block)) << carried << " loaded bytes";
    }
    Bytes unread(header.begin(), header.begin() + 12);
    unread.insert(unread.end(), {1, 0, 0, 0, 0, 0, 0, 0, 0});
    EXPECT_EQ(unread, BytesOf(text_block::BuildUnreadText(CByteSpan(header.data(), 13))));
    for (uint64_t length : {uint64_t(UINT32_MAX) - 19, uint64_t(1) << 40})
        EXPECT_FALSE(text_block::BuildToFill(CByteSpan(nullptr, 0), length).block) << length;
}
