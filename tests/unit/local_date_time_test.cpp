// The stamp page's date and time: nothing at all when the locale cannot format them.
#include "pages/local_date_time.h"

#include <gtest/gtest.h>

TEST(LocalDateTime, FormattedOrNothing) {
    for (DateOrTime what : {DateOrTime::kDate, DateOrTime::kTime}) {
        EXPECT_FALSE(FormatLocalNow(LOCALE_USER_DEFAULT, what).empty());
        EXPECT_EQ("", FormatLocalNow(MAKELCID(0x7F7F, SORT_DEFAULT), what)); // no such locale
    }
}
