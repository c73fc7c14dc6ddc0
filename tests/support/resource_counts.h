// Live objects of the process, for leak checks. Wine answers GetGuiResources with 0; there
// GDI handles are counted by asking each slot for its type (a handle with a zero high word
// names the slot whatever its reuse count) and USER objects as this thread's top-level windows.
#pragma once

#include "dialog_helpers.h"

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
    const DWORD count = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
    return count ? count : DWORD(ThreadWindows().size());
}

// Bytes of the blocks in use in every heap: a leak of a few bytes a time shows here long
// before the committed pages grow.
inline size_t HeapBytesInUse() {
    HANDLE heaps[64];
    size_t bytes = 0;
    for (DWORD i = 0, count = GetProcessHeaps(64, heaps); i < count && i < 64; ++i) {
        if (!HeapLock(heaps[i]))
            continue;
        for (PROCESS_HEAP_ENTRY entry = {}; HeapWalk(heaps[i], &entry);)
            bytes += entry.wFlags & PROCESS_HEAP_ENTRY_BUSY ? entry.cbData : 0;
        HeapUnlock(heaps[i]);
    }
    return bytes;
}

// Open kernel handles, probed (Wine's GetProcessHandleCount answers 0).
inline DWORD KernelHandles() {
    DWORD count = 0, flags;
    for (ULONG_PTR h = 4; h < 0x10000; h += 4)
        count += GetHandleInformation(reinterpret_cast<HANDLE>(h), &flags);
    return count;
}

} // namespace kelgui_test
