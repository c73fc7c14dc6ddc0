// CKELPGLn: the line page.
#include "pages/line_page.h"

#include "framework/data_exchange.h"
#include "framework/message_box.h"
#include "resources/resource_ids.h"

namespace {
constexpr DWORD kMinLineSize = 1;
constexpr DWORD kMaxLineSize = 100;
} // namespace

CKELPGLn::CKELPGLn()
    : CPropertyPage(IDD_LINE, IDS_LINE_CAPTION),
      m_strLineSizeLabel(AfxLoadString(IDS_LINE_SIZE_LABEL)) {}

void CKELPGLn::DoDataExchange(CDataExchange* dx) {
    DDX_Control(dx, IDC_HIGHLIGHT, m_highlightCheck);
    DDX_Check(dx, IDC_HIGHLIGHT, m_bHighlight);
    DDX_Text(dx, IDC_LINE_SIZE_LABEL, m_strLineSizeLabel);
    DDX_Text(dx, IDC_LINE_SIZE, m_nLineSize);
    DDV_MinMaxDWord(dx, m_nLineSize, kMinLineSize, kMaxLineSize);
    DDX_Control(dx, IDC_LINE_SIZE_SPIN, m_lineSizeSpin);
}

BOOL CKELPGLn::OnInitDialog() {
    CPropertyPage::OnInitDialog();
    m_highlightCheck.SetWindowText(AfxLoadString(IDS_HIGHLIGHT).c_str());
    m_lineSizeSpin.SetRange(kMinLineSize, kMaxLineSize);
    if (!m_showHighlight)
        m_highlightCheck.ShowWindow(SW_HIDE);
    return TRUE;
}
