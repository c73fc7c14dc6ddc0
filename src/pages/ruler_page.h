// CKELPGRul: the ruler page: measurement unit, its abbreviation, output
// precision and gauge length of a ruler mark. It holds the mark's numbers
// block ("OiAnoDat") and label block ("OiAnText"); what the user chose is
// written into the host's buffer when the blocks are handed back, never into
// the held copies, and the label is rebuilt on every request.
#pragma once

#include "blocks/named_block.h"
#include "framework/controls.h"
#include "framework/message_map.h"
#include "framework/property_page.h"

#include <cstdint>
#include <memory>
#include <string>

class CKELPGRul : public CMessageMap<CKELPGRul, CPropertyPage> {
public:
    CKELPGRul();
    ~CKELPGRul() override;

    // Pixels per metre of the image; 0 is taken as 11811.
    void SetResolution(int32_t horizontal, int32_t vertical);
    void LoadBlock(const char* name, CByteSpan data);
    void StoreBlock(const char* name, CMutableByteSpan* buffer, DWORD* sizeOut);

    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;

    static MessageTable<CKELPGRul> Messages();

    CListBox m_unitList;
    CEdit m_abbreviationEdit;
    CEdit m_precisionEdit;
    CButton m_unitsFrame;
    CEdit m_gaugeEdit;
    std::string m_strGaugeLabel;
    int m_nOutputPrecision = 0;
    int m_nGaugeLength = 0;
    std::string m_strPrecisionLabel;
    std::string m_strAbbreviation;
    std::string m_strAbbreviationLabel;
    int m_nUnit = -1; // none until the page was shown
    CSpinButtonCtrl m_precisionSpin;
    CSpinButtonCtrl m_gaugeSpin;

private:
    void OnUnitChanged();
    void OnDestroy();

    std::unique_ptr<CNamedBlock> m_block; // null when it could not be made
    std::unique_ptr<CNamedBlock> m_textBlock;
    int32_t m_nXResolution = 1;
    int32_t m_nYResolution = 1;
};
