// CKELPGAr: the arrow page.
#include "pages/arrow_page.h"

#include "blocks/arrow_block.h"
#include "framework/colour_scheme.h"
#include "framework/data_exchange.h"
#include "framework/dpi.h"
#include "framework/message_box.h"
#include "framework/owned.h"
#include "kelgui.h"
#include "pages/arrow_drawing.h"
#include "resources/resource_ids.h"

#include <algorithm>
#include <cstdlib>
#include <new>

namespace {
constexpr DWORD kMinSize = 1;
constexpr DWORD kMaxSize = 1000;
constexpr int kStyleCount = 4;
const UINT kStyleNames[kStyleCount] = {IDS_NAME_ARROW_OPEN, IDS_NAME_ARROW_FILLED,
                                       IDS_NAME_ARROW_HOLLOW, IDS_NAME_ARROW_NOTCHED};
// Lengths of the 96-dpi look, scaled with the page.
constexpr int kItemHeight = 21;
constexpr int kListHeadSize = 15;
constexpr int kListMargin = 3;
constexpr int kLineWidth = 1;
// Sample heads beyond this are cut off at the sample's edge just the same.
constexpr DWORD kLargestHeadDrawn = 1 << 20;
constexpr COLORREF kSampleGrey = RGB(0xC0, 0xC0, 0xC0);

// What the list and the sample draw with: black on the fixed light grey (white on
// black when selected), or under a contrast scheme the system's window colours
// (its highlight colours when selected), where that grey would glare or hide.
struct ArrowColours {
    COLORREF back, ink;
};
ArrowColours ArrowLook(bool selected) {
    if (IsContrastScheme())
        return selected
                   ? ArrowColours{GetSysColor(COLOR_HIGHLIGHT), GetSysColor(COLOR_HIGHLIGHTTEXT)}
                   : ArrowColours{GetSysColor(COLOR_WINDOW), GetSysColor(COLOR_WINDOWTEXT)};
    return selected ? ArrowColours{RGB(0, 0, 0), RGB(255, 255, 255)}
                    : ArrowColours{kSampleGrey, RGB(0, 0, 0)};
}

// Fills area with the look's background and draws the arrow on it in its ink, with
// lines as wide as the 96-dpi look's at dpi.
void DrawArrowOn(HDC dc, const RECT& area, POINT tip, POINT tail, int style, DWORD size,
                 const ArrowColours& look, UINT dpi) {
    const COwnedBrush back(CreateSolidBrush(look.back));
    FillRect(dc, &area, back);
    const COwnedPen pen(CreatePen(PS_SOLID, Scaled(kLineWidth, dpi), look.ink));
    const COwnedBrush fill(CreateSolidBrush(look.ink));
    const CSelection selected(dc, pen);
    DrawArrow(dc, tip, tail, style, size, fill);
}
} // namespace

MessageTable<CKELPGAr> CKELPGAr::Messages() {
    static const Entry table[] = {
        ForCommand<&CKELPGAr::OnSizeChanged>(EN_CHANGE, IDC_ARROW_SIZE),
        ForPaint<&CKELPGAr::OnPaint>(),
        ForDrawItem<&CKELPGAr::OnDrawItem>(),
        ForMeasureItem<&CKELPGAr::OnMeasureItem>(),
        ForCommand<&CKELPGAr::OnStyleChanged>(LBN_SELCHANGE, IDC_ARROW_STYLES),
    };
    return table;
}

CKELPGAr::CKELPGAr()
    : CMessageMap(IDD_ARROW, IDS_ARROW_CAPTION),
      m_strSizeLabel(AfxLoadString(IDS_ARROW_SIZE_LABEL)),
      m_strStyleLabel(AfxLoadString(IDS_ARROW_STYLE_LABEL)),
      m_block(new (std::nothrow) CNamedBlock(KEL_BLOCK_MARK_DATA)) {}

void CKELPGAr::LoadBlock(const char* name, CByteSpan data) {
    if (!m_block || !m_block->IsNamed(name))
        return;
    m_block->SetCopy(data);
    const arrow_block::ArrowHead head = arrow_block::Read(m_block->Bytes());
    m_styleIndex = head.style;
    m_arrowSize = head.size;
}

void CKELPGAr::StoreBlock(const char* name, CMutableByteSpan* buffer, DWORD* sizeOut) const {
    *sizeOut = 0;
    if (!m_block || !m_block->IsNamed(name))
        return;
    // Only the bytes the held block has are written, so a host buffer sized
    // by the size query is never overrun, even for a block under 12 bytes.
    if (buffer && m_block->CopyTo(*buffer))
        arrow_block::Write(buffer->Slice(0, m_block->Size()),
                           arrow_block::ArrowHead{m_styleIndex, m_arrowSize});
    *sizeOut = m_block->Size();
}

