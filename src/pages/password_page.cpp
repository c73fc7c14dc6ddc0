// CKELPGPsd: the password page.
#include "pages/password_page.h"

#include "blocks/secure_wipe.h"
#include "framework/data_exchange.h"
#include "framework/message_box.h"
#include "kelgui.h"
#include "pages/held_block.h"
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

const MessageEntry<CKELPGPsd> CKELPGPsd::kMessageMap[] = {
    {WM_COMMAND, EN_CHANGE, IDC_PASSWORD, IDC_PASSWORD, &CKELPGPsd::OnTextChanged},
};

CKELPGPsd::CKELPGPsd()
    : CPropertyPage(IDD_PASSWORD, IDS_ENCRYPTION_CAPTION),
      m_strLabel(AfxLoadString(IDS_PASSWORD_LABEL)), m_pBlock(MakeHolder(KEL_BLOCK_MARK_DATA)) {
    if (m_pBlock)
        m_pBlock->WipeOnRelease();
}

CKELPGPsd::~CKELPGPsd() {
    SecureWipe(m_szText, sizeof m_szText);
}

void CKELPGPsd::LoadBlock(const char* name, CByteSpan data) {
    LoadHeldBlock(m_pBlock.get(), name, data);
}

void CKELPGPsd::StoreBlock(const char* name, CMutableByteSpan* buffer, DWORD* size) {
    *size = 0;
    if (!m_pBlock || !m_pBlock->IsNamed(name))
        return;
    if (m_modified) {
        CMutableByteSpan block = m_pBlock->MutableBytes();
        const size_t length = WholeCharacters(m_szText, strnlen(m_szText, sizeof m_szText),
                                              password_block::TextCapacity(block));
        password_block::WritePassword(block, CByteSpan(m_szText, length));
    }
    AnswerFromHolder(*m_pBlock, buffer, size);
}

void CKELPGPsd::DoDataExchange(CDataExchange* dx) {
    DDX_Control(dx, IDC_PASSWORD, m_edit);
    DDX_Text(dx, IDC_PASSWORD, m_szText, sizeof m_szText);
    DDX_Text(dx, IDC_PASSWORD_LABEL, m_strLabel);
}

BOOL CKELPGPsd::OnInitDialog() {
    CPropertyPage::OnInitDialog();
    char text[password_block::kSlotSize] = {};
    if (m_pBlock) {
        const CByteSpan password = password_block::ReadPassword(m_pBlock->Bytes());
        password.Read(0, text, password.Size());
    }
    ShowTextForEditing(m_edit, text, nullptr, kEditLimit);
    SecureWipe(text, sizeof text);
    m_modified = 0; // setting the text raised a change notification
    return FALSE;   // the focus is set
}

bool CKELPGPsd::OnWndMsg(const MessageArgs& m, LRESULT* result) {
    return RouteMessage(this, kMessageMap, m, result) || CPropertyPage::OnWndMsg(m, result);
}

LRESULT CKELPGPsd::OnTextChanged(const MessageArgs&) {
    m_modified = 1;
    return 0;
}
