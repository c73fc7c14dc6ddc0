// CPropertyPage: one page of a comctl32 property sheet, made lazily by
// comctl32 from a dialog template of the library.
#pragma once

#include "framework/wnd.h"

#include <prsht.h>

#include <string>

class CPropertySheet;

class CPropertyPage : public CWnd {
public:
    // captionId 0 keeps the template's own caption as the tab text.
    explicit CPropertyPage(UINT templateId, UINT captionId = 0);

    // Default: members into controls, focus left to the dialog manager.
    virtual BOOL OnInitDialog();
    virtual BOOL OnSetActive() { return TRUE; }
    // Leaving the page validates it; false keeps the page in front.
    virtual BOOL OnKillActive() { return UpdateData(TRUE); }
    virtual BOOL OnApply() { return TRUE; }
    virtual void OnReset() {}

    bool OnWndMsg(const MessageArgs& m, LRESULT* result) override;

    // The page as comctl32 wants it; lParam carries this object.
    PROPSHEETPAGEA BuildPageDesc() const;

    UINT m_nIDTemplate;
    std::string m_strCaption;
    CPropertySheet* m_pSheet = nullptr;
};

// The dialog procedure of every page.
INT_PTR CALLBACK AfxPageDialogProc(HWND h, UINT message, WPARAM wParam, LPARAM lParam);