void CKELPGAr::DoDataExchange(CDataExchange* dx) {
    DDX_Control(dx, IDC_ARROW_SIZE, m_sizeEdit);
    DDX_Control(dx, IDC_ARROW_STYLES, m_styleList);
    DDX_Control(dx, IDC_ARROW_SAMPLE, m_sampleArea);
    DDX_Control(dx, IDC_SAMPLE_GROUP, m_sampleFrame);
    DDX_Text(dx, IDC_ARROW_SIZE, m_arrowSize);
    DDV_MinMaxDWord(dx, m_arrowSize, kMinSize, kMaxSize);
    DDX_Text(dx, IDC_ARROW_SIZE_LABEL, m_strSizeLabel);
    DDX_Text(dx, IDC_ARROW_STYLE_LABEL, m_strStyleLabel);
    DDX_LBIndex(dx, IDC_ARROW_STYLES, m_styleIndex);
    DDX_Control(dx, IDC_ARROW_SIZE_SPIN, m_sizeSpin);
}

BOOL CKELPGAr::OnInitDialog() {
    CPropertyPage::OnInitDialog();
    m_sampleFrame.SetWindowText(AfxLoadString(IDS_SAMPLE).c_str());
    ::SetFocus(m_styleList.m_hWnd);
    // Each item's data is its style; its text, never drawn, is what a screen
    // reader reads of the picture.
    for (int style = 0; style < kStyleCount; ++style) {
        const int item = m_styleList.AddString(AfxLoadString(kStyleNames[style]).c_str());
        m_styleList.SendMessage(LB_SETITEMDATA, static_cast<WPARAM>(item), style);
    }
    // Dialog units do not grow quite as the DPI does: a list made for four rows of
    // 21 pixels at 96 dpi may lack a pixel for four scaled ones. Rows then take
    // what the list has, as at 96 dpi, rather than a scroll bar.
    RECT list = {};
    ::GetClientRect(m_styleList.m_hWnd, &list);
    const int fitting = std::max<int>(kItemHeight, list.bottom / kStyleCount);
    m_styleList.SendMessage(LB_SETITEMHEIGHT, 0,
                            std::min(Scaled(kItemHeight, WindowDpi(m_hWnd)), fitting));
    if (m_styleIndex >= 0 && m_styleIndex < kStyleCount)
        m_styleList.SetCurSel(m_styleIndex);
    m_sizeSpin.SetRange(kMinSize, kMaxSize);
    InvalidateSample();
    return FALSE; // the focus is set
}

RECT CKELPGAr::SampleRect() const {
    RECT r = {};
    if (!m_sampleArea.m_hWnd)
        return r;
    ::GetWindowRect(m_sampleArea.m_hWnd, &r);
    ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

void CKELPGAr::InvalidateSample() const {
    if (!m_sampleArea.m_hWnd)
        return;
    const RECT r = SampleRect();
    ::InvalidateRect(m_hWnd, &r, FALSE);
}

void CKELPGAr::OnSizeChanged() {
    if (!m_sizeEdit.m_hWnd)
        return;
    // No range check while typing: the sample follows whatever is there.
    m_arrowSize = static_cast<DWORD>(std::atol(m_sizeEdit.GetWindowText().c_str()));
    InvalidateSample();
}

void CKELPGAr::OnStyleChanged() {
    InvalidateSample(); // the sample reads the selection when it paints
}

void CKELPGAr::OnPaint() {
    const CPaintDC dc(m_hWnd);
    const RECT r = SampleRect();
    const LONG middle = r.left + (r.right - r.left) / 2;
    // Large heads are cut off at the sample's edge.
    ::IntersectClipRect(dc, r.left, r.top, r.right, r.bottom);
    const int selection = m_styleList.m_hWnd ? m_styleList.GetCurSel() : LB_ERR;
    // No selection: no valid style, only the background.
    const auto style = selection == LB_ERR
                           ? -1
                           : static_cast<int>(m_styleList.SendMessage(LB_GETITEMDATA, selection));
    // The head is as many pixels long as its size says at 96 dpi, and in proportion
    // at other scales, as the page around it is.
    const UINT dpi = WindowDpi(m_hWnd);
    const auto size =
        static_cast<DWORD>(Scaled(static_cast<int>(std::min(m_arrowSize, kLargestHeadDrawn)), dpi));
    DrawArrowOn(dc, r, POINT{middle, r.top}, POINT{middle, r.bottom}, style, size, ArrowLook(false),
                dpi);
}

BOOL CKELPGAr::OnDrawItem(const DRAWITEMSTRUCT& item) {
    if (item.CtlID != IDC_ARROW_STYLES || item.itemID == static_cast<UINT>(-1))
        return FALSE;
    const RECT& r = item.rcItem;
    const UINT dpi = WindowDpi(m_hWnd);
    const int margin = Scaled(kListMargin, dpi);
    const POINT tip{r.left + margin, r.top + (r.bottom - r.top) / 2};
    const POINT tail{r.right - margin, tip.y};
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    // A focus-only action draws nothing.
    if (!(item.itemAction & (ODA_DRAWENTIRE | ODA_SELECT)))
        return TRUE;
    DrawArrowOn(item.hDC, r, tip, tail, static_cast<int>(item.itemData),
                static_cast<DWORD>(Scaled(kListHeadSize, dpi)), ArrowLook(selected), dpi);
    if (selected)
        ::DrawFocusRect(item.hDC, &r);
    return TRUE;
}

BOOL CKELPGAr::OnMeasureItem(MEASUREITEMSTRUCT& item) {
    if (item.CtlID != IDC_ARROW_STYLES)
        return FALSE;
    item.itemHeight = static_cast<UINT>(Scaled(kItemHeight, WindowDpi(m_hWnd)));
    return TRUE;
}
