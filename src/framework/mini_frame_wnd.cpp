// CMiniFrameWnd: tool-window creation and the movable border.
#include "framework/mini_frame_wnd.h"

MessageTable<CMiniFrameWnd> CMiniFrameWnd::Messages() {
    static const Entry table[] = {
        ForNcHitTest<&CMiniFrameWnd::OnNcHitTest>(),
        ForMessage<&CMiniFrameWnd::OnNcActivate>(WM_NCACTIVATE),
        ForMessage<&CMiniFrameWnd::OnActivationElsewhere>(WM_ACTIVATEAPP),
        ForMessage<&CMiniFrameWnd::OnActivationElsewhere>(WM_ENABLE),
        ForMessage<&CMiniFrameWnd::OnActivationElsewhere>(WM_SHOWWINDOW),
        ForMessage<&CMiniFrameWnd::OnSyncCaption>(AfxSyncCaptionMessage()),
        ForDestroy<&CMiniFrameWnd::OnDestroy>(),
    };
    return table;
}

BOOL CMiniFrameWnd::Create(LPCSTR title, DWORD style, const RECT& rect, HWND parent, UINT id) {
    if (style & MFS_THICKFRAME)
        style |= WS_THICKFRAME;
    else
        style &= ~WS_THICKFRAME;
    // The bar covers the client area: the frame must not paint over it.
    style |= WS_CLIPCHILDREN;
    if (!CreateFrame(WS_EX_TOOLWINDOW, title, style, rect, parent, id))
        return FALSE;
    if (m_dwFrameFlags & MFS_SYNCACTIVE)
        StartCaptionSync();
    return TRUE;
}

LRESULT CMiniFrameWnd::OnNcHitTest(POINT screen) {
    const LRESULT hit = DefaultProc(WM_NCHITTEST, 0, MAKELPARAM(screen.x, screen.y));
    if (!(m_dwFrameFlags & MFS_MOVEFRAME))
        return hit;
    switch (hit) {
    case HTBORDER:
    case HTLEFT:
    case HTRIGHT:
    case HTTOP:
    case HTBOTTOM:
    case HTTOPLEFT:
    case HTTOPRIGHT:
    case HTBOTTOMLEFT:
    case HTBOTTOMRIGHT:
        return (m_dwFrameFlags & MFS_THICKFRAME) ? hit : HTCAPTION;
    default:
        return hit;
    }
}
