// CFrameWnd: creation with frame flags, command routing and layout.
#include "framework/frame_wnd.h"

#include "framework/tool_bar.h"

CFrameWnd::~CFrameWnd() {
    if (m_pDeletedDuringCreate)
        *m_pDeletedDuringCreate = true;
}

BOOL CFrameWnd::CreateFrame(DWORD exStyle, LPCSTR title, DWORD style, const RECT& rect, HWND parent,
                            UINT id) {
    m_dwFrameFlags = style & kFrameFlagsMask;
    // A WM_CREATE that fails destroys the window inside CreateWindowEx, and
    // PostNcDestroy deletes this object there; the flag tells us so.
    bool deleted = false;
    m_pDeletedDuringCreate = &deleted;
    const bool created =
        CreateEx(exStyle, nullptr, title, style & ~kFrameFlagsMask, rect, parent, id);
    if (deleted)
        return FALSE;
    m_pDeletedDuringCreate = nullptr;
    if (!created) {
        delete this; // no window ever reached this object
        return FALSE;
    }
    return TRUE;
}

BOOL CFrameWnd::OnCreateClient(const CREATESTRUCTA*) {
    return TRUE;
}

BOOL CFrameWnd::OnCmdMsg(UINT id, int code, LPARAM lParam) {
    LRESULT result = 0;
    return OnWndMsg(MessageArgs{WM_COMMAND, MAKEWPARAM(id, code), lParam}, &result);
}

CToolBar* CFrameWnd::GetControlBar(UINT id) const {
    // The bar's window is remembered: finding a child by its id asks the
    // window server each time, reading one's parent and id does not.
    if (!m_barWindow || !::IsWindow(m_barWindow) || ::GetParent(m_barWindow) != m_hWnd ||
        static_cast<UINT>(::GetDlgCtrlID(m_barWindow)) != id)
        m_barWindow = ::GetDlgItem(m_hWnd, static_cast<int>(id));
    return dynamic_cast<CToolBar*>(FromHandlePermanent(m_barWindow));
}

void CFrameWnd::RecalcLayout() {
    CToolBar* bar = GetControlBar(AFX_IDW_TOOLBAR);
    if (!bar)
        return;
    // Windows already in place are not moved: each move costs a round of
    // position messages even when nothing changes.
    const SIZE size = bar->CalcFixedLayout();
    RECT now = {};
    ::GetWindowRect(bar->m_hWnd, &now);
    ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&now), 2);
    if (now.left != 0 || now.top != 0 || now.right != size.cx || now.bottom != size.cy)
        ::SetWindowPos(bar->m_hWnd, nullptr, 0, 0, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
    if (!(m_dwFrameFlags & FWS_SNAPTOBARS))
        return;
    RECT frame = {0, 0, size.cx, size.cy};
    ::AdjustWindowRectEx(&frame, static_cast<DWORD>(::GetWindowLongA(m_hWnd, GWL_STYLE)), FALSE,
                         static_cast<DWORD>(::GetWindowLongA(m_hWnd, GWL_EXSTYLE)));
    ::GetWindowRect(m_hWnd, &now);
    if (now.right - now.left != frame.right - frame.left ||
        now.bottom - now.top != frame.bottom - frame.top)
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                       SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT CFrameWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        if (DefaultProc(message, wParam, lParam) == -1 ||
            !OnCreateClient(reinterpret_cast<const CREATESTRUCTA*>(lParam)))
            return -1;
        RecalcLayout();
        return 0;
    case WM_COMMAND:
        // Commands go through OnCmdMsg, so that a frame can offer them to its
        // bars before its own handlers.
        if (OnCmdMsg(LOWORD(wParam), HIWORD(wParam), lParam))
            return 0;
        break;
    default:
        break;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}
