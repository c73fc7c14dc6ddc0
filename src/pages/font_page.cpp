// CKELPGFon: the font page.
#include "pages/font_page.h"

#include "framework/data_exchange.h"
#include "framework/host_call.h"
#include "framework/message_box.h"
#include "framework/owned.h"
#include "pages/font_size.h"
#include "resources/resource_ids.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>

namespace {
// The style box's entries in order, and the font each stands for: bit 0 of
// the index is bold, bit 1 italic.
const struct {
    UINT name;
    LONG weight;
    BYTE italic;
} kStyles[] = {
    {IDS_STYLE_NORMAL, FW_NORMAL, 0},
    {IDS_STYLE_BOLD, FW_BOLD, 0},
    {IDS_STYLE_ITALIC, FW_NORMAL, 1},
    {IDS_STYLE_BOLD_ITALIC, FW_BOLD, 1},
};

const int kStandardSizes[] = {8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72};

int ScreenPixelsPerInchY() {
    return GetDeviceCaps(CScreenDC(), LOGPIXELSY);
}

// The face name as text, never read beyond its 32 bytes.
std::string FaceName(const LOGFONTA& lf) {
    return std::string(lf.lfFaceName, strnlen(lf.lfFaceName, LF_FACESIZE));
}

// The font with its face name cut to 31 bytes and a zero, for calls that
// read the name up to its zero byte.
LOGFONTA Terminated(LOGFONTA lf) {
    lf.lfFaceName[LF_FACESIZE - 1] = '\0';
    return lf;
}
} // namespace

MessageTable<CKELPGFon> CKELPGFon::Messages() {
    static const Entry table[] = {
        ForCommand<&CKELPGFon::OnSampleChange>(LBN_SELCHANGE, IDC_FONT_FACES),
        ForCommand<&CKELPGFon::OnSampleChange>(BN_CLICKED, IDC_UNDERLINE, IDC_STRIKEOUT),
        ForCommand<&CKELPGFon::OnSampleChange>(CBN_SELCHANGE, IDC_FONT_STYLE),
        ForCommand<&CKELPGFon::OnSizeTyped>(CBN_EDITCHANGE, IDC_FONT_SIZE),
        ForCommand<&CKELPGFon::OnSizePicked>(CBN_SELCHANGE, IDC_FONT_SIZE),
    };
    return table;
}

CKELPGFon::CKELPGFon()
    : CMessageMap(IDD_FONT, IDS_FONT_CAPTION), m_strFaceLabel(AfxLoadString(IDS_FONT_FACE_LABEL)),
      m_strSizeLabel(AfxLoadString(IDS_FONT_SIZE_LABEL)),
      m_strStyleLabel(AfxLoadString(IDS_FONT_STYLE_LABEL)),
      m_strSampleText(AfxLoadString(IDS_FONT_SAMPLE_TEXT)) {}

void CKELPGFon::LoadFont(CByteSpan logFont) {
    logFont.Read(0, &m_font, sizeof m_font);
    m_font.lfHeight = static_cast<int16_t>(logFont.ReadValue<uint16_t>(0));
}

void CKELPGFon::StoreFont(CMutableByteSpan logFont) const {
    logFont.Write(0, &m_font, sizeof m_font);
}

void CKELPGFon::DoDataExchange(CDataExchange* dx) {
    DDX_Control(dx, IDC_FONT_SAMPLE, m_sample);
    DDX_Control(dx, IDC_STRIKEOUT, m_strikeout);
    DDX_Control(dx, IDC_UNDERLINE, m_underline);
    DDX_Control(dx, IDC_FONT_STYLE, m_style);
    DDX_Control(dx, IDC_FONT_FACES, m_faces);
    DDX_Control(dx, IDC_SAMPLE_GROUP, m_sampleGroup);
    DDX_Text(dx, IDC_FONT_FACE_LABEL, m_strFaceLabel);
    DDX_Text(dx, IDC_FONT_SIZE_LABEL, m_strSizeLabel);
    DDX_Text(dx, IDC_FONT_STYLE_LABEL, m_strStyleLabel);
    DDX_Text(dx, IDC_FONT_SAMPLE, m_strSampleText);
    DDX_Control(dx, IDC_FONT_SIZE, m_size);
}

BOOL CKELPGFon::OnInitDialog() {
    CPropertyPage::OnInitDialog();
    m_sampleGroup.SetWindowText(AfxLoadString(IDS_SAMPLE).c_str());
    m_underline.SetWindowText(AfxLoadString(IDS_UNDERLINE).c_str());
    m_strikeout.SetWindowText(AfxLoadString(IDS_STRIKEOUT).c_str());

    CScreenDC screen;
    m_typefaces.clear();
    ::EnumFontFamiliesA(screen, nullptr, OnFontFamily, reinterpret_cast<LPARAM>(this));

    for (int size : kStandardSizes) {
        char text[16];
        std::snprintf(text, sizeof text, "%d", size);
        m_size.AddString(text);
    }
    const std::string face = FaceName(m_font);
    const int found = static_cast<int>(m_faces.SendMessage(LB_FINDSTRING, static_cast<WPARAM>(-1),
                                                           reinterpret_cast<LPARAM>(face.c_str())));
    if (found != LB_ERR)
        m_faces.SetCurSel(found);
    SelectStyle();

    char points[16];
    std::snprintf(points, sizeof points, "%d", InitialPointSize(screen));
    const int entry = static_cast<int>(m_size.SendMessage(
        CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(points)));
    if (entry != CB_ERR)
        m_size.SetCurSel(entry);
    else
        m_size.SetWindowText(points);

    m_underline.SetCheck(m_font.lfUnderline ? BST_CHECKED : BST_UNCHECKED);
    m_strikeout.SetCheck(m_font.lfStrikeOut ? BST_CHECKED : BST_UNCHECKED);
    UpdateSample();
    return TRUE;
}

