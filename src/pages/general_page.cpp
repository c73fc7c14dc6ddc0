// CKELPGGen: the general page.
#include "pages/general_page.h"

#include "framework/data_exchange.h"
#include "framework/message_box.h"
#include "resources/resource_ids.h"

CKELPGGen::CKELPGGen() : CPropertyPage(IDD_GENERAL, IDS_GENERAL_CAPTION) {}

void CKELPGGen::DoDataExchange(CDataExchange* dx) {
    DDX_Control(dx, IDC_HIGHLIGHT, m_highlightCheck);
    DDX_Check(dx, IDC_HIGHLIGHT, m_bHighlight);
}

BOOL CKELPGGen::OnInitDialog() {
    CPropertyPage::OnInitDialog();
    m_highlightCheck.SetWindowText(AfxLoadString(IDS_HIGHLIGHT).c_str());
    return TRUE;
}
