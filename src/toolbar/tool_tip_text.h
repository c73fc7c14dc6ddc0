// Copies a tooltip into the fixed 80-character text buffer of a tooltip's
// text request: at most 79 characters and a terminating zero.
#pragma once

#include <cstddef>

constexpr std::size_t kTipTextBufferSize = 80;

// Cuts at 79 bytes, never inside a double-byte character of the code page.
void CopyTipText(char (&dest)[kTipTextBufferSize], const char* tip);
// Converts from the run-time library's multibyte code page; at most 79
// wide characters. A tip that does not convert gives an empty text.
void CopyTipText(wchar_t (&dest)[kTipTextBufferSize], const char* tip);
