// CKELMiniFrameWnd: creation, command routing to the bar, tooltips, closing.
#include "toolbar/kel_mini_frame_wnd.h"

#include "framework/afx_state.h"
#include "toolbar/kel_tool_bar.h"
#include "toolbar/tool_table.h"
#include "toolbar/tool_tip_text.h"

#include <commctrl.h>
#include <mbctype.h>

#include <new>

namespace {
// A captioned pop-up with a system menu, moved but not sized, snapping to its
// bar and shown active with its owner.
constexpr DWORD kFrameStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | FWS_SNAPTOBARS | MFS_MOVEFRAME |
                              MFS_4THICKFRAME | MFS_SYNCACTIVE;
static_assert(kFrameStyle == 0x80C82B00, "the toolbar frame's style word");

constexpr DWORD kBarStyle =
    WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP | CBRS_TOOLTIPS | CBRS_SIZE_FIXED;

constexpr UINT kJapaneseCodePage = 932;

// Buttons of tool bar resource 129, laid out CKELToolBar::kColumns a row.
constexpr int kToolButtons = 27;

// The frame's window at screen (x, y), sized for the bar of every tool at dpi:
// made at its final size, the frame and its bar need no moving afterwards
// (RecalcLayout still sets both right should the window's scale differ).
RECT FrameRectAt(int x, int y, DWORD style, UINT dpi) {
    const SIZE button = CToolLook::ButtonSize(dpi);
    constexpr int kRows = (kToolButtons + CKELToolBar::kColumns - 1) / CKELToolBar::kColumns;
    RECT r = {0, 0, button.cx * static_cast<int>(CKELToolBar::kColumns), button.cy * kRows};
    // As CMiniFrameWnd makes it: no sizing border, frame flags kept apart.
    ::AdjustWindowRectEx(&r, style & ~(kFrameFlagsMask | WS_THICKFRAME), FALSE, WS_EX_TOOLWINDOW);
    ::OffsetRect(&r, x - r.left, y - r.top);
    return r;
}
} // namespace

// Tooltip requests: the bar's own comctl32 tooltip asks the bar, and the bar
// passes the request on to us with idFrom set to the button's command id
// (hwndFrom stays the tooltip). The rows therefore take any sender id, and
// the handlers read the command id from idFrom.
MessageTable<CKELMiniFrameWnd> CKELMiniFrameWnd::Messages() {
    static const Entry table[] = {
        ForClose<&CKELMiniFrameWnd::OnClose>(),
        ForMessage<&CKELMiniFrameWnd::OnSetFocus>(WM_SETFOCUS),
        ForMessage<&CKELMiniFrameWnd::OnGetObject>(WM_GETOBJECT),
        ForNotify<&CKELMiniFrameWnd::OnNeedTextA>(TTN_NEEDTEXTA, 0, 0xFFFFFFFF),
        ForNotify<&CKELMiniFrameWnd::OnNeedTextW>(TTN_NEEDTEXTW, 0, 0xFFFFFFFF),
        ForMessage<&CKELMiniFrameWnd::OnSysColorChange>(WM_SYSCOLORCHANGE),
        ForNotify<&CKELMiniFrameWnd::OnBarCustomDraw>(NM_CUSTOMDRAW, AFX_IDW_TOOLBAR,
                                                      AFX_IDW_TOOLBAR),
    };
    return table;
}

BOOL CKELMiniFrameWnd::CreateToolbar(HWND owner, int x, int y, DWORD style) {
    style |= kFrameStyle;
    return Create(nullptr, style, FrameRectAt(x, y, style, WindowDpi(nullptr)), owner);
}

CKELToolBar* CKELMiniFrameWnd::ToolBar() const {
    return dynamic_cast<CKELToolBar*>(GetControlBar(AFX_IDW_TOOLBAR));
}

