// CKELPGClr: the colour page, two palettes of 16 owner-drawn swatches; a
// swatch is picked as soon as it is pressed, by mouse or keyboard.
#pragma once

#include "framework/controls.h"
#include "framework/property_page.h"
#include "blocks/byte_span.h"

class CKELPGClr : public CPropertyPage {
public:
    CKELPGClr();
    ~CKELPGClr() override = default;

    // A record colour is 4 bytes: blue, green, red, spare. The spare byte is
    // never read nor written.
    void LoadPrimaryColor(CByteSpan rgbQuad);
    void LoadSecondaryColor(CByteSpan rgbQuad);
    void StorePrimaryColor(CMutableByteSpan rgbQuad) const;
    void StoreSecondaryColor(CMutableByteSpan rgbQuad) const;

    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    bool OnWndMsg(const MessageArgs& m, LRESULT* result) override;

    CButton m_secondaryGroup;
    CButton m_primaryGroup;
    COLORREF m_primaryColor = RGB(255, 0, 0);
    COLORREF m_secondaryColor = RGB(0, 0, 0);
    int m_primaryOnly = 0; // non-zero hides the secondary palette
    int m_selectedPrimary = -1;
    int m_selectedSecondary = -1;

private:
    LRESULT OnDrawItem(const MessageArgs& m);
    // Makes swatch the selection of its palette when it is pressed.
    void PickIfPressed(int swatch);

    static const MessageEntry<CKELPGClr> kMessageMap[];
};
