// CPropertyPage: page notifications and the dialog procedure of all pages.
#include "framework/property_page.h"

#include "framework/afx_state.h"
#include "framework/dialog_access.h"
#include "framework/host_call.h"
#include "framework/message_box.h"
#include "framework/property_sheet.h"

namespace {
// Messages whose dialog-procedure result is the value itself rather than
// DWLP_MSGRESULT.
bool ReturnsValueDirectly(UINT message) {
    switch (message) {
    case WM_INITDIALOG:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_QUERYDRAGICON:
        return true;
    default:
        return false;
    }
}

// The page whose window comctl32 is about to make (in the thread state).
// Controls send messages (WM_MEASUREITEM of owner-drawn lists among them)
// before WM_INITDIALOG, so the page takes its window from the first message.
UINT CALLBACK PageCallback(HWND, UINT message, LPPROPSHEETPAGEA desc) {
    if (message == PSPCB_CREATE)
        AfxGetThreadState()->m_pPageInit = reinterpret_cast<CPropertyPage*>(desc->lParam);
    return TRUE;
}
// Wine's edit control keeps the word-break table it makes for its text (a
// byte a character, made when a line wraps or a word is double-clicked or
// stepped over with Ctrl+arrow) until its text changes, and does not free it
// when it is destroyed. So a page going empties every edit it holds, a combo
// box's too. An empty edit takes a character first: setting an empty text
// again would change nothing and free nothing.
BOOL CALLBACK EmptyEdit(HWND child, LPARAM) {
    char className[8] = "";
    if (GetClassNameA(child, className, sizeof className) && lstrcmpiA(className, "Edit") == 0) {
        if (GetWindowTextLengthA(child) == 0)
            SetWindowTextA(child, " ");
        SetWindowTextA(child, "");
    }
    return TRUE;
}

// With the page's notifications locked out, as during data exchange: the
// emptying is no typing, so no page marks itself modified.
void EmptyEdits(HWND page) {
    AFX_THREAD_STATE* thread = AfxGetThreadState();
    const HWND previousLockout = thread->m_hLockoutNotifyWindow;
    thread->m_hLockoutNotifyWindow = page;
    EnumChildWindows(page, EmptyEdit, 0);
    thread->m_hLockoutNotifyWindow = previousLockout;
}
} // namespace

CPropertyPage::CPropertyPage(UINT templateId, UINT captionId) : m_nIDTemplate(templateId) {
    if (captionId)
        m_strCaption = AfxLoadString(captionId);
}

BOOL CPropertyPage::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

bool CPropertyPage::OnWndMsg(const MessageArgs& m, LRESULT* result) {
    if (m.message == WM_CLOSE) {
        // Esc in a multi-line edit closes the edit's parent, the page: the
        // user meant the sheet, as Esc anywhere else cancels it.
        ::PostMessageA(::GetParent(m_hWnd), PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
        *result = 0;
        return true;
    }
    if (m.message != WM_NOTIFY)
        return false;
    const NMHDR* header = reinterpret_cast<const NMHDR*>(m.lParam);
    if (header->hwndFrom != ::GetParent(m_hWnd))
        return false; // only the sheet's own notifications
    switch (header->code) {
    case PSN_SETACTIVE:
        *result = OnSetActive() ? 0 : -1;
        return true;
    case PSN_KILLACTIVE: {
        const bool allowLeave = OnKillActive() != FALSE;
        *result = allowLeave ? FALSE : TRUE;
        return true;
    }
    case PSN_APPLY:
        if (OnApply() && m_pSheet)
            m_pSheet->OnPageApplied();
        *result = PSNRET_NOERROR;
        return true;
    case PSN_RESET:
        OnReset();
        *result = 0;
        return true;
    default:
        return false;
    }
}

PROPSHEETPAGEA CPropertyPage::BuildPageDesc() const {
    PROPSHEETPAGEA desc = {};
    desc.dwSize = sizeof desc;
    desc.dwFlags = PSP_USECALLBACK;
    desc.hInstance = AfxGetResourceHandle();
    desc.pszTemplate = MAKEINTRESOURCEA(m_nIDTemplate);
    desc.pfnDlgProc = AfxPageDialogProc;
    desc.lParam = reinterpret_cast<LPARAM>(this);
    desc.pfnCallback = PageCallback;
    if (!m_strCaption.empty()) {
        desc.dwFlags |= PSP_USETITLE;
        desc.pszTitle = m_strCaption.c_str();
    }
    return desc;
}

namespace {
INT_PTR RoutePageMessage(HWND h, UINT message, WPARAM wParam, LPARAM lParam) {
    AFX_THREAD_STATE* thread = AfxGetThreadState();
    if (thread->m_pPageInit && !CWnd::FromHandlePermanent(h)) {
        thread->m_pPageInit->Attach(h);
        thread->m_pPageInit = nullptr;
    }
    if (message == WM_INITDIALOG) {
        // comctl32 hands over its copy of the page description; its lParam
        // is the page object we put there.
        auto* desc = reinterpret_cast<const PROPSHEETPAGEA*>(lParam);
        auto* page = reinterpret_cast<CPropertyPage*>(desc->lParam);
        if (page->m_hWnd != h)
            page->Attach(h);
        const BOOL result = page->OnInitDialog();
        NameUpDownControls(h); // after the page has put its labels' texts
        return result;
    }
    auto* page = dynamic_cast<CPropertyPage*>(CWnd::FromHandlePermanent(h));
    if (!page)
        return FALSE;
    if (message == WM_DESTROY)
        EmptyEdits(h); // before the page's own handling: emptied edits lay nothing out again
    LRESULT result = 0;
    const bool handled = page->OnWndMsg(MessageArgs{message, wParam, lParam}, &result);
    if (message == WM_NCDESTROY) {
        page->DetachDestroyed();
        return FALSE;
    }
    if (!handled)
        return FALSE;
    if (ReturnsValueDirectly(message))
        return static_cast<INT_PTR>(result);
    SetWindowLongPtrA(h, DWLP_MSGRESULT, result);
    return TRUE;
}
} // namespace

INT_PTR CALLBACK AfxPageDialogProc(HWND h, UINT message, WPARAM wParam, LPARAM lParam) {
    return CallGuarded(INT_PTR(FALSE),
                       [&] { return RoutePageMessage(h, message, wParam, lParam); });
}
