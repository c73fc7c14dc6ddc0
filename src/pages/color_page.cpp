// CKELPGClr: the colour page.
#include "pages/color_page.h"

#include "framework/data_exchange.h"
#include "framework/dialog_access.h"
#include "framework/dpi.h"
#include "framework/message_box.h"
#include "pages/swatch_drawing.h"
#include "resources/resource_ids.h"

namespace {
// Byte 0 blue, byte 1 green, byte 2 red.
COLORREF ColorFromRgbQuad(CByteSpan rgbQuad) {
    BYTE bgr[3];
    rgbQuad.Read(0, bgr, sizeof bgr);
    return RGB(bgr[2], bgr[1], bgr[0]);
}

void StoreInRgbQuad(COLORREF color, CMutableByteSpan rgbQuad) {
    const BYTE bgr[3] = {GetBValue(color), GetGValue(color), GetRValue(color)};
    rgbQuad.Write(0, bgr, sizeof bgr);
}
} // namespace

MessageTable<CKELPGClr> CKELPGClr::Messages() {
    static const Entry table[] = {
        ForDrawItem<&CKELPGClr::OnDrawItem>(),
    };
    return table;
}

CKELPGClr::CKELPGClr() : CMessageMap(IDD_COLOR, IDS_COLOR_CAPTION) {}

void CKELPGClr::LoadPrimaryColor(CByteSpan rgbQuad) {
    m_primaryColor = ColorFromRgbQuad(rgbQuad);
}

void CKELPGClr::LoadSecondaryColor(CByteSpan rgbQuad) {
    m_secondaryColor = ColorFromRgbQuad(rgbQuad);
}

void CKELPGClr::StorePrimaryColor(CMutableByteSpan rgbQuad) const {
    StoreInRgbQuad(m_primaryColor, rgbQuad);
}

void CKELPGClr::StoreSecondaryColor(CMutableByteSpan rgbQuad) const {
    StoreInRgbQuad(m_secondaryColor, rgbQuad);
}

void CKELPGClr::DoDataExchange(CDataExchange* dx) {
    DDX_Control(dx, IDC_SECONDARY_GROUP, m_secondaryGroup);
    DDX_Control(dx, IDC_PRIMARY_GROUP, m_primaryGroup);
}

BOOL CKELPGClr::OnInitDialog() {
    CPropertyPage::OnInitDialog();
    m_primaryGroup.SetWindowText(AfxLoadString(IDS_PRIMARY_COLOR).c_str());
    if (m_primaryOnly) {
        m_secondaryGroup.ShowWindow(SW_HIDE);
        for (int id = IDC_SECONDARY_BLACK; id <= IDC_SECONDARY_YELLOW; ++id)
            ::ShowWindow(GetDlgItem(id), SW_HIDE);
    } else {
        m_secondaryGroup.SetWindowText(AfxLoadString(IDS_SECONDARY_COLOR).c_str());
    }
    // The primary rows come first and the secondary rows last, so each scan
    // can only find a swatch of its own palette.
    m_selectedPrimary = FirstSwatchOfColor(m_primaryColor);
    m_selectedSecondary = LastSwatchOfColor(m_secondaryColor);
    for (size_t row = 0; row < kPaletteRows; ++row) {
        const int id = kPalette[row].swatchId;
        m_swatches[row].Bind(GetDlgItem(id),
                             IsSecondarySwatch(id) ? &m_selectedSecondary : &m_selectedPrimary);
    }
    KeepTabStopOnSelection(IDC_PRIMARY_BLACK, m_selectedPrimary);
    KeepTabStopOnSelection(IDC_SECONDARY_BLACK, m_selectedSecondary);
    return TRUE; // the dialog manager sets the focus
}

void CKELPGClr::KeepTabStopOnSelection(int firstSwatch, int selection) const {
    MoveTabStopTo(GetDlgItem(selection >= 0 ? selection : firstSwatch));
}

void CKELPGClr::PickIfPressed(int swatch) {
    HWND button = GetDlgItem(swatch);
    if (!(::SendMessageA(button, BM_GETSTATE, 0, 0) & BST_PUSHED))
        return;
    const bool secondary = IsSecondarySwatch(swatch);
    int& selection = secondary ? m_selectedSecondary : m_selectedPrimary;
    if (selection != -1 && selection != swatch) {
        // The old selection loses its bevel on its next paint.
        HWND previous = GetDlgItem(selection);
        ::SendMessageA(previous, BM_SETSTATE, FALSE, 0);
        ::InvalidateRect(previous, nullptr, FALSE);
        NotifyAccessibleEvent(EVENT_OBJECT_STATECHANGE, previous, CHILDID_SELF);
    }
    if (selection != swatch) {
        MoveTabStopTo(button);
        NotifyAccessibleEvent(EVENT_OBJECT_STATECHANGE, button, CHILDID_SELF);
    }
    selection = swatch;
    (secondary ? m_secondaryColor : m_primaryColor) = SwatchColor(swatch);
}

BOOL CKELPGClr::OnDrawItem(const DRAWITEMSTRUCT& item) {
    const int swatch = static_cast<int>(item.CtlID);
    if (!IsSwatch(swatch))
        return FALSE;
    if (item.itemAction == ODA_DRAWENTIRE || item.itemAction == ODA_SELECT)
        PickIfPressed(swatch);
    else if (item.itemAction != ODA_FOCUS)
        return TRUE;
    // The face is drawn again when the focus comes or goes: the focus ring
    // lies on it.
    // Insets, bevel and frames grow with the page, in whole pixels.
    const int unit = Scaled(1, WindowDpi(m_hWnd));
    const int selection = IsSecondarySwatch(swatch) ? m_selectedSecondary : m_selectedPrimary;
    DrawSwatchFace(item.hDC, item.rcItem, SwatchColor(swatch), swatch == selection, unit);
    const UINT state = static_cast<UINT>(::SendMessageA(GetDlgItem(swatch), BM_GETSTATE, 0, 0));
    const bool focused = (state & BST_FOCUS) != 0;
    DrawSwatchFrame(item.hDC, item.rcItem, focused, unit);
    if (focused)
        DrawSwatchFocusRing(item.hDC, item.rcItem, SwatchColor(swatch), swatch == selection, unit);
    return TRUE;
}
