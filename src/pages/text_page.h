// CKELPGTxt: the typed text page, the text of an "OiAnText" block in a
// wrapping or a non-wrapping view, and the mark's bound-wrapping mode.
#pragma once

#include "framework/controls.h"
#include "framework/message_map.h"
#include "pages/text_block_page.h"

#include <string>

class CKELPGTxt : public CMessageMap<CKELPGTxt, CTextBlockPage> {
public:
    CKELPGTxt();
    ~CKELPGTxt() override = default;

    // The bound-wrapping mode from and to dwTextFlags; the field's other
    // bits and the record's other bytes are never written.
    void LoadRecord(CByteSpan record);
    void StoreRecord(CMutableByteSpan record) const;

    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;

    static MessageTable<CKELPGTxt> Messages();

    CEdit m_plainEdit;    // lines do not wrap
    CEdit m_wrappingEdit; // same place, lines wrap; only the one shown holds the text
    std::string m_strText;
    CButton m_wrapCheck;
    int m_wrap = 1; // 1: the wrapping edit is the one shown; a view setting only
    CComboBox m_boundWrappingList;
    int m_boundWrapping = 0; // 0 to 3, a row of the mode table

private:
    bool UpdateBlock() override { return RebuildText(m_strText, false); }
    const CEdit& VisibleEdit() const { return m_wrap ? m_wrappingEdit : m_plainEdit; }
    const CEdit& HiddenEdit() const { return m_wrap ? m_plainEdit : m_wrappingEdit; }
    void OnDestroy();
    void OnWrapClicked();
    void OnModeChosen();
};
