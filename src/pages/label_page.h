// CKELPGTxl: the label page, the caption of a button mark or the label of a
// pin-up text mark, kept in an "OiAnText" block.
#pragma once

#include "framework/controls.h"
#include "framework/message_map.h"
#include "kelgui.h"
#include "pages/text_block_page.h"

#include <string>

class CKELPGTxl : public CMessageMap<CKELPGTxl, CTextBlockPage> {
public:
    // The mark type picks the label: button or push pin; others show none.
    explicit CKELPGTxl(DWORD markType = KEL_MARK_BUTTON);
    ~CKELPGTxl() override = default;

    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;

    static MessageTable<CKELPGTxl> Messages();

    CEdit m_edit;
    std::string m_strText;
    std::string m_strLabel;

private:
    bool UpdateBlock() override { return RebuildText(m_strText, false); }
};
