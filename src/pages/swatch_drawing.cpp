// Drawing of one colour swatch.
#include "pages/swatch_drawing.h"

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

void DrawLine(HDC dc, int x1, int y1, int x2, int y2) {
    MoveToEx(dc, x1, y1, nullptr);
    LineTo(dc, x2, y2);
}
} // namespace

// The face inside the frame, and inside the bevel of a selected swatch.
constexpr int kFaceInset = 2;
constexpr int kBevelWidth = 2;

void DrawSwatchFace(HDC dc, const RECT& item, COLORREF color, bool selected) {
    RECT r = item;
    InflateRect(&r, -kFaceInset, -kFaceInset);
    if (selected) {
        DrawRaisedBevel(dc, r);
        InflateRect(&r, -1, -1);
        DrawRaisedBevel(dc, r);
        InflateRect(&r, -1, -1);
    }
    // The nearest colour the device offers keeps the fill solid on palettes.
    const COwnedBrush fill(CreateSolidBrush(GetNearestColor(dc, color)));
    FillRect(dc, &r, fill);
}

void DrawSwatchFrame(HDC dc, const RECT& item, bool focused) {
    // System colour brushes belong to the system and are never deleted.
    HBRUSH face = GetSysColorBrush(COLOR_BTNFACE);
    RECT f = item;
    FrameRect(dc, &f, face);
    InflateRect(&f, -1, -1);
    if (focused) {
        FrameRect(dc, &f, GetSysColorBrush(COLOR_WINDOWFRAME));
        InflateRect(&f, 1, 1);
    } else {
        FrameRect(dc, &f, face);
    }
    const COwnedPen frame(SolidPen(GetSysColor(COLOR_WINDOWFRAME)));
    const CSelection pen(dc, frame);
    DrawLine(dc, f.left + 1, f.top, f.right - 1, f.top);
    DrawLine(dc, f.left + 1, f.bottom - 1, f.right - 1, f.bottom - 1);
    DrawLine(dc, f.left, f.top + 1, f.left, f.bottom - 1);
    DrawLine(dc, f.right - 1, f.top + 1, f.right - 1, f.bottom - 1);
}

void DrawSwatchFocusRing(HDC dc, const RECT& item, COLORREF color, bool selected) {
    // One pixel of the colour stays between the ring and the frame or bevel.
    RECT ring = item;
    const int inset = kFaceInset + (selected ? kBevelWidth : 0) + 1;
    InflateRect(&ring, -inset, -inset);
    const int lightness =
        (GetRValue(color) * 299 + GetGValue(color) * 587 + GetBValue(color) * 114) / 1000;
    HBRUSH contrast =
        static_cast<HBRUSH>(GetStockObject(lightness >= 128 ? BLACK_BRUSH : WHITE_BRUSH));
    FrameRect(dc, &ring, contrast);
}
