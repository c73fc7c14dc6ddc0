// CKELPGLn: the line page, a mark's line size (1 to 100) and its highlight.
#pragma once

#include "framework/controls.h"
#include "framework/property_page.h"

#include <string>

class CKELPGLn : public CPropertyPage {
public:
    CKELPGLn();
    ~CKELPGLn() override = default;

    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;

    CButton m_highlightCheck;
    BOOL m_bHighlight = FALSE;
    std::string m_strLineSizeLabel; // string 2001, replaces the template's label
    DWORD m_nLineSize = 0;
    CSpinButtonCtrl m_lineSizeSpin;
    int m_showHighlight = 1; // 0 hides the highlight check box
};
