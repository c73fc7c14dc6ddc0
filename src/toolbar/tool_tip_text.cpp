// Copying tooltips into a tooltip request's text buffer.
#include "toolbar/tool_tip_text.h"

#include <windows.h>

#include <cstdlib>
#include <cstring>

void CopyTipText(char (&dest)[kTipTextBufferSize], const char* tip) {
    const char* end = tip;
    while (*end) {
        const char* next = CharNextA(end);
        if (static_cast<std::size_t>(next - tip) >= kTipTextBufferSize)
            break;
        end = next;
    }
    const std::size_t length = static_cast<std::size_t>(end - tip);
    std::memcpy(dest, tip, length);
    dest[length] = '\0';
}

void CopyTipText(wchar_t (&dest)[kTipTextBufferSize], const char* tip) {
    std::size_t length = std::mbstowcs(dest, tip, kTipTextBufferSize - 1);
    if (length == static_cast<std::size_t>(-1))
        length = 0;
    dest[length] = L'\0';
}
