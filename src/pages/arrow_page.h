// CKELPGAr: the arrow page, the head style picked from an owner-drawn list of
// pictures and the head size, with a live sample. Both live in the mark's
// "OiAnoDat" block.
#pragma once

#include "blocks/named_block.h"
#include "framework/controls.h"
#include "framework/message_map.h"
#include "framework/property_page.h"

#include <memory>
#include <string>

class CKELPGAr : public CMessageMap<CKELPGAr, CPropertyPage> {
public:
    CKELPGAr();
    ~CKELPGAr() override = default;

    // Takes a copy of a block named "OiAnoDat" and the head it describes;
    // other names are ignored.
    void LoadBlock(const char* name, CByteSpan data);
    // sizeOut: the held block's size (0 for other names). With a buffer, the
    // held block goes into it with the page's style and size in their places;
    // the held copy stays as loaded.
    void StoreBlock(const char* name, CMutableByteSpan* buffer, DWORD* sizeOut) const;

    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;

    static MessageTable<CKELPGAr> Messages();

    CEdit m_sizeEdit;
    CListBox m_styleList;
    CStatic m_sampleArea;
    CButton m_sampleFrame;
    DWORD m_arrowSize = 0;
    std::string m_strSizeLabel;
    std::string m_strStyleLabel;
    int m_styleIndex = -1; // -1: no style chosen
    CSpinButtonCtrl m_sizeSpin;
    std::unique_ptr<CNamedBlock> m_block; // null when memory ran out

private:
    void OnSizeChanged();
    void OnStyleChanged();
    void OnPaint();
    BOOL OnDrawItem(const DRAWITEMSTRUCT& item);
    BOOL OnMeasureItem(MEASUREITEMSTRUCT& item);
    // The sample area in page client coordinates; empty before the window.
    RECT SampleRect() const;
    void InvalidateSample() const;
};
