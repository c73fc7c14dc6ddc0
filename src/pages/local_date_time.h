// The current local date or time as a locale formats it.
#pragma once

#include <windows.h>

#include <string>

enum class DateOrTime { kDate, kTime };

// The short date, or the time with the locale's default picture. Empty when
// the locale cannot format it: the caller then inserts nothing.
std::string FormatLocalNow(LCID locale, DateOrTime what);
