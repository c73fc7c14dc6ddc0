// CKELPGPsd: the password page, the password of an encryption mark, kept in
// place in the mark's "OiAnoDat" block. The password is the user's secret:
// every copy the page frees or replaces is wiped first.
#pragma once

#include "blocks/named_block.h"
#include "blocks/password_block.h"
#include "framework/controls.h"
#include "framework/property_page.h"

#include <memory>
#include <string>

class CKELPGPsd : public CPropertyPage {
public:
    CKELPGPsd();
    ~CKELPGPsd() override;

    void LoadBlock(const char* name, CByteSpan data);
    // buffer null: only the size. After the user typed, the text is written
    // into the held block first; the block never changes size.
    void StoreBlock(const char* name, CMutableByteSpan* buffer, DWORD* size);

    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    bool OnWndMsg(const MessageArgs& m, LRESULT* result) override;

    CEdit m_edit;
    // The text as last read from the edit: a fixed buffer, never on the heap.
    char m_szText[password_block::kSlotSize] = {};
    std::string m_strLabel;
    std::unique_ptr<CNamedBlock> m_pBlock;
    int m_modified = 0;

private:
    LRESULT OnTextChanged(const MessageArgs& m);

    static const MessageEntry<CKELPGPsd> kMessageMap[];
};