int CALLBACK CKELPGFon::OnFontFamily(const LOGFONTA* lf, const TEXTMETRICA*, DWORD type,
                                     LPARAM page) {
    // Out of memory, the list ends here: nothing may unwind through the system.
    return CallGuarded(0, [=] {
        if (type & TRUETYPE_FONTTYPE)
            reinterpret_cast<CKELPGFon*>(page)->AddTypeface(*lf);
        return 1;
    });
}

void CKELPGFon::AddTypeface(const LOGFONTA& lf) {
    const std::string face = FaceName(lf);
    if (m_faces.SendMessage(LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                            reinterpret_cast<LPARAM>(face.c_str())) != LB_ERR)
        return;
    const int index = m_faces.AddString(face.c_str());
    if (index < 0)
        return;
    m_typefaces.push_back(lf);
    if (m_faces.SendMessage(LB_SETITEMDATA, static_cast<WPARAM>(index),
                            static_cast<LPARAM>(m_typefaces.size() - 1)) == LB_ERR) {
        m_faces.SendMessage(LB_DELETESTRING, static_cast<WPARAM>(index));
        m_typefaces.pop_back();
    }
}

const LOGFONTA* CKELPGFon::ChosenTypeface() const {
    const LRESULT entry = m_faces.SendMessage(LB_GETITEMDATA, m_faces.GetCurSel());
    if (entry < 0 || static_cast<size_t>(entry) >= m_typefaces.size())
        return nullptr;
    return &m_typefaces[static_cast<size_t>(entry)];
}

// A cell height (positive) is measured through the font's metrics; a
// character height (negative) gives the point size directly.
int CKELPGFon::InitialPointSize(HDC screen) const {
    const int pixelsPerInch = ::GetDeviceCaps(screen, LOGPIXELSY);
    if (m_font.lfHeight <= 0)
        return PointsFromCharHeight(-m_font.lfHeight, pixelsPerInch);
    const LOGFONTA lf = Terminated(m_font);
    const COwnedFont font(::CreateFontIndirectA(&lf));
    TEXTMETRICA metrics = {};
    {
        const CSelection selected(screen, font);
        ::GetTextMetricsA(screen, &metrics);
    }
    return PointsFromCharHeight(metrics.tmHeight - metrics.tmInternalLeading, pixelsPerInch);
}

void CKELPGFon::SelectStyle() {
    for (const auto& style : kStyles)
        m_style.AddString(AfxLoadString(style.name).c_str());
    const bool bold = m_font.lfWeight > FW_NORMAL;
    const bool italic = m_font.lfItalic != 0;
    for (int i = 0; i < static_cast<int>(std::size(kStyles)); ++i)
        if ((kStyles[i].weight > FW_NORMAL) == bold && (kStyles[i].italic != 0) == italic)
            m_style.SetCurSel(i);
}

void CKELPGFon::UpdateSample() {
    m_font.lfUnderline = static_cast<BYTE>(m_underline.GetCheck() == BST_CHECKED);
    m_font.lfStrikeOut = static_cast<BYTE>(m_strikeout.GetCheck() == BST_CHECKED);
    const LOGFONTA* listed = ChosenTypeface();
    if (!listed)
        return; // no typeface chosen: the font keeps its face and style
    m_font.lfCharSet = listed->lfCharSet;
    m_font.lfPitchAndFamily = listed->lfPitchAndFamily;
    lstrcpynA(m_font.lfFaceName, listed->lfFaceName, LF_FACESIZE);
    const int selection = m_style.GetCurSel();
    const auto& style =
        kStyles[selection > 0 && selection < static_cast<int>(std::size(kStyles)) ? selection : 0];
    m_font.lfWeight = style.weight;
    m_font.lfItalic = style.italic;

    HFONT font = ::CreateFontIndirectA(&m_font);
    m_sample.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    m_sampleFont.Reset(font); // the one the sample had goes once it is replaced
}

void CKELPGFon::SetHeightFromPoints(const std::string& text) {
    m_font.lfHeight = HeightFromPoints(std::atoi(text.c_str()), ScreenPixelsPerInchY());
    UpdateSample();
}

void CKELPGFon::OnSampleChange() {
    UpdateSample();
}

void CKELPGFon::OnSizeTyped() {
    SetHeightFromPoints(m_size.GetWindowText());
}

void CKELPGFon::OnSizePicked() {
    const int selection = m_size.GetCurSel();
    if (selection == CB_ERR)
        return;
    const auto length = m_size.SendMessage(CB_GETLBTEXTLEN, static_cast<WPARAM>(selection));
    std::string text(static_cast<size_t>(length > 0 ? length : 0) + 1, '\0');
    m_size.SendMessage(CB_GETLBTEXT, static_cast<WPARAM>(selection),
                       reinterpret_cast<LPARAM>(&text[0]));
    SetHeightFromPoints(text.c_str());
}
