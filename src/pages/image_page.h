// CKELPGIme: the embedded image page: orientation, fit, alignment and aspect
// ratio of an embedded image, kept in the mark's "OiAnoDat" block, and the
// record's transparent flag. Every choice is written into the page's copy of
// the block as it is made, so handing the block back only copies it out.
#pragma once

#include "blocks/named_block.h"
#include "framework/controls.h"
#include "framework/message_map.h"
#include "framework/property_page.h"

#include <cstdint>
#include <memory>
#include <string>

class CKELPGIme : public CMessageMap<CKELPGIme, CPropertyPage> {
public:
    CKELPGIme();
    ~CKELPGIme() override;

    void LoadBlock(const char* name, CByteSpan data);
    void StoreBlock(const char* name, CMutableByteSpan* buffer, DWORD* sizeOut) const;

    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;

    static MessageTable<CKELPGIme> Messages();

    CComboBox m_alignCombo;
    CComboBox m_fitCombo;
    CButton m_mirrorCheck;
    CButton m_orientationFrame;
    CButton m_transparentCheck;
    BOOL m_bTransparent = FALSE;
    std::string m_strAspect;

private:
    // The held block's bytes; empty (no data) when the page holds none.
    CMutableByteSpan HeldBytes() const;
    bool HoldsBlock() const { return HeldBytes().Data() != nullptr; }
    void ShowBlock();
    // Tab and the orientation group's mnemonic land on the checked rotation.
    void KeepTabStopOnRotation() const;

    void OnRotationClicked(UINT radioId);
    void OnMirrorChanged();
    void OnAlignmentChanged();
    void OnFitChanged();
    void OnAspectChanged();

    std::unique_ptr<CNamedBlock> m_block; // null when it could not be made
};
