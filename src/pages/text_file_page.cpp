// CKELPGTFF: the text file page.
#include "pages/text_file_page.h"

#include "blocks/file_name_block.h"
#include "blocks/text_block.h"
#include "kelgui.h"
#include "pages/text_file_reader.h"
#include "resources/resource_ids.h"

#include <new>

CKELPGTFF::CKELPGTFF()
    : CFileNamePage(IDD_TEXT_FILE, IDS_TEXT_CAPTION,
                    {IDS_TEXT_FILE_LABEL, IDS_TEXT_BROWSE_TITLE, IDS_TEXT_BROWSE_FILTER}),
      m_textBlock(new (std::nothrow) CNamedBlock(KEL_BLOCK_TEXT)) {}

void CKELPGTFF::LoadBlock(const char* name, CByteSpan data) {
    if (m_textBlock && m_textBlock->IsNamed(name))
        m_textBlock->SetCopy(data);
    else
        CFileNamePage::LoadBlock(name, data);
}

void CKELPGTFF::StoreBlock(const char* name, CMutableByteSpan* buffer, DWORD* size) {
    CFileNamePage::StoreBlock(name, buffer, size);
    if (!m_textBlock || !m_textBlock->IsNamed(name))
        return;
    // Unchanged names give the block as loaded. A size query reads the file;
    // fetches after it copy that block, however the file changed since.
    if (m_modified && !(buffer && m_bTextReadForFetch))
        ReadText();
    if (!buffer)
        m_bTextReadForFetch = m_modified != 0;
    Answer(*m_textBlock, buffer, size);
}

void CKELPGTFF::ReadText() {
    const CByteSpan loaded = m_textBlock->Bytes();
    OwnedBytes built =
        file_name_block::IsInternetName(CByteSpan(m_strFileName.data(), m_strFileName.size()))
            ? text_block::BuildUnreadText(loaded)
            : ReadTextFileBlock(m_strFileName, loaded);
    if (built)
        m_textBlock->Attach(std::move(built));
}

BOOL CKELPGTFF::OnInitDialog() {
    m_bTextReadForFetch = false;
    return CFileNamePage::OnInitDialog();
}
