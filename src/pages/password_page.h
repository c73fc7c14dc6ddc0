// CKELPGPsd: the password page, the password of an encryption mark, kept in
// place in the mark's "OiAnoDat" block. The password is the user's secret:
// every copy the page frees or replaces is wiped first.
#pragma once

#include "blocks/password_block.h"
#include "framework/controls.h"
#include "framework/message_map.h"
#include "framework/owned.h"
#include "pages/text_block_page.h"

#include <string>

class CKELPGPsd : public CMessageMap<CKELPGPsd, CTextBlockPage> {
public:
    CKELPGPsd();
    ~CKELPGPsd() override = default;

    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;

    static MessageTable<CKELPGPsd> Messages();

    CEdit m_edit;
    // The text as last read from the edit.
    CSecretText<password_block::kSlotSize> m_text;
    std::string m_strLabel;

private:
    // The text goes into the held block in place; the block never changes size.
    bool UpdateBlock() override;
};
