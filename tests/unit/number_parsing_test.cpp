// Number parsing of the data exchange: what a user may type into a numeric
// edit. A refused text leaves the member as it was.
#include "framework/data_exchange.h"

#include <gtest/gtest.h>

#include <optional>
#include <tuple>
#include <vector>

TEST(NumberParsing, BlanksAroundOneNumberInRange) {
    using Read = std::optional<long long>; // what a text reads as; none: refused
    std::vector<std::tuple<const char*, Read, Read>> cases = {
        // the text, read as unsigned, as signed
        {" \t42\t ", 42, 42},
        {"0", 0, 0},
        {"+7", 7, 7},
        {"-1", {}, -1},
        {"4294967295", 4294967295LL, {}},
        {"2147483648", 2147483648LL, {}},
        {"-2147483648", {}, -2147483648LL},
    };
    // 0 counts only from a text that starts with '0'; a minus sign never wraps to a DWORD.
    for (const char* refused : {"", "   ", "abc", "12x", "1 2", "4294967296", "+", "-", "1.5",
                                "0x10", "+0", "-0", "-18446744073709551615"})
        cases.emplace_back(refused, Read(), Read());
    for (const auto& [text, asUnsigned, asSigned] : cases) {
        DWORD u = 7;
        int i = 3;
        EXPECT_EQ(asUnsigned.has_value(), AfxParseDWord(text, &u)) << '"' << text << '"';
        EXPECT_EQ(asUnsigned.value_or(7), static_cast<long long>(u)) << '"' << text << '"';
        EXPECT_EQ(asSigned.has_value(), AfxParseInt(text, &i)) << '"' << text << '"';
        EXPECT_EQ(asSigned.value_or(3), static_cast<long long>(i)) << '"' << text << '"';
    }
}
