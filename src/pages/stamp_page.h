// CKELPGTSt: the text stamp page, a stamp text kept in an "OiAnText" block,
// with buttons that insert the current date or time, or their codes.
#pragma once

#include "framework/controls.h"
#include "pages/text_block_page.h"

#include <string>

class CKELPGTSt : public CTextBlockPage {
public:
    CKELPGTSt();
    ~CKELPGTSt() override = default;

    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    bool OnWndMsg(const MessageArgs& m, LRESULT* result) override;

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
    LRESULT OnInsertDate(const MessageArgs& m);
    LRESULT OnInsertTime(const MessageArgs& m);
    void InsertAtCaret(const std::string& text) const;

    static const MessageEntry<CKELPGTSt> kMessageMap[];
};
