// CKELPGTxl: the label page.
#include "pages/label_page.h"

#include "framework/data_exchange.h"
#include "framework/message_box.h"
#include "kelgui.h"
#include "pages/held_block.h"
#include "pages/text_edit_setup.h"
#include "resources/resource_ids.h"

namespace {
std::string LabelOf(DWORD markType) {
    switch (markType) {
    case KEL_MARK_BUTTON:
        return AfxLoadString(IDS_BUTTON_TEXT_LABEL);
    case KEL_MARK_PIN_UP_TEXT:
        return AfxLoadString(IDS_PUSH_PIN_LABEL);
    default:
        return std::string();
    }
}
} // namespace

const MessageEntry<CKELPGTxl> CKELPGTxl::kMessageMap[] = {
    {WM_COMMAND, EN_CHANGE, IDC_TEXT_EDIT, IDC_TEXT_EDIT, &CKELPGTxl::OnTextChanged},
};

CKELPGTxl::CKELPGTxl(DWORD markType)
    : CPropertyPage(IDD_LABEL, IDS_TEXT_CAPTION), m_strLabel(LabelOf(markType)),
      m_pBlock(MakeHolder(KEL_BLOCK_TEXT)) {}

void CKELPGTxl::LoadBlock(const char* name, CByteSpan data) {
    LoadHeldBlock(m_pBlock.get(), name, data);
}

void CKELPGTxl::StoreBlock(const char* name, CMutableByteSpan* buffer, DWORD* size) {
    StoreHeldText(m_pBlock.get(), name, m_modified != 0, m_strText, OnBuildFailure::kAnswerNothing,
                  buffer, size);
}

void CKELPGTxl::DoDataExchange(CDataExchange* dx) {
    DDX_Control(dx, IDC_TEXT_EDIT, m_edit);
    DDX_Text(dx, IDC_TEXT_EDIT, m_strText);
    DDX_Text(dx, IDC_TEXT_LABEL, m_strLabel);
}

BOOL CKELPGTxl::OnInitDialog() {
    CPropertyPage::OnInitDialog();
    std::string scratch;
    ShowTextForEditing(m_edit, HeldText(m_pBlock.get(), scratch), nullptr, 0);
    m_modified = 0; // setting the text raised a change notification
    return FALSE;   // the focus is set
}

bool CKELPGTxl::OnWndMsg(const MessageArgs& m, LRESULT* result) {
    return RouteMessage(this, kMessageMap, m, result) || CPropertyPage::OnWndMsg(m, result);
}

LRESULT CKELPGTxl::OnTextChanged(const MessageArgs&) {
    m_modified = 1;
    return 0;
}
