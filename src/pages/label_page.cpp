// CKELPGTxl: the label page.
#include "pages/label_page.h"

#include "framework/data_exchange.h"
#include "framework/dialog_access.h"
#include "framework/message_box.h"
#include "kelgui.h"
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

MessageTable<CKELPGTxl> CKELPGTxl::Messages() {
    static const Entry table[] = {
        ForCommand<&CKELPGTxl::OnTextChanged>(EN_CHANGE, IDC_TEXT_EDIT),
    };
    return table;
}

CKELPGTxl::CKELPGTxl(DWORD markType)
    : CMessageMap(IDD_LABEL, IDS_TEXT_CAPTION, KEL_BLOCK_TEXT), m_strLabel(LabelOf(markType)) {}

void CKELPGTxl::DoDataExchange(CDataExchange* dx) {
    DDX_Control(dx, IDC_TEXT_EDIT, m_edit);
    DDX_Text(dx, IDC_TEXT_EDIT, m_strText);
    DDV_StorableText(dx);
    DDX_Text(dx, IDC_TEXT_LABEL, m_strLabel);
}

BOOL CKELPGTxl::OnInitDialog() {
    CPropertyPage::OnInitDialog();
    std::string scratch;
    ShowTextForEditing(m_edit, HeldText(scratch), nullptr, 0);
    m_modified = 0; // setting the text raised a change notification
    // The template has the label after the edit: its mnemonic would go past it.
    PlaceLabelBefore(GetDlgItem(IDC_TEXT_LABEL), m_edit.m_hWnd);
    return FALSE; // the focus is set
}
