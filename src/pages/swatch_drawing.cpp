// Drawing of one colour swatch.
#include "pages/swatch_drawing.h"

#include "framework/colour_scheme.h"
#include "framework/owned.h"

namespace {
HPEN SolidPen(COLORREF color) {
    return CreatePen(PS_SOLID, 1, color);
}

// Lines leave out their end points, as LineTo does: shadow on the right and
// bottom edges, highlight on the left and top edges.
void DrawRaisedBevel(HDC dc, const RECT& r) {
    const COwnedPen shadow(SolidPen(GetSysColor(COLOR_BTNSHADOW)));
    const COwnedPen highlight(SolidPen(GetSysColor(COLOR_BTNHIGHLIGHT)));
    const CSelection pens(dc, shadow);
    MoveToEx(dc, r.right - 1, r.top, nullptr);
    LineTo(dc, r.right - 1, r.bottom - 1);
    LineTo(dc, r.left - 1, r.bottom - 1);
    pens.Select(highlight);
    MoveToEx(dc, r.left, r.bottom - 2, nullptr);
    LineTo(dc, r.left, r.top);
    LineTo(dc, r.right - 1, r.top);
}

// The ring of width pixels just inside r; with cornersOut, its width x width
// corner squares are left as they are.
void Ring(HDC dc, const RECT& r, HBRUSH brush, int width, bool cornersOut = false) {
    const int in = cornersOut ? width : 0;
    const RECT sides[] = {
        {r.left + in, r.top, r.right - in, r.top + width},
        {r.left + in, r.bottom - width, r.right - in, r.bottom},
        {r.left, r.top + width, r.left + width, r.bottom - width},
        {r.right - width, r.top + width, r.right, r.bottom - width},
    };
    for (const RECT& side : sides)
        FillRect(dc, &side, brush);
}
} // namespace

// The face inside the frame, and inside the bevel of a selected swatch.
constexpr int kFaceInset = 2;
constexpr int kBevelWidth = 2;

void DrawSwatchFace(HDC dc, const RECT& item, COLORREF color, bool selected, int unit) {
    RECT r = item;
    InflateRect(&r, -kFaceInset * unit, -kFaceInset * unit);
    // Nested one-pixel bevels: wider ones keep the mitred corners.
    for (int ring = 0; selected && ring < kBevelWidth * unit; ++ring) {
        DrawRaisedBevel(dc, r);
        InflateRect(&r, -1, -1);
    }
    // The nearest colour the device offers keeps the fill solid on palettes.
    const COwnedBrush fill(CreateSolidBrush(GetNearestColor(dc, color)));
    FillRect(dc, &r, fill);
}

void DrawSwatchFrame(HDC dc, const RECT& item, bool focused, int unit) {
    // System colour brushes belong to the system and are never deleted.
    HBRUSH face = GetSysColorBrush(COLOR_BTNFACE);
    const COLORREF windowFrame = GetSysColor(COLOR_WINDOWFRAME);
    const COwnedBrush frame(CreateSolidBrush(
        IsContrastScheme() ? StandingOut(windowFrame, GetSysColor(COLOR_BTNFACE)) : windowFrame));
    RECT f = item;
    Ring(dc, f, face, unit);
    InflateRect(&f, -unit, -unit);
    if (focused) {
        Ring(dc, f, frame, unit);
        InflateRect(&f, unit, unit);
    } else {
        Ring(dc, f, face, unit);
    }
    Ring(dc, f, frame, unit, true);
}

void DrawSwatchFocusRing(HDC dc, const RECT& item, COLORREF color, bool selected, int unit) {
    // One unit of the colour stays between the ring and the frame or bevel.
    RECT ring = item;
    const int inset = (kFaceInset + (selected ? kBevelWidth : 0) + 1) * unit;
    InflateRect(&ring, -inset, -inset);
    HBRUSH contrast =
        static_cast<HBRUSH>(GetStockObject(Lightness(color) >= 128 ? BLACK_BRUSH : WHITE_BRUSH));
    Ring(dc, ring, contrast, unit);
}
