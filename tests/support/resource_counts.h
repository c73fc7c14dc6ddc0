// Live GDI and USER objects of the process, for leak checks. Wine answers
// GetGuiResources with 0; there GDI handles are counted by asking each slot
// for its type (a handle with a zero high word names the slot whatever its
// reuse count) and USER objects as this thread's top-level windows.
#pragma once

#include <windows.h>

namespace kelgui_test {

inline DWORD GdiObjects() {
    if (DWORD count = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS))
        return count;
    DWORD count = 0;
    for (ULONG_PTR slot = 1; slot < 0x10000; ++slot)
        count += GetObjectType(reinterpret_cast<HGDIOBJ>(slot)) != 0;
    return count;
}

inline DWORD UserObjects() {
    if (DWORD count = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS))
        return count;
    DWORD count = 0;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND, LPARAM counter) -> BOOL { return ++*reinterpret_cast<DWORD*>(counter) != 0; },
        reinterpret_cast<LPARAM>(&count));
    return count;
}

} // namespace kelgui_test
