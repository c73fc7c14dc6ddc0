// CKELPGTSt: the text stamp page.
#include "pages/stamp_page.h"

#include "framework/data_exchange.h"
#include "framework/message_box.h"
#include "kelgui.h"
#include "pages/local_date_time.h"
#include "pages/text_edit_setup.h"
#include "resources/resource_ids.h"

const MessageEntry<CKELPGTSt> CKELPGTSt::kMessageMap[] = {
    {WM_COMMAND, BN_CLICKED, IDC_INSERT_DATE, IDC_INSERT_DATE, &CKELPGTSt::OnInsertDate},
    {WM_COMMAND, BN_CLICKED, IDC_INSERT_TIME, IDC_INSERT_TIME, &CKELPGTSt::OnInsertTime},
    {WM_COMMAND, EN_CHANGE, IDC_TEXT_EDIT, IDC_TEXT_EDIT, &CKELPGTSt::OnTextChanged},
};

CKELPGTSt::CKELPGTSt()
    : CTextBlockPage(IDD_TEXT_STAMP, IDS_TEXT_CAPTION, KEL_BLOCK_TEXT),
      m_strLabel(AfxLoadString(IDS_STAMP_TEXT_LABEL)) {}

void CKELPGTSt::DoDataExchange(CDataExchange* dx) {
    DDX_Control(dx, IDC_TEXT_EDIT, m_edit);
    DDX_Control(dx, IDC_INSERT_TIME, m_insertTime);
    DDX_Control(dx, IDC_INSERT_DATE, m_insertDate);
    DDX_Text(dx, IDC_TEXT_LABEL, m_strLabel);
    DDX_Text(dx, IDC_TEXT_EDIT, m_strText);
}

BOOL CKELPGTSt::OnInitDialog() {
    // Stops and limit before any text, which the data exchange puts in.
    const TabStops stops = TextTabStops(GetDlgItem(IDC_TEXT_EDIT));
    PrepareTextEdit(GetDlgItem(IDC_TEXT_EDIT), &stops, 0);
    std::string scratch;
    m_strText = HeldText(scratch);
    CPropertyPage::OnInitDialog();
    m_insertTime.SetWindowText(AfxLoadString(IDS_INSERT_TIME).c_str());
    m_insertDate.SetWindowText(AfxLoadString(IDS_INSERT_DATE).c_str());
    FocusForEditing(m_edit);
    m_modified = 0; // nothing typed yet
    return FALSE;   // the focus is set
}

bool CKELPGTSt::OnWndMsg(const MessageArgs& m, LRESULT* result) {
    if (m.message == WM_DESTROY)
        DropTabStops(GetDlgItem(IDC_TEXT_EDIT)); // and on to the default handling
    return RouteMessage(this, kMessageMap, m, result) || CTextBlockPage::OnWndMsg(m, result);
}

LRESULT CKELPGTSt::OnInsertDate(const MessageArgs&) {
    InsertAtCaret(m_dateCodes ? "%x" : FormatLocalNow(LOCALE_USER_DEFAULT, DateOrTime::kDate));
    return 0;
}

LRESULT CKELPGTSt::OnInsertTime(const MessageArgs&) {
    InsertAtCaret(m_dateCodes ? "%X" : FormatLocalNow(LOCALE_USER_DEFAULT, DateOrTime::kTime));
    return 0;
}

void CKELPGTSt::InsertAtCaret(const std::string& text) const {
    if (!text.empty()) // nothing to insert when the date or time could not be formatted
        m_edit.ReplaceSel(text.c_str(), TRUE);
}
