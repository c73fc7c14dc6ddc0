// CToolLook: the tools' images by scale and scheme, and the pressed tool under
// a contrast scheme.
#include "toolbar/tool_look.h"

#include "framework/afx_state.h"
#include "framework/colour_scheme.h"
#include "resources/resource_ids.h"

#include <iterator>

namespace {
// The tool bar resources by the scale their images are drawn for, largest
// first; each is taken from its DPI up.
struct ImageSet {
    UINT dpi;
    UINT resource;
};
constexpr ImageSet kImageSets[] = {
    {192, IDR_TOOLBAR_200},
    {144, IDR_TOOLBAR_150},
    {kStandardDpi, IDR_TOOLBAR},
};

UINT ResourceAt(UINT dpi) {
    const ImageSet* set = kImageSets;
    while (set->dpi > dpi && set->resource != IDR_TOOLBAR)
        ++set;
    return set->resource;
}

// The 16 colours the art is drawn in (tools/make_toolbar_bitmap.py).
constexpr COLORREF kBlack = RGB(0, 0, 0), kGrey = RGB(128, 128, 128), kSilver = RGB(192, 192, 192),
                   kWhite = RGB(255, 255, 255);
// Each colour with its darker or lighter twin.
constexpr COLORREF kTwins[][2] = {
    {RGB(128, 0, 0), RGB(255, 0, 0)},     {RGB(0, 128, 0), RGB(0, 255, 0)},
    {RGB(128, 128, 0), RGB(255, 255, 0)}, {RGB(0, 0, 128), RGB(0, 0, 255)},
    {RGB(128, 0, 128), RGB(255, 0, 255)}, {RGB(0, 128, 128), RGB(0, 255, 255)},
};
constexpr int kArtColours = 4 + 2 * static_cast<int>(std::size(kTwins));

// part/4 of the way from colour a to colour b.
COLORREF Between(COLORREF a, COLORREF b, int part) {
    const auto mix = [part](int x, int y) { return x + (y - x) * part / 4; };
    return RGB(mix(GetRValue(a), GetRValue(b)), mix(GetGValue(a), GetGValue(b)),
               mix(GetBValue(a), GetBValue(b)));
}

// The art's colours under a contrast scheme. Lines (black) take the text
// colour and the white fills a shade just off the face, so that lines stay
// apart from fills whatever the two colours are; grey lies half-way. Each
// colour becomes the lighter of its twins on a dark face, the darker on a
// light one.
// Disabled, every line and colour is the half-way grey and fills the face.
struct ContrastColours {
    explicit ContrastColours(bool disabled) {
        const COLORREF face = GetSysColor(COLOR_BTNFACE), text = GetSysColor(COLOR_BTNTEXT);
        const COLORREF half = Between(face, text, 2);
        map[0] = {kBlack, disabled ? half : text};
        map[1] = {kGrey, half};
        map[2] = {kSilver, face};
        map[3] = {kWhite, disabled ? face : Between(face, text, 1)};
        const bool lighter = Lightness(face) < 128;
        int i = 4;
        for (const auto& twins : kTwins)
            for (COLORREF from : twins)
                map[i++] = {from, disabled ? half : twins[lighter ? 1 : 0]};
    }
    COLORMAP map[kArtColours];
};

// A ring of the given width just inside r, which is left inside it.
void Ring(HDC dc, RECT* r, HBRUSH brush, int width) {
    for (int i = 0; i < width; ++i) {
        FrameRect(dc, r, brush);
        InflateRect(r, -1, -1);
    }
}
} // namespace

CToolLook::~CToolLook() {
    if (m_disabledImages)
        ImageList_Destroy(m_disabledImages);
}

BOOL CToolLook::Load(CToolBar& bar, UINT dpi) {
    m_dpi = dpi;
    m_contrast = IsContrastScheme();
    m_resource = ResourceAt(dpi);
    const ContrastColours colours(false);
    if (!bar.LoadToolBar(m_resource, m_contrast ? colours.map : nullptr,
                         m_contrast ? kArtColours : 0))
        return FALSE;
    // Between the scales the images are drawn for, the smaller images sit in
    // the middle of buttons of the display's scale.
    bar.SetButtonSize(ButtonSize(dpi));
    if (m_contrast)
        SetDisabledImages(bar);
    return TRUE;
}

void CToolLook::OnSysColorChange(CToolBar& bar) {
    m_contrast = IsContrastScheme();
    const ContrastColours colours(false);
    bar.RemapImages(m_contrast ? colours.map : nullptr, m_contrast ? kArtColours : 0);
    SetDisabledImages(bar);
}

// comctl32 draws a disabled tool etched from its image, leaving out what is
// white: under a contrast scheme that is the lines. There the disabled tools
// take images of their own (none otherwise: the control's etching).
void CToolLook::SetDisabledImages(CToolBar& bar) {
    HIMAGELIST made = nullptr;
    const auto images = reinterpret_cast<HIMAGELIST>(bar.SendMessage(TB_GETIMAGELIST));
    int cx = 0, cy = 0;
    if (m_contrast && images && ImageList_GetIconSize(images, &cx, &cy)) {
        ContrastColours colours(true);
        COwnedBitmap bitmap(CreateMappedBitmap(
            AfxGetResourceHandle(), static_cast<INT_PTR>(m_resource), 0, colours.map, kArtColours));
        const int count = ImageList_GetImageCount(images);
        made = bitmap ? ImageList_Create(cx, cy, ILC_COLOR24 | ILC_MASK, count, 0) : nullptr;
        if (made && ImageList_AddMasked(made, bitmap, GetSysColor(COLOR_BTNFACE)) < 0) {
            ImageList_Destroy(made);
            made = nullptr;
        }
    }
    bar.SendMessage(TB_SETDISABLEDIMAGELIST, 0, reinterpret_cast<LPARAM>(made));
    if (m_disabledImages)
        ImageList_Destroy(m_disabledImages);
    m_disabledImages = made;
    bar.Invalidate(TRUE);
}

LRESULT CToolLook::OnCustomDraw(NMTBCUSTOMDRAW& draw) const {
    if (!m_contrast)
        return CDRF_DODEFAULT;
    if (draw.nmcd.dwDrawStage == CDDS_PREPAINT)
        return CDRF_NOTIFYITEMDRAW;
    if (draw.nmcd.dwDrawStage != CDDS_ITEMPREPAINT)
        return CDRF_DODEFAULT;
    // The face behind every tool; a pressed one framed thickly in the
    // highlight colour, the hot one thinly in the text colour.
    const UINT state = draw.nmcd.uItemState;
    RECT r = draw.nmcd.rc;
    FillRect(draw.nmcd.hdc, &r, GetSysColorBrush(COLOR_BTNFACE));
    if (state & (CDIS_CHECKED | CDIS_SELECTED))
        Ring(draw.nmcd.hdc, &r, GetSysColorBrush(COLOR_HIGHLIGHT), Scaled(2, m_dpi));
    else if (state & CDIS_HOT)
        Ring(draw.nmcd.hdc, &r, GetSysColorBrush(COLOR_BTNTEXT), Scaled(1, m_dpi));
    return TBCDRF_NOBACKGROUND | TBCDRF_NOEDGES | TBCDRF_NOOFFSET;
}
