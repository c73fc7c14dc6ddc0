// CKELPGTFF: the text file page.
#include "pages/text_file_page.h"

#include "blocks/file_name_block.h"
#include "blocks/text_block.h"
#include "kelgui.h"
#include "pages/held_block.h"
#include "pages/text_file_reader.h"
#include "resources/resource_ids.h"

#include <new>

CKELPGTFF::CKELPGTFF()
    : CFileNamePage(IDD_TEXT_FILE, IDS_TEXT_CAPTION,
                    {IDS_TEXT_FILE_LABEL, IDS_TEXT_BROWSE_TITLE, IDS_TEXT_BROWSE_FILTER}),
      m_pTextBlock(new (std::nothrow) CNamedBlock(KEL_BLOCK_TEXT)) {}

void CKELPGTFF::LoadBlock(const char* name, CByteSpan data) {
    if (m_pTextBlock && m_pTextBlock->IsNamed(name))
        m_pTextBlock->SetCopy(data);
    else
        CFileNamePage::LoadBlock(name, data);
}

void CKELPGTFF::StoreBlock(const char* name, CMutableByteSpan* buffer, DWORD* size) {
    CFileNamePage::StoreBlock(name, buffer, size);
    if (!m_pTextBlock || !m_pTextBlock->IsNamed(name))
        return;
    // Unchanged names give the block as loaded. A size query reads the file;
    // fetches after it copy that block, however the file changed since.
    if (m_bModified && !(buffer && m_bTextReadForFetch))
        ReadText();
    if (!buffer)
        m_bTextReadForFetch = m_bModified != 0;
    AnswerFromHolder(*m_pTextBlock, buffer, size);
}

void CKELPGTFF::ReadText() {
    const CByteSpan loaded = m_pTextBlock->Bytes();
    OwnedBytes built =
        file_name_block::IsInternetName(CByteSpan(m_strFileName.data(), m_strFileName.size()))
            ? text_block::BuildUnreadText(loaded)
            : ReadTextFileBlock(m_strFileName, loaded);
    if (built)
        m_pTextBlock->Attach(std::move(built));
}

BOOL CKELPGTFF::OnInitDialog() {
    m_bTextReadForFetch = false;
    return CFileNamePage::OnInitDialog();
}
