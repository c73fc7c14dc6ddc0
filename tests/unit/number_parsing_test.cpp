// Number parsing of the data exchange: what a user may type into a numeric edit.
#include "framework/data_exchange.h"

#include <gtest/gtest.h>

#include <climits>

TEST(NumberParsing, UnsignedAcceptsBlanksAroundOneNumber) {
    DWORD value = 7;
    EXPECT_TRUE(AfxParseDWord(" \t42\t ", &value));
    EXPECT_EQ(42u, value);
    EXPECT_TRUE(AfxParseDWord("0", &value));
    EXPECT_EQ(0u, value);
    EXPECT_TRUE(AfxParseDWord("4294967295", &value));
    EXPECT_EQ(4294967295u, value);
}

TEST(NumberParsing, UnsignedRefusals) {
    DWORD value = 7;
    for (const char* text : {"", "   ", "abc", "-1", "12x", "1 2", "4294967296", "+", "x0"})
        EXPECT_FALSE(AfxParseDWord(text, &value)) << '"' << text << '"';
    EXPECT_EQ(7u, value); // a refused text leaves the member alone
}

TEST(NumberParsing, SignedRangeAndSign) {
    int value = 0;
    EXPECT_TRUE(AfxParseInt("-2147483648", &value));
    EXPECT_EQ(INT_MIN, value);
    EXPECT_TRUE(AfxParseInt(" 15 ", &value));
    EXPECT_EQ(15, value);
    value = 3;
    for (const char* text : {"2147483648", "-", "1.5", "", "0x10"})
        EXPECT_FALSE(AfxParseInt(text, &value)) << '"' << text << '"';
    EXPECT_EQ(3, value);
}
