// CKELPGPsd: the password page, the password of an encryption mark, kept in
// place in the mark's "OiAnoDat" block. The password is the user's secret:
// every copy the page frees or replaces is wiped first.
#pragma once

#include "blocks/password_block.h"
#include "framework/controls.h"
#include "framework/owned.h"
#include "pages/text_block_page.h"

#include <string>

class CKELPGPsd : public CTextBlockPage {
public:
    CKELPGPsd();
    ~CKELPGPsd() override = default;

    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    bool OnWndMsg(const MessageArgs& m, LRESULT* result) override;

    CEdit m_edit;
    // The text as last read from the edit.
    CSecretText<password_block::kSlotSize> m_text;
    std::string m_strLabel;

private:
    // The text goes into the held block in place; the block never changes size.
    bool UpdateBlock() override;

    static const MessageEntry<CKELPGPsd> kMessageMap[];
};