BOOL CKELMiniFrameWnd::OnCreateClient(const CREATESTRUCTA* cs) {
    auto* bar = new (std::nothrow) CKELToolBar;
    if (!bar)
        return FALSE;
    RECT client = {};
    ::GetClientRect(m_hWnd, &client); // made for the bar: see FrameRectAt
    if (!bar->Create(this, kBarStyle, AFX_IDW_TOOLBAR, client)) {
        delete bar; // never bound to a window, so it cannot delete itself
        return FALSE;
    }
    m_barWindow = bar->m_hWnd;
    // Loaded in their columns at the look's size: the frame's layout after
    // this call places the bar, with no button to restyle.
    m_look.Load(*bar, WindowDpi(m_hWnd));
    return CMiniFrameWnd::OnCreateClient(cs);
}

BOOL CKELMiniFrameWnd::OnCmdMsg(UINT id, int code, LPARAM lParam) {
    CToolBar* bar = GetControlBar(AFX_IDW_TOOLBAR);
    if (bar && bar->OnCmdMsg(id, code, lParam))
        return TRUE;
    return CMiniFrameWnd::OnCmdMsg(id, code, lParam);
}

void CKELMiniFrameWnd::OnClose() {
    // Closing only hides: the host shows the toolbar again or destroys it.
    ShowWindow(SW_HIDE);
    if (CKELToolBar* bar = ToolBar())
        bar->Notify(0, KEL_TOOL_EVENT_CLOSED);
}

// Only top-level windows hear of new system colours: the bar takes them
// first (comctl32 keeps its own copy), then its images are coloured anew.
bool CKELMiniFrameWnd::OnSysColorChange(const MessageArgs& m, LRESULT*) {
    if (CKELToolBar* bar = ToolBar()) {
        bar->SendMessage(m.message, m.wParam, m.lParam);
        m_look.OnSysColorChange(*bar);
    }
    return false;
}

LRESULT CKELMiniFrameWnd::OnNeedTextA(NMTTDISPINFOA& request) {
    CopyTipText(request.szText, TipText(static_cast<UINT>(request.hdr.idFrom)).c_str());
    request.lpszText = request.szText;
    ApplyTipFont(request.hdr.hwndFrom);
    return TRUE;
}

LRESULT CKELMiniFrameWnd::OnNeedTextW(NMTTDISPINFOW& request) {
    CopyTipText(request.szText, TipText(static_cast<UINT>(request.hdr.idFrom)).c_str());
    request.lpszText = request.szText;
    ApplyTipFont(request.hdr.hwndFrom);
    return TRUE;
}

std::string CKELMiniFrameWnd::TipText(UINT commandId) const {
    char text[256] = ""; // a missing string leaves it empty
    LoadStringA(AfxGetResourceHandle(), commandId, text, sizeof text);
    if (m_pfnTipText) {
        LPCSTR hostTip = nullptr;
        if (m_pfnTipText(m_dwTipTextData, MarkTypeOfCommand(commandId), text, &hostTip) && hostTip)
            return hostTip; // copied at once: the host's string need not outlive the call
    }
    return text;
}

void CKELMiniFrameWnd::ApplyTipFont(HWND toolTip) {
    // m_hWnd is null when the host's tip callback destroyed the toolbar.
    if (static_cast<UINT>(_getmbcp()) != kJapaneseCodePage || !toolTip || m_tipFont || !m_hWnd)
        return;
    LOGFONTA face = {};
    const auto current = reinterpret_cast<HFONT>(::SendMessageA(toolTip, WM_GETFONT, 0, 0));
    if (!current || !GetObjectA(current, sizeof face, &face))
        GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof face, &face);
    lstrcpynA(face.lfFaceName, "System", LF_FACESIZE);
    m_tipFont.Reset(CreateFontIndirectA(&face));
    if (m_tipFont)
        ::SendMessageA(toolTip, WM_SETFONT, reinterpret_cast<WPARAM>(static_cast<HFONT>(m_tipFont)),
                       TRUE);
}
