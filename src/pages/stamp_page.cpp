// CKELPGTSt: the text stamp page.
#include "pages/stamp_page.h"

#include "framework/data_exchange.h"
#include "framework/message_box.h"
#include "kelgui.h"
#include "pages/local_date_time.h"
#include "pages/text_edit_setup.h"
#include "resources/resource_ids.h"

MessageTable<CKELPGTSt> CKELPGTSt::Messages() {
    static const Entry table[] = {
        ForCommand<&CKELPGTSt::OnInsertDate>(BN_CLICKED, IDC_INSERT_DATE),
        ForCommand<&CKELPGTSt::OnInsertTime>(BN_CLICKED, IDC_INSERT_TIME),
        ForDestroy<&CKELPGTSt::OnDestroy>(),
        ForCommand<&CKELPGTSt::OnTextChanged>(EN_CHANGE, IDC_TEXT_EDIT),
    };
    return table;
}

CKELPGTSt::CKELPGTSt()
    : CMessageMap(IDD_TEXT_STAMP, IDS_TEXT_CAPTION, KEL_BLOCK_TEXT),
      m_strLabel(AfxLoadString(IDS_STAMP_TEXT_LABEL)) {}

void CKELPGTSt::DoDataExchange(CDataExchange* dx) {
    DDX_Control(dx, IDC_TEXT_EDIT, m_edit);
    DDX_Control(dx, IDC_INSERT_TIME, m_insertTime);
    DDX_Control(dx, IDC_INSERT_DATE, m_insertDate);
    DDX_Text(dx, IDC_TEXT_LABEL, m_strLabel);
    DDX_Text(dx, IDC_TEXT_EDIT, m_strText);
    DDV_StorableText(dx);
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

void CKELPGTSt::OnDestroy() {
    DropTabStops(GetDlgItem(IDC_TEXT_EDIT));
}

void CKELPGTSt::OnInsertDate() {
    InsertAtCaret(m_dateCodes ? "%x" : FormatLocalNow(LOCALE_USER_DEFAULT, DateOrTime::kDate));
}

void CKELPGTSt::OnInsertTime() {
    InsertAtCaret(m_dateCodes ? "%X" : FormatLocalNow(LOCALE_USER_DEFAULT, DateOrTime::kTime));
}

void CKELPGTSt::InsertAtCaret(const std::string& text) const {
    if (!text.empty()) // nothing to insert when the date or time could not be formatted
        m_edit.ReplaceSel(text.c_str(), TRUE);
}
