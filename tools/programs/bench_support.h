// What the benchmark programs share: start-up, a millisecond clock, free
// handle counts, and a script that closes every sheet they show, as a user would.
#pragma once

#include "support/kelgui_loader.h"

#include <windows.h>

#include <commctrl.h>
#include <prsht.h>

#include <cstdio>
#include <vector>

namespace bench {

// The common controls started and gui loaded with the sheet exports; false,
// said on the output, when it is not.
inline bool StartUp(const kelgui_test::KelGui& gui) {
    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&icc);
    if (gui.Loaded() && gui.property_sheet_init && gui.property_sheet_query)
        return true;
    std::printf("kelgui.dll not loaded or exports missing\n");
    return false;
}

inline double NowMs() {
    static const LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return static_cast<double>(t.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

// GetGuiResources counts nothing under Wine; the handle tables do: objects
// made until a table is full, then deleted again.
inline size_t FreeGdiSlots() {
    std::vector<HBRUSH> made;
    for (HBRUSH b; made.size() < 200000 && (b = CreateSolidBrush(0)) != nullptr;)
        made.push_back(b);
    for (HBRUSH b : made)
        DeleteObject(b);
    return made.size();
}

inline size_t FreeUserSlots() {
    std::vector<HMENU> made;
    for (HMENU m; made.size() < 200000 && (m = CreateMenu()) != nullptr;)
        made.push_back(m);
    for (HMENU m : made)
        DestroyMenu(m);
    return made.size();
}

// While one lives, every property sheet this thread activates brings a page
// to the front (-1: its last), then, from its own message loop, lets action
// work on it and is closed with OK.
class SheetScript {
public:
    SheetScript(int page, void (*action)(HWND sheet)) {
        s_page = page;
        s_action = action;
        s_cbt = SetWindowsHookExA(WH_CBT, OnCbt, nullptr, GetCurrentThreadId());
        s_message = SetWindowsHookExA(WH_GETMESSAGE, OnGetMessage, nullptr, GetCurrentThreadId());
    }
    ~SheetScript() {
        UnhookWindowsHookEx(s_message);
        UnhookWindowsHookEx(s_cbt);
    }
    SheetScript(const SheetScript&) = delete;
    SheetScript& operator=(const SheetScript&) = delete;

private:
    static constexpr WPARAM kActThenOk = 0x4B454C; // marks our WM_NULL

    static LRESULT CALLBACK OnCbt(int code, WPARAM wParam, LPARAM lParam) {
        HWND window = reinterpret_cast<HWND>(wParam);
        HWND tabs = code == HCBT_ACTIVATE ? PropSheet_GetTabControl(window) : nullptr;
        if (tabs) {
            PostMessageA(window, PSM_SETCURSEL,
                         s_page < 0 ? TabCtrl_GetItemCount(tabs) - 1 : s_page, 0);
            PostMessageA(window, WM_NULL, kActThenOk, 0);
        }
        return CallNextHookEx(s_cbt, code, wParam, lParam);
    }

    static LRESULT CALLBACK OnGetMessage(int code, WPARAM removed, LPARAM lParam) {
        MSG* msg = reinterpret_cast<MSG*>(lParam);
        if (code >= 0 && removed == PM_REMOVE && msg->message == WM_NULL &&
            msg->wParam == kActThenOk) {
            s_action(msg->hwnd);
            PostMessageA(msg->hwnd, PSM_PRESSBUTTON, PSBTN_OK, 0);
        }
        return CallNextHookEx(s_message, code, removed, lParam);
    }

    static inline int s_page = 0;
    static inline void (*s_action)(HWND) = nullptr;
    static inline HHOOK s_cbt = nullptr;
    static inline HHOOK s_message = nullptr;
};

} // namespace bench
