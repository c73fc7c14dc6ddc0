// The Japanese environment that *_ja_test programs run in: UI language and code page 932.
#include <gtest/gtest.h>

#include <windows.h>

TEST(HarnessJapanese, CodePage932AndJapaneseUiLanguage) {
    EXPECT_EQ(GetACP(), 932u);
    EXPECT_EQ(GetUserDefaultUILanguage(), 0x0411);
    // "属性" in Shift-JIS converts through the ANSI code page.
    wchar_t wide[8] = {};
    int n = MultiByteToWideChar(CP_ACP, 0, "\x91\xAE\x90\xAB", -1, wide, 8);
    EXPECT_EQ(n, 3);
    EXPECT_EQ(std::wstring(wide), std::wstring(L"\u5C5E\u6027"));
}
