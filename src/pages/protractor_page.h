// CKELPGArc: the protractor page: output precision and arc radius of a
// protractor mark, written into the host's copy of its "OiAnoDat" block when
// the block is handed back; the held copy stays as loaded.
#pragma once

#include "blocks/named_block.h"
#include "framework/controls.h"
#include "framework/property_page.h"

#include <cstdint>
#include <memory>
#include <string>

class CKELPGArc : public CPropertyPage {
public:
    CKELPGArc();
    ~CKELPGArc() override;

    void LoadBlock(const char* name, CByteSpan data);
    void StoreBlock(const char* name, CMutableByteSpan* buffer, DWORD* sizeOut) const;

    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;

    CEdit m_precisionEdit;
    CEdit m_radiusEdit;
    int m_nArcRadius = 0;
    std::string m_strRadiusLabel;
    int m_nOutputPrecision = 0;
    std::string m_strPrecisionLabel;
    CSpinButtonCtrl m_precisionSpin;
    CSpinButtonCtrl m_radiusSpin;

private:
    std::unique_ptr<CNamedBlock> m_block; // null when it could not be made
};
