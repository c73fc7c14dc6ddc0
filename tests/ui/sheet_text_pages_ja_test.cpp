// Text pages in code page 932: double-byte text round trip and the Japanese date.
#include "text_page_cases.h"

using namespace sheet_test;

TEST(JapaneseTextPages, DoubleByteTextAndLocalDate) {
    ASSERT_EQ(932u, GetACP());
    const std::string text =
        "\x93\xfa\x96\x7b\x8c\xea\r\n\x83\x65\x83\x4c\x83\x58\x83\x67"; // 日本語, テキスト
    auto type = [&](HWND page) { Retype(GetDlgItem(page, kWrappingEdit), text); };
    EXPECT_EQ(TextBlock(text), AfterEdit(KEL_MARK_TYPED_TEXT, TextBlock(""), type));
    EXPECT_EQ("A<now>C", StampInsertion(KEL_SHEET_BLOCK));
}
