// CTextBlockPage: what the pages whose text travels in a named block share
// (label, text stamp, typed text, password, and the file-name field): the
// block's holder, loading it, giving it back brought up to date once the user
// changed the text, and the modified flag that the text's edits set.
#pragma once

#include "blocks/named_block.h"
#include "framework/property_page.h"

#include <memory>
#include <string>

class CTextBlockPage : public CPropertyPage {
public:
    // Takes a copy of the block when name is the page's; others are ignored.
    void LoadBlock(const char* name, CByteSpan data);
    // buffer null: only the size; 0 for another name. After a change the
    // block is brought up to date first, so that both calls of a size query
    // and its fetch see the same block.
    void StoreBlock(const char* name, CMutableByteSpan* buffer, DWORD* size);

protected:
    // blockName: one of the header's KEL_BLOCK_* names.
    CTextBlockPage(UINT templateId, UINT captionId, const char* blockName);

    // The change notification of the text's edits: the user changed the text.
    void OnTextChanged() { m_modified = 1; }

    // Brings the held block up to date with the changed text; false when the
    // page then gives back nothing.
    virtual bool UpdateBlock() = 0;
    // The held "OiAnText" block rebuilt around text. When that fails for lack
    // of memory the loaded block stays; keepLoaded says whether it is given back.
    bool RebuildText(const std::string& text, bool keepLoaded);
    // The held "OiAnText" block's text, zero-terminated for an edit: in the
    // block when a zero byte ends it there (no copy), else in scratch.
    const char* HeldText(std::string& scratch) const;
    // The holder's size, and its bytes too when a buffer is given and they fit.
    static void Answer(const CNamedBlock& holder, CMutableByteSpan* buffer, DWORD* size);

    std::unique_ptr<CNamedBlock> m_block; // null when memory ran out: the page holds nothing
    int m_modified = 0;                   // the user changed the text since it was shown
};
