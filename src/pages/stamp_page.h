// CKELPGTSt: the text stamp page, a stamp text kept in an "OiAnText" block,
// with buttons that insert the current date or time, or their codes.
#pragma once

#include "framework/controls.h"
#include "framework/message_map.h"
#include "pages/text_block_page.h"

#include <string>

class CKELPGTSt : public CMessageMap<CKELPGTSt, CTextBlockPage> {
public:
    CKELPGTSt();
    ~CKELPGTSt() override = default;

    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;

    static MessageTable<CKELPGTSt> Messages();

    CEdit m_edit;
    CButton m_insertTime;
    CButton m_insertDate;
    std::string m_strLabel;
    std::string m_strText;
    // 4: the buttons insert the codes "%x" and "%X" instead of today's date
    // and time. Set by page assembly each time it hands the page a block.
    int m_dateCodes = 0;

private:
    // A text that could not be rebuilt gives back the block as loaded.
    bool UpdateBlock() override { return RebuildText(m_strText, true); }
    void OnDestroy();
    void OnInsertDate();
    void OnInsertTime();
    void InsertAtCaret(const std::string& text) const;
};
