// CKELPGTSt: the text stamp page, a stamp text kept in an "OiAnText" block,
// with buttons that insert the current date or time, or their codes.
#pragma once

#include "blocks/named_block.h"
#include "framework/controls.h"
#include "framework/property_page.h"

#include <memory>
#include <string>

class CKELPGTSt : public CPropertyPage {
public:
    CKELPGTSt();
    ~CKELPGTSt() override = default;

    void LoadBlock(const char* name, CByteSpan data);
    // buffer null: only the size. The loaded block until the text changes;
    // after that, the block rebuilt around the text.
    void StoreBlock(const char* name, CMutableByteSpan* buffer, DWORD* size);

    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    bool OnWndMsg(const MessageArgs& m, LRESULT* result) override;

    CEdit m_edit;
    CButton m_insertTime;
    CButton m_insertDate;
    std::string m_strLabel;
    std::string m_strText;
    std::unique_ptr<CNamedBlock> m_pBlock;
    int m_modified = 0;
    // 4: the buttons insert the codes "%x" and "%X" instead of today's date
    // and time. Set by page assembly each time it hands the page a block.
    int m_dateCodes = 0;

private:
    LRESULT OnInsertDate(const MessageArgs& m);
    LRESULT OnInsertTime(const MessageArgs& m);
    LRESULT OnTextChanged(const MessageArgs& m);
    void InsertAtCaret(const std::string& text) const;

    static const MessageEntry<CKELPGTSt> kMessageMap[];
};
