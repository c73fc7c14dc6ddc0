// The file-name field of the file pages.
#include "pages/file_name_page.h"

#include "blocks/file_name_block.h"
#include "framework/data_exchange.h"
#include "framework/message_box.h"
#include "kelgui.h"
#include "resources/resource_ids.h"

#include <commdlg.h>

namespace {
// A filter string from the table, "|" between entries, as the open-file
// dialog wants it: zero bytes between entries and two at the end. Trail
// bytes of double-byte characters may look like "|" and are kept.
std::string FilterList(std::string filter) {
    for (size_t i = 0; i < filter.size(); ++i) {
        if (IsDBCSLeadByte(static_cast<BYTE>(filter[i])))
            ++i;
        else if (filter[i] == '|')
            filter[i] = '\0';
    }
    return filter;
}
} // namespace

MessageTable<CFileNamePage> CFileNamePage::Messages() {
    static const Entry table[] = {
        ForCommand<&CFileNamePage::OnBrowse>(BN_CLICKED, IDC_BROWSE),
        ForCommand<&CFileNamePage::OnTextChanged>(EN_CHANGE, IDC_FILE_NAME),
    };
    return table;
}

CFileNamePage::CFileNamePage(UINT templateId, UINT captionId, const FieldStrings& strings)
    : CMessageMap(templateId, captionId, KEL_BLOCK_FILE_NAME),
      m_strLabel(AfxLoadString(strings.label)), m_strings(strings) {}

bool CFileNamePage::UpdateBlock() {
    OwnedBytes built =
        file_name_block::Build(CByteSpan(m_strFileName.data(), m_strFileName.size()));
    if (built)
        m_block->Attach(std::move(built));
    return true;
}

void CFileNamePage::DoDataExchange(CDataExchange* dx) {
    DDX_Control(dx, IDC_FILE_NAME, m_nameEdit);
    DDX_Control(dx, IDC_BROWSE, m_browseButton);
    DDX_Text(dx, IDC_FILE_NAME, m_strFileName);
    DDV_StorableText(dx);
    DDX_Text(dx, IDC_FILE_NAME_LABEL, m_strLabel);
}

BOOL CFileNamePage::OnInitDialog() {
    CPropertyPage::OnInitDialog();
    m_browseButton.SetWindowText(AfxLoadString(IDS_BROWSE).c_str());
    const CByteSpan name =
        file_name_block::ReadName(m_block ? m_block->Bytes() : CByteSpan(nullptr, 0));
    m_strFileName.clear();
    if (name.Size())
        m_strFileName.assign(static_cast<const char*>(name.Data()), name.Size());
    m_nameEdit.SetWindowText(m_strFileName.c_str());
    m_modified = 0; // setting the text raised EN_CHANGE
    return TRUE;
}

void CFileNamePage::OnBrowse() {
    const std::string title = AfxLoadString(m_strings.browseTitle);
    const std::string filter = FilterList(AfxLoadString(m_strings.browseFilter));
    char path[MAX_PATH] = "";
    OPENFILENAMEA ofn = {};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = ::GetParent(m_hWnd); // modal to the sheet
    ofn.lpstrFilter = filter.empty() ? nullptr : filter.c_str();
    ofn.lpstrFile = path;
    ofn.nMaxFile = sizeof path;
    ofn.lpstrTitle = title.c_str();
    ofn.Flags = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST;
    const BOOL picked = GetOpenFileNameA(&ofn);
    ::SetFocus(m_hWnd);
    if (picked)
        m_nameEdit.SetWindowText(path); // EN_CHANGE marks the name changed
}
