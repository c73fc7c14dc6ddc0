// Clock, handle slots and the sheet-closing hook of the benchmarks.
#include "bench_support.h"

#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include <vector>

namespace kelgui_test {
namespace {
HHOOK g_cbtHook = nullptr;
HHOOK g_messageHook = nullptr;
int g_page = -1;
constexpr WPARAM kPaintThenOk = 0x4B454C; // marks our WM_NULL

LRESULT CALLBACK OnCbt(int code, WPARAM wParam, LPARAM lParam) {
    HWND window = reinterpret_cast<HWND>(wParam);
    if (code == HCBT_ACTIVATE && PropSheet_GetTabControl(window)) {
        if (g_page >= 0)
            PostMessageA(window, PSM_SETCURSEL, g_page, 0);
        PostMessageA(window, WM_NULL, kPaintThenOk, 0);
    }
    return CallNextHookEx(g_cbtHook, code, wParam, lParam);
}

LRESULT CALLBACK OnGetMessage(int code, WPARAM removed, LPARAM lParam) {
    MSG* msg = reinterpret_cast<MSG*>(lParam);
    if (code >= 0 && removed == PM_REMOVE && msg->message == WM_NULL &&
        msg->wParam == kPaintThenOk) {
        RedrawWindow(msg->hwnd, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        PostMessageA(msg->hwnd, PSM_PRESSBUTTON, PSBTN_OK, 0);
    }
    return CallNextHookEx(g_messageHook, code, removed, lParam);
}

template <class Handle, class Make, class Free> size_t FreeSlots(Make make, Free free) {
    std::vector<Handle> made;
    for (Handle h; made.size() < 200000 && (h = make()) != nullptr;)
        made.push_back(h);
    for (Handle h : made)
        free(h);
    return made.size();
}
} // namespace

double NowMs() {
    static const LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return static_cast<double>(t.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

size_t FreeGdiSlots() {
    return FreeSlots<HBRUSH>([] { return CreateSolidBrush(0); }, DeleteObject);
}

size_t FreeUserSlots() {
    return FreeSlots<HMENU>(CreateMenu, DestroyMenu);
}

void InstallSheetCloser(int page) {
    g_page = page;
    g_cbtHook = SetWindowsHookExA(WH_CBT, OnCbt, nullptr, GetCurrentThreadId());
    g_messageHook = SetWindowsHookExA(WH_GETMESSAGE, OnGetMessage, nullptr, GetCurrentThreadId());
}

void RemoveSheetCloser() {
    UnhookWindowsHookEx(g_messageHook);
    UnhookWindowsHookEx(g_cbtHook);
    g_messageHook = g_cbtHook = nullptr;
}

} // namespace kelgui_test
