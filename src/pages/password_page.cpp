// CKELPGPsd: the password page.
#include "pages/password_page.h"

#include "framework/data_exchange.h"
#include "framework/dialog_access.h"
#include "framework/message_box.h"
#include "kelgui.h"
#include "pages/text_edit_setup.h"
#include "resources/resource_ids.h"

#include <cstring>

namespace {
constexpr int kEditLimit = static_cast<int>(password_block::kMaxTextSize);

// The longest start of text, at most capacity bytes, that ends on a whole
// character of the ANSI code page.
size_t WholeCharacters(const char* text, size_t length, size_t capacity) {
    size_t end = 0;
    while (end < length) {
        const size_t next = end + (::IsDBCSLeadByte(static_cast<BYTE>(text[end])) ? 2 : 1);
        if (next > length || next > capacity)
            break;
        end = next;
    }
    return end;
}
} // namespace

MessageTable<CKELPGPsd> CKELPGPsd::Messages() {
    static const Entry table[] = {
        ForCommand<&CKELPGPsd::OnTextChanged>(EN_CHANGE, IDC_PASSWORD),
    };
    return table;
}

CKELPGPsd::CKELPGPsd()
    : CMessageMap(IDD_PASSWORD, IDS_ENCRYPTION_CAPTION, KEL_BLOCK_MARK_DATA),
      m_strLabel(AfxLoadString(IDS_PASSWORD_LABEL)) {
    if (m_block)
        m_block->WipeOnRelease();
}

bool CKELPGPsd::UpdateBlock() {
    CMutableByteSpan block = m_block->MutableBytes();
    const size_t length = WholeCharacters(m_text.Data(), strnlen(m_text.Data(), m_text.Size()),
                                          password_block::TextCapacity(block));
    password_block::WritePassword(block, CByteSpan(m_text.Data(), length));
    return true;
}

void CKELPGPsd::DoDataExchange(CDataExchange* dx) {
    DDX_Control(dx, IDC_PASSWORD, m_edit);
    DDX_Text(dx, IDC_PASSWORD, m_text.Data(), static_cast<int>(m_text.Size()));
    DDV_StorableText(dx);
    DDX_Text(dx, IDC_PASSWORD_LABEL, m_strLabel);
}

BOOL CKELPGPsd::OnInitDialog() {
    CPropertyPage::OnInitDialog();
    CSecretText<password_block::kSlotSize> shown;
    if (m_block) {
        const CByteSpan password = password_block::ReadPassword(m_block->Bytes());
        password.Read(0, shown.Data(), password.Size());
    }
    ShowTextForEditing(m_edit, shown.Data(), nullptr, kEditLimit);
    m_modified = 0; // setting the text raised a change notification
    // The template has the label after the edit: its mnemonic would go past it.
    PlaceLabelBefore(GetDlgItem(IDC_PASSWORD_LABEL), m_edit.m_hWnd);
    return FALSE; // the focus is set
}
