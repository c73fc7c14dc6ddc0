// CKELPGTxl: the label page, the caption of a button mark or the label of a
// pin-up text mark, kept in an "OiAnText" block.
#pragma once

#include "blocks/named_block.h"
#include "framework/controls.h"
#include "framework/property_page.h"
#include "kelgui.h"

#include <memory>
#include <string>

class CKELPGTxl : public CPropertyPage {
public:
    // The mark type picks the label: button or push pin; others show none.
    explicit CKELPGTxl(DWORD markType = KEL_MARK_BUTTON);
    ~CKELPGTxl() override = default;

    void LoadBlock(const char* name, CByteSpan data);
    // buffer null: only the size. The loaded block until the user types;
    // after that, the block rebuilt around the text.
    void StoreBlock(const char* name, CMutableByteSpan* buffer, DWORD* size);

    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    bool OnWndMsg(const MessageArgs& m, LRESULT* result) override;

    CEdit m_edit;
    std::string m_strText;
    std::string m_strLabel;
    std::unique_ptr<CNamedBlock> m_pBlock;
    int m_modified = 0;

private:
    LRESULT OnTextChanged(const MessageArgs& m);

    static const MessageEntry<CKELPGTxl> kMessageMap[];
};
