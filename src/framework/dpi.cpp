// The display scale of a window.
#include "framework/dpi.h"

#include "framework/owned.h"

UINT WindowDpi(HWND window) {
    // Windows 10 and later only: looked up, not imported, so that the library
    // still loads on the systems before.
    using DpiForWindow = UINT(WINAPI*)(HWND);
    static const auto dpiForWindow = reinterpret_cast<DpiForWindow>(
        GetProcAddress(GetModuleHandleA("user32.dll"), "GetDpiForWindow"));
    using DpiForSystem = UINT(WINAPI*)();
    static const auto dpiForSystem = reinterpret_cast<DpiForSystem>(
        GetProcAddress(GetModuleHandleA("user32.dll"), "GetDpiForSystem"));
    if (const UINT dpi = window && dpiForWindow ? dpiForWindow(window) : 0)
        return dpi;
    if (const UINT dpi = !window && dpiForSystem ? dpiForSystem() : 0)
        return dpi; // no screen DC to make and free
    return static_cast<UINT>(GetDeviceCaps(CScreenDC(), LOGPIXELSY));
}
