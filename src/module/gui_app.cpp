// CKELGuiApp: start-up, shut-down and the message hook.
#include "module/gui_app.h"

#include "framework/afx_state.h"
#include "framework/host_call.h"
#include "framework/rich_edit.h"
#include "framework/wnd.h"
#include "toolbar/tool_bar_kind.h"

#include <clocale>
#include <cstdio>
#include <mbctype.h>

namespace {
CKELGuiApp theApp;

LRESULT CALLBACK MessageHookProc(int code, WPARAM removeFlag, LPARAM lParam) {
    // A message that is only peeked at (PM_NOREMOVE) comes by again when the
    // host takes it; pre-translating it both times would press a tool twice.
    // Only the tool bar's messages are pre-translated; the result is ignored
    // and the host dispatches the message as usual.
    if (code >= 0 && removeFlag == PM_REMOVE)
        CallGuarded(FALSE, [lParam] {
            MSG* msg = reinterpret_cast<MSG*>(lParam);
            return IsKelToolBar(CWnd::FromHandlePermanent(msg->hwnd)) &&
                   theApp.PreTranslateMessage(msg);
        });
    return CallNextHookEx(theApp.m_hMsgHook, code, removeFlag, lParam);
}
} // namespace

CKELGuiApp& KelGuiApp() {
    return theApp;
}

BOOL CKELGuiApp::InitInstance() {
    BOOL result = CWinApp::InitInstance();
    AfxInitRichEdit(); // result not needed: no page makes a rich edit control
    if (!result)
        return FALSE;
    InstallMessageHook();
    // Run-time locale follows the multibyte code page, e.g. ".932".
    char locale[16];
    std::snprintf(locale, sizeof locale, ".%d", _getmbcp());
    std::setlocale(LC_ALL, locale);
    return result;
}

int CKELGuiApp::ExitInstance() {
    RemoveMessageHook();
    return CWinApp::ExitInstance();
}

void CKELGuiApp::InstallMessageHook() {
    m_hMsgHook =
        SetWindowsHookExA(WH_GETMESSAGE, MessageHookProc, m_hInstance, GetCurrentThreadId());
}

void CKELGuiApp::RemoveMessageHook() {
    if (m_hMsgHook)
        UnhookWindowsHookEx(m_hMsgHook);
    m_hMsgHook = nullptr;
}

void CKELGuiApp::SuspendMessageHook() {
    if (m_nHookSuspended++ == 0)
        RemoveMessageHook();
}

void CKELGuiApp::ResumeMessageHook() {
    if (m_nHookSuspended > 0 && --m_nHookSuspended == 0)
        InstallMessageHook();
}
