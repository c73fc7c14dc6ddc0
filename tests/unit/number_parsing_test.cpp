// Number parsing of the data exchange: what a user may type into a numeric
// edit. A refused text leaves the member as it was.
#include "framework/data_exchange.h"

#include <gtest/gtest.h>

TEST(NumberParsing, BlanksAroundOneNumberInRange) {
    const struct {
        const char* text;
        bool unsignedOk, signedOk;
        long long value;
    } cases[] = {
        {" \t42\t ", true, true, 42},
        {"0", true, true, 0},
        {"4294967295", true, false, 4294967295LL},
        {"-2147483648", false, true, -2147483648LL},
        {"", false, false, 0},
        {"   ", false, false, 0},
        {"abc", false, false, 0},
        {"-1", false, true, -1},
        {"12x", false, false, 0},
        {"1 2", false, false, 0},
        {"4294967296", false, false, 0},
        {"2147483648", true, false, 2147483648LL},
        {"+", false, false, 0},
        {"-", false, false, 0},
        {"1.5", false, false, 0},
        {"0x10", false, false, 0},
        {"+0", false, false, 0}, // 0 counts only from a text that starts with '0'
        {"-0", false, false, 0},
        {"+7", true, true, 7},
    };
    for (const auto& c : cases) {
        DWORD u = 7;
        int i = 3;
        EXPECT_EQ(c.unsignedOk, AfxParseDWord(c.text, &u)) << '"' << c.text << '"';
        EXPECT_EQ(c.unsignedOk ? c.value : 7, static_cast<long long>(u)) << '"' << c.text << '"';
        EXPECT_EQ(c.signedOk, AfxParseInt(c.text, &i)) << '"' << c.text << '"';
        EXPECT_EQ(c.signedOk ? c.value : 3, static_cast<long long>(i)) << '"' << c.text << '"';
    }
}
