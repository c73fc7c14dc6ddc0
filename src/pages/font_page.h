// CKELPGFon: the font page, a text mark's typeface (TrueType only), style,
// point size, underline and strikeout, with a live sample.
#pragma once

#include "blocks/byte_span.h"
#include "framework/controls.h"
#include "framework/message_map.h"
#include "framework/owned.h"
#include "framework/property_page.h"

#include <string>
#include <vector>

class CKELPGFon : public CMessageMap<CKELPGFon, CPropertyPage> {
public:
    CKELPGFon();
    ~CKELPGFon() override = default;

    // The record's 60-byte LOGFONTA. The height is taken as the signed 16-bit
    // value of its low half; all else is kept as it is, a face name without
    // its zero byte too.
    void LoadFont(CByteSpan logFont);
    void StoreFont(CMutableByteSpan logFont) const;

    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;

    static MessageTable<CKELPGFon> Messages();

    CStatic m_sample;
    CButton m_strikeout;
    CButton m_underline;
    CComboBox m_style;
    CListBox m_faces; // each entry's data is its index in m_typefaces
    CButton m_sampleGroup;
    std::string m_strFaceLabel;
    std::string m_strSizeLabel;
    std::string m_strStyleLabel;
    std::string m_strSampleText;
    CComboBox m_size;
    LOGFONTA m_font = {};
    COwnedFont m_sampleFont; // made anew on every change

private:
    // Adds an enumerated TrueType face once, with its own copy of lf.
    void AddTypeface(const LOGFONTA& lf);
    int InitialPointSize(HDC screen) const;
    // The listed font of the chosen typeface, or null.
    const LOGFONTA* ChosenTypeface() const;
    void SelectStyle();
    void UpdateSample();
    void SetHeightFromPoints(const std::string& text);
    void OnSampleChange();
    void OnSizeTyped();
    void OnSizePicked();

    static int CALLBACK OnFontFamily(const LOGFONTA* lf, const TEXTMETRICA*, DWORD type,
                                     LPARAM page);

    std::vector<LOGFONTA> m_typefaces; // the listed faces' fonts, made anew with the list
};
