// CPropertySheet: page list, caption and the modal run.
#include "framework/property_sheet.h"

#include "framework/afx_state.h"
#include "framework/dialog_template.h"
#include "framework/host_call.h"
#include "framework/message_box.h"
#include "framework/modal_lockout.h"
#include "framework/win_app.h"

namespace {
// PSCB_INITIALIZED carries no user data: the sheet being shown by this thread
// is in the thread state.
int CALLBACK SheetCallback(HWND h, UINT message, LPARAM) {
    if (message == PSCB_INITIALIZED)
        CallGuarded(false, [h] {
            CPropertySheet* sheet = AfxGetThreadState()->m_pSheetInit;
            return sheet && sheet->SubclassWindow(h);
        });
    return 0;
}

// The application's message hook stays out while a sheet runs its own modal
// loop.
class CHookSuspension {
public:
    CHookSuspension() : m_app(AfxGetApp()) {
        if (m_app)
            m_app->SuspendMessageHook();
    }
    ~CHookSuspension() {
        if (m_app)
            m_app->ResumeMessageHook();
    }
    CHookSuspension(const CHookSuspension&) = delete;
    CHookSuspension& operator=(const CHookSuspension&) = delete;

private:
    CWinApp* m_app;
};

// Pages are drawn in the sheet's font and measured in its dialog units: a
// page whose template names another face gets a copy in the sheet's font,
// which must live until the sheet is gone.
void TakeSheetFont(PROPSHEETPAGEA& desc, const DialogFont& sheetFont, std::vector<BYTE>& copy) {
    HRSRC found = FindResourceA(desc.hInstance, desc.pszTemplate, RT_DIALOG);
    HGLOBAL loaded = found ? LoadResource(desc.hInstance, found) : nullptr;
    const auto* bytes = static_cast<const BYTE*>(loaded ? LockResource(loaded) : nullptr);
    const size_t size = found ? SizeofResource(desc.hInstance, found) : 0;
    DialogFont pageFont;
    if (!bytes || !ReadDialogFont(bytes, size, &pageFont) || pageFont.face == sheetFont.face)
        return;
    copy = WithDialogFont(bytes, size, sheetFont);
    if (copy.empty())
        return;
    desc.dwFlags |= PSP_DLGINDIRECT;
    desc.pResource = reinterpret_cast<LPCDLGTEMPLATE>(copy.data());
}
} // namespace

CPropertySheet::CPropertySheet(UINT captionId, HWND parent, UINT selectPage)
    : m_strCaption(AfxLoadString(captionId)), m_hWndParent(parent) {
    m_psh.dwSize = sizeof m_psh;
    m_psh.dwFlags = PSH_PROPSHEETPAGE | PSH_USECALLBACK;
    m_psh.nStartPage = selectPage;
}

void CPropertySheet::AddPage(CPropertyPage* page) {
    page->m_pSheet = this;
    m_pages.push_back(page);
}

void CPropertySheet::RemovePage(int index) {
    if (index < 0 || index >= GetPageCount())
        return;
    if (m_hWnd)
        PropSheet_RemovePage(m_hWnd, index, nullptr);
    m_pages[static_cast<size_t>(index)]->m_pSheet = nullptr;
    m_pages.erase(m_pages.begin() + index);
}

CPropertyPage* CPropertySheet::GetPage(int index) const {
    return (index >= 0 && index < GetPageCount()) ? m_pages[static_cast<size_t>(index)] : nullptr;
}

void CPropertySheet::SetTitle(LPCSTR text, UINT style) {
    m_strCaption = text ? text : "";
    m_psh.dwFlags = (m_psh.dwFlags & ~PSH_PROPTITLE) | (style & PSH_PROPTITLE);
    if (m_hWnd)
        PropSheet_SetTitle(m_hWnd, style, m_strCaption.c_str());
}

INT_PTR CPropertySheet::DoModal() {
    DialogFont sheetFont;
    const bool knowSheetFont = AfxGetPropSheetFont(&sheetFont);
    std::vector<PROPSHEETPAGEA> descs;
    std::vector<std::vector<BYTE>> templates(m_pages.size());
    descs.reserve(m_pages.size());
    for (CPropertyPage* page : m_pages) {
        descs.push_back(page->BuildPageDesc());
        if (knowSheetFont)
            TakeSheetFont(descs.back(), sheetFont, templates[descs.size() - 1]);
    }

    PROPSHEETHEADERA header = m_psh;
    header.dwFlags = (header.dwFlags | PSH_PROPSHEETPAGE | PSH_USECALLBACK) & ~PSH_MODELESS;
    // The owner is the parent's top-level window: comctl32 disables it while
    // the sheet runs.
    header.hwndParent = m_hWndParent ? GetAncestor(m_hWndParent, GA_ROOT) : nullptr;
    header.hInstance = AfxGetResourceHandle();
    header.pszCaption = m_strCaption.c_str();
    header.nPages = static_cast<UINT>(descs.size());
    header.ppsp = descs.data();
    header.pfnCallback = SheetCallback;

    m_bApplied = false;
    AFX_THREAD_STATE* thread = AfxGetThreadState();
    CPropertySheet* previous = thread->m_pSheetInit;
    thread->m_pSheetInit = this;
    INT_PTR result;
    {
        const CHookSuspension suspension;
        const CModalLockout lockout;
        result = PropertySheetA(&header);
    }
    thread->m_pSheetInit = previous;
    if (result < 0)
        return -1;
    return m_bApplied ? IDOK : IDCANCEL;
}
