// CKELPGClr: the colour page, two palettes of 16 owner-drawn swatches; a
// swatch is picked as soon as it is pressed, by mouse or keyboard.
#pragma once

#include "framework/controls.h"
#include "framework/message_map.h"
#include "framework/property_page.h"
#include "blocks/byte_span.h"
#include "pages/color_palette.h"
#include "pages/swatch_button.h"

#include <array>

class CKELPGClr : public CMessageMap<CKELPGClr, CPropertyPage> {
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

    static MessageTable<CKELPGClr> Messages();

    CButton m_secondaryGroup;
    CButton m_primaryGroup;
    COLORREF m_primaryColor = RGB(255, 0, 0);
    COLORREF m_secondaryColor = RGB(0, 0, 0);
    int m_primaryOnly = 0; // non-zero hides the secondary palette
    int m_selectedPrimary = -1;
    int m_selectedSecondary = -1;

private:
    BOOL OnDrawItem(const DRAWITEMSTRUCT& item);
    // Makes swatch the selection of its palette when it is pressed.
    void PickIfPressed(int swatch);
    // Tab and the palette's mnemonic land on its selection (the first
    // swatch when it has none).
    void KeepTabStopOnSelection(int firstSwatch, int selection) const;

    std::array<CSwatchButton, kPaletteRows> m_swatches; // by palette row
};
