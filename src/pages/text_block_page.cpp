// CTextBlockPage: the named block of a text page.
#include "pages/text_block_page.h"

#include "blocks/text_block.h"

#include <new>

CTextBlockPage::CTextBlockPage(UINT templateId, UINT captionId, const char* blockName)
    : CPropertyPage(templateId, captionId), m_block(new (std::nothrow) CNamedBlock(blockName)) {}

void CTextBlockPage::LoadBlock(const char* name, CByteSpan data) {
    if (m_block && m_block->IsNamed(name))
        m_block->SetCopy(data);
}

void CTextBlockPage::StoreBlock(const char* name, CMutableByteSpan* buffer, DWORD* size) {
    *size = 0;
    if (!m_block || !m_block->IsNamed(name))
        return;
    if (m_modified && !UpdateBlock())
        return;
    Answer(*m_block, buffer, size);
}

bool CTextBlockPage::RebuildText(const std::string& text, bool keepLoaded) {
    OwnedBytes built = text_block::Build(m_block->Bytes(), CByteSpan(text.data(), text.size()));
    if (!built)
        return keepLoaded;
    m_block->Attach(std::move(built));
    return true;
}

const char* CTextBlockPage::HeldText(std::string& scratch) const {
    if (!m_block)
        return "";
    const CByteSpan block = m_block->Bytes();
    const CByteSpan text = text_block::ReadText(block);
    if (text.Size() == 0)
        return "";
    const size_t end = text_block::kTextOffset + text.Size();
    if (end < block.Size())
        return static_cast<const char*>(text.Data()); // the block's zero byte ends it
    scratch.assign(static_cast<const char*>(text.Data()), text.Size());
    return scratch.c_str();
}

void CTextBlockPage::Answer(const CNamedBlock& holder, CMutableByteSpan* buffer, DWORD* size) {
    if (buffer)
        holder.CopyTo(*buffer);
    *size = holder.Size();
}
