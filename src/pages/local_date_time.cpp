// Local date and time formatting.
#include "pages/local_date_time.h"

std::string FormatLocalNow(LCID locale, DateOrTime what) {
    SYSTEMTIME now;
    ::GetLocalTime(&now);
    char text[64];
    const int written =
        what == DateOrTime::kDate
            ? ::GetDateFormatA(locale, DATE_SHORTDATE, &now, nullptr, text, sizeof text)
            : ::GetTimeFormatA(locale, 0, &now, nullptr, text, sizeof text);
    return written > 0 ? std::string(text) : std::string();
}
