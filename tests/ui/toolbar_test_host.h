// What the toolbar tests share: the host's own message loop (so that the
// library's message hook sees the messages), callback recorders, helpers that
// find and click the tool bar's buttons and ask for tips, and leak counters.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <string>
#include <type_traits>
#include <vector>

#include <gtest/gtest.h>

#include "kelgui.h"
#include "support/host_window.h"
#include "support/kelgui_loader.h"
#include "support/resource_counts.h"

namespace toolbar_test {

using kelgui_test::GdiObjects;
using kelgui_test::HostWindow;
using kelgui_test::UserObjects;

// One DLL load per program: the library's window classes stay registered.
inline kelgui_test::KelGui& Gui() {
    static kelgui_test::KelGui gui;
    return gui;
}

struct Notification {
    DWORD_PTR user;
    int markType;
    DWORD event;
    bool operator==(const Notification& o) const {
        return user == o.user && markType == o.markType && event == o.event;
    }
};

inline std::vector<Notification>& Notifications() {
    static std::vector<Notification> recorded;
    return recorded;
}

inline void WINAPI RecordNotification(DWORD_PTR user, int markType, DWORD event) {
    Notifications().push_back({user, markType, event});
}

inline std::string Describe(const std::vector<Notification>& list) {
    std::string text;
    for (const Notification& n : list)
        text += "{" + std::to_string(n.user) + "," + std::to_string(n.markType) + "," +
                std::to_string(n.event) + "} ";
    return text.empty() ? "(none)" : text;
}

// Dispatches every message waiting for this thread, as a host's loop does.
inline void PumpPending() {
    for (int round = 0; round < 3; ++round) {
        kelgui_test::DispatchPending();
        Sleep(1);
    }
}

inline HWND BarOf(HWND frame) {
    return GetDlgItem(frame, KEL_TOOLBAR_BAR_ID);
}

inline RECT ButtonRect(HWND bar, UINT commandId) {
    RECT rect = {};
    const LRESULT index = SendMessageA(bar, TB_COMMANDTOINDEX, commandId, 0);
    SendMessageA(bar, TB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&rect));
    return rect;
}

inline POINT ButtonCentre(HWND bar, UINT commandId) {
    const RECT r = ButtonRect(bar, commandId);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

// A click with real mouse messages at the button's centre.
inline void ClickButton(HWND bar, UINT commandId) {
    const POINT p = ButtonCentre(bar, commandId);
    PostMessageA(bar, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y));
    PostMessageA(bar, WM_LBUTTONUP, 0, MAKELPARAM(p.x, p.y));
    PumpPending();
}

inline SIZE ClientSize(HWND window) {
    RECT r = {};
    GetClientRect(window, &r);
    return {r.right, r.bottom};
}

inline DWORD ToolFlags(HWND frame, int markType) {
    DWORD flags = 0xDEAD;
    Gui().toolbar_button_get(frame, markType, &flags);
    return flags;
}

// Asks the frame for a tip exactly as the bar's tooltip does: the request
// goes to the bar, which passes it on to the frame with the command id.
template <class Request> auto Tip(HWND frame, UINT commandId, UINT code) {
    Request request = {};
    request.hdr.hwndFrom = reinterpret_cast<HWND>(SendMessageA(BarOf(frame), TB_GETTOOLTIPS, 0, 0));
    request.hdr.idFrom = commandId;
    request.hdr.code = code;
    request.lpszText = request.szText;
    SendMessageW(frame, WM_NOTIFY, commandId, reinterpret_cast<LPARAM>(&request));
    return std::basic_string<std::remove_reference_t<decltype(request.szText[0])>>(request.szText);
}
inline std::string TipA(HWND frame, UINT commandId) {
    return Tip<NMTTDISPINFOA>(frame, commandId, TTN_NEEDTEXTA);
}
inline std::wstring TipW(HWND frame, UINT commandId) {
    return Tip<NMTTDISPINFOW>(frame, commandId, TTN_NEEDTEXTW);
}

// A visible toolbar owned by a host window, destroyed after the test.
class ToolbarOnHost : public ::testing::Test {
protected:
    explicit ToolbarOnHost(POINT at) : m_at(at) {}
    void SetUp() override {
        ASSERT_TRUE(Gui().Loaded()) << Gui().Path();
        ASSERT_TRUE(Gui().toolbar_create(m_host.Handle(), m_at.x, m_at.y, &m_frame));
        PumpPending();
    }
    void TearDown() override {
        DestroyWindow(m_frame);
        PumpPending();
    }

    POINT m_at;
    HostWindow m_host;
    HWND m_frame = nullptr;
};

} // namespace toolbar_test
