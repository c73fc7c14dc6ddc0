// What the toolbar tests share. The host pumps its own messages, for the library's hook.
#pragma once

#include "sheet_fixture.h"
#include "support/resource_counts.h"

#include <tuple>

namespace toolbar_test {
using namespace sheet_test;

using Notification = std::tuple<DWORD_PTR, int, DWORD>; // user data, mark type, event
inline std::vector<Notification> g_notifications;
inline void WINAPI RecordNotification(DWORD_PTR user, int markType, DWORD event) {
    g_notifications.emplace_back(user, markType, event);
}
constexpr DWORD_PTR kUser = 0x5EED;

// Dispatches what waits for this thread, as a host's loop does, a few rounds.
inline void PumpPending() {
    for (int round = 0; round < 3; ++round, Sleep(1))
        DispatchPending();
}

inline HWND BarOf(HWND frame) {
    return GetDlgItem(frame, KEL_TOOLBAR_BAR_ID);
}

inline RECT ItemRect(HWND bar, LRESULT index) {
    RECT r = {};
    SendMessageA(bar, TB_GETITEMRECT, index, LPARAM(&r));
    return r;
}

inline POINT ButtonCentre(HWND bar, UINT commandId) {
    const RECT r = ItemRect(bar, SendMessageA(bar, TB_COMMANDTOINDEX, commandId, 0));
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

// A click with real mouse messages at the button's centre.
inline void ClickButton(HWND bar, UINT commandId) {
    const POINT p = ButtonCentre(bar, commandId);
    PostMessageA(bar, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y));
    PostMessageA(bar, WM_LBUTTONUP, 0, MAKELPARAM(p.x, p.y));
    PumpPending();
}

// The cursor on a point of the bar and the 0x0900 message that presses the tool under it.
inline void PressAtPoint(HWND bar, POINT at) {
    ClientToScreen(bar, &at);
    ASSERT_TRUE(SetCursorPos(at.x, at.y));
    ASSERT_TRUE(PostMessageA(bar, KEL_WM_TOOLBAR_PRESS_AT_POINT, 0, 0));
}

inline DWORD ToolFlags(HWND frame, int markType) {
    DWORD flags = 0xDEAD;
    KEL_GUI_toolbar_button_get(frame, markType, &flags);
    return flags;
}

inline HWND TooltipOf(HWND frame) {
    return HWND(SendMessageA(BarOf(frame), TB_GETTOOLTIPS, 0, 0));
}

// Asks the frame for a tip as the bar's tooltip does, with the command id.
template <class Request, class Text> Text Tip(HWND frame, UINT commandId) {
    Request request = {};
    const UINT code = sizeof request.szText[0] == 1 ? TTN_NEEDTEXTA : TTN_NEEDTEXTW;
    request.hdr = {TooltipOf(frame), commandId, code};
    request.lpszText = request.szText;
    SendMessageW(frame, WM_NOTIFY, commandId, LPARAM(&request));
    return request.szText;
}
constexpr auto TipA = Tip<NMTTDISPINFOA, std::string>;
constexpr auto TipW = Tip<NMTTDISPINFOW, std::wstring>;

// The host's tip callback: records what it is asked, answers what the test set.
inline std::pair<BOOL, const char*> g_tipAnswer;
inline std::vector<std::tuple<DWORD_PTR, int, std::string>> g_tipRequests;
inline BOOL WINAPI HostTip(DWORD_PTR user, int markType, LPCSTR defaultText, LPCSTR* tipOut) {
    g_tipRequests.emplace_back(user, markType, defaultText);
    EXPECT_EQ(*tipOut, nullptr) << "the text pointer starts out null";
    if (g_tipAnswer.second)
        *tipOut = g_tipAnswer.second;
    return g_tipAnswer.first;
}

// A sheet owned by owner, filled with a straight line that OK accepts.
inline HKELSHEET LineSheet(HWND owner) {
    static const KEL_IMAGE_INFO info = {};
    static const KEL_MARK_ATTRIBUTES line = PatternRecord(KEL_MARK_STRAIGHT_LINE, 0, 1);
    HKELSHEET sheet = nullptr;
    KEL_GUI_property_sheet_create(owner, &info, &sheet);
    KEL_GUI_property_sheet_init(sheet, 1, &line, nullptr, nullptr, 0);
    return sheet;
}

// A visible toolbar owned by a host window, its notifications recorded with kUser.
class ToolbarOnHost : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(KEL_GUI_toolbar_create(m_host, 500, 120, &m_frame));
        m_bar = BarOf(m_frame);
        g_notifications.clear();
        ASSERT_TRUE(KEL_GUI_toolbar_notify_register(m_frame, RecordNotification, kUser));
        PumpPending();
    }
    void TearDown() override {
        DestroyWindow(m_frame);
        PumpPending();
    }

    HostWindow m_host;
    HWND m_frame = nullptr, m_bar = nullptr;
};

} // namespace toolbar_test
