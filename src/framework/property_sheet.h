// CPropertySheet: a modal comctl32 property sheet over CPropertyPage objects.
#pragma once

#include "framework/property_page.h"

#include <prsht.h>

#include <string>
#include <vector>

class CPropertySheet : public CWnd {
public:
    CPropertySheet(UINT captionId, HWND parent, UINT selectPage = 0);

    // The sheet does not own its pages.
    void AddPage(CPropertyPage* page);
    void RemovePage(int index);
    int GetPageCount() const { return static_cast<int>(m_pages.size()); }
    CPropertyPage* GetPage(int index) const;

    // style 0: text is the caption as is; PSH_PROPTITLE: "Properties for text".
    void SetTitle(LPCSTR text, UINT style = 0);

    // Runs the sheet modally, the application's message hook taken out
    // meanwhile. IDOK when the user confirmed with OK, IDCANCEL for Cancel or
    // the close box, -1 when the sheet could not be made.
    INT_PTR DoModal();

    // A page received PSN_APPLY: the sheet is being closed with OK.
    void OnPageApplied() { m_bApplied = true; }

    PROPSHEETHEADERA m_psh = {};
    std::string m_strCaption;
    HWND m_hWndParent; // a window of the host, or null

private:
    std::vector<CPropertyPage*> m_pages;
    bool m_bApplied = false;
};
