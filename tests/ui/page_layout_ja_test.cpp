// Every page in Japanese (code page 932) lies inside its sheet and draws in the sheet's font.
#include "page_layout_check.h"

TEST(PageLayout, JapaneseEveryControlInsideItsPageInTheSheetsFont) {
    const auto faults = sheet_test::PageLayoutFaults();
    EXPECT_GE(faults.size(), 5u); // the pages built so far
    for (const auto& [tab, found] : faults)
        EXPECT_EQ(sheet_test::Strings{}, found) << tab;
}
