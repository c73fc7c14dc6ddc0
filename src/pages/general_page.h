// CKELPGGen: the general page, only the highlight setting of a filled shape.
#pragma once

#include "framework/controls.h"
#include "framework/property_page.h"

class CKELPGGen : public CPropertyPage {
public:
    CKELPGGen();
    ~CKELPGGen() override = default;

    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;

    CButton m_highlightCheck;
    BOOL m_bHighlight = FALSE;
};
