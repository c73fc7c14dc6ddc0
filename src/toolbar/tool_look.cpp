// CToolLook: the tools' images by scale and scheme, and the pressed tool under
// a contrast scheme.
#include "toolbar/tool_look.h"

#include "framework/colour_scheme.h"
#include "resources/resource_ids.h"

namespace {
// The tool bar resources by the scale their images are drawn for, largest
// first; each is taken from its DPI up.
struct ImageSet {
    UINT dpi;
    UINT resource;
    int percent;
};
constexpr ImageSet kImageSets[] = {
    {192, IDR_TOOLBAR_200, 200},
    {144, IDR_TOOLBAR_150, 150},
    {kStandardDpi, IDR_TOOLBAR, 100},
};
// The button of 16 x 15 images, at 100 per cent.
constexpr SIZE kStandardButton = {23, 22};

// The images' colours under a contrast scheme; none (the control's standard
// map) otherwise.
struct ImageColours {
    explicit ImageColours(bool contrast)
        : map(contrast ? ContrastImageColours() : decltype(map){}),
          count(contrast ? static_cast<int>(map.size()) : 0) {}
    const COLORMAP* Map() const { return count ? map.data() : nullptr; }

    std::array<COLORMAP, 4> map;
    int count;
};

// A ring of the given width just inside r, which is left inside it.
void Ring(HDC dc, RECT* r, HBRUSH brush, int width) {
    for (int i = 0; i < width; ++i) {
        FrameRect(dc, r, brush);
        InflateRect(r, -1, -1);
    }
}
} // namespace

BOOL CToolLook::Load(CToolBar& bar, UINT dpi) {
    m_dpi = dpi;
    m_contrast = IsContrastScheme();
    const ImageSet* set = kImageSets;
    while (set->dpi > dpi && set->resource != IDR_TOOLBAR)
        ++set;
    const ImageColours colours(m_contrast);
    if (!bar.LoadToolBar(set->resource, colours.Map(), colours.count))
        return FALSE;
    if (set->percent != 100)
        bar.SetButtonSize({MulDiv(kStandardButton.cx, set->percent, 100),
                           MulDiv(kStandardButton.cy, set->percent, 100)});
    return TRUE;
}

void CToolLook::OnSysColorChange(CToolBar& bar) {
    m_contrast = IsContrastScheme();
    const ImageColours colours(m_contrast);
    bar.RemapImages(colours.Map(), colours.count);
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
