/* draw.c - draws marks with GDI from their records and blocks: lines, arrows,
 * shapes, and text in the record's font and colours. */
#include "draw.h"

#include <math.h>
#include <stdio.h>
#include <string.h>

#define MIN(a, b) ((a) < (b) ? (a) : (b))
#define MAX(a, b) ((a) > (b) ? (a) : (b))

static COLORREF FromRecord(RGBQUAD c) {
    return RGB(c.rgbRed, c.rgbGreen, c.rgbBlue);
}

/* 32-bit word at byte offset of a block, or fallback when the block is short. */
static LONG BlockWord(const Mark* mark, const char* name, DWORD offset, LONG fallback) {
    const Block* block = MarkBlock((Mark*)mark, name);
    const BYTE* at;
    if (!block || block->size < offset + 4)
        return fallback;
    at = block->data + offset;
    return (LONG)((DWORD)at[0] | (DWORD)at[1] << 8 | (DWORD)at[2] << 16 | (DWORD)at[3] << 24);
}

RECT MarkBounds(const Mark* mark) {
    RECT r;
    r.left = MIN(mark->from.x, mark->to.x);
    r.top = MIN(mark->from.y, mark->to.y);
    r.right = MAX(mark->from.x, mark->to.x) + 1;
    r.bottom = MAX(mark->from.y, mark->to.y) + 1;
    return r;
}

static void DrawArrowHead(HDC dc, const Mark* m, COLORREF color) {
    double dx = m->to.x - m->from.x, dy = m->to.y - m->from.y, length = sqrt(dx * dx + dy * dy);
    LONG style = BlockWord(m, KEL_BLOCK_MARK_DATA, 0, 1);
    double size = BlockWord(m, KEL_BLOCK_MARK_DATA, 8, 12), ux, uy;
    POINT head[4];
    if (length < 1)
        return;
    ux = dx / length;
    uy = dy / length;
    /* Two sides of length size at 30 degrees either side of the shaft. */
    head[0] = m->to;
    head[1].x = m->to.x - (LONG)(size * (ux * 0.866 - uy * 0.5));
    head[1].y = m->to.y - (LONG)(size * (uy * 0.866 + ux * 0.5));
    head[3].x = m->to.x - (LONG)(size * (ux * 0.866 + uy * 0.5));
    head[3].y = m->to.y - (LONG)(size * (uy * 0.866 - ux * 0.5));
    head[2].x = m->to.x - (LONG)(size * ux * (style == 3 ? 0.5 : 0.866));
    head[2].y = m->to.y - (LONG)(size * uy * (style == 3 ? 0.5 : 0.866));
    if (style == 0) { /* open: two strokes */
        Polyline(dc, head, 2);
        MoveToEx(dc, head[0].x, head[0].y, NULL);
        LineTo(dc, head[3].x, head[3].y);
        return;
    }
    SetDCBrushColor(dc, color);
    SelectObject(dc, style == 2 ? GetStockObject(WHITE_BRUSH) : GetStockObject(DC_BRUSH));
    if (style == 3)
        Polygon(dc, head, 4);
    else {
        head[2] = head[3];
        Polygon(dc, head, 3);
    }
}

static void DrawText_(HDC dc, const Mark* m, RECT r, COLORREF color, UINT format) {
    char text[1024];
    HFONT font = CreateFontIndirectA(&m->attr.lfFont);
    HGDIOBJ old = SelectObject(dc, font);
    SetTextColor(dc, color);
    SetBkMode(dc, TRANSPARENT);
    InflateRect(&r, -3, -2);
    DrawTextA(dc, MarkText(m, text, sizeof text), -1, &r, format | DT_NOPREFIX);
    SelectObject(dc, old);
    DeleteObject(font);
}

static void DrawRuler(HDC dc, const Mark* m, COLORREF color) {
    /* The scale turns pixels into the unit: numerator / denominator per pixel. */
    double dx = m->to.x - m->from.x, dy = m->to.y - m->from.y;
    double nx = BlockWord(m, KEL_BLOCK_MARK_DATA, 0, 1),
           ddx = BlockWord(m, KEL_BLOCK_MARK_DATA, 4, 1);
    double ny = BlockWord(m, KEL_BLOCK_MARK_DATA, 8, 1),
           ddy = BlockWord(m, KEL_BLOCK_MARK_DATA, 12, 1);
    double ux = ddx ? dx * nx / ddx : 0, uy = ddy ? dy * ny / ddy : 0;
    char format[256], label[300];
    RECT r = MarkBounds(m);
    MoveToEx(dc, m->from.x, m->from.y, NULL);
    LineTo(dc, m->to.x, m->to.y);
    MarkText(m, format, sizeof format);
    if (!strstr(format, "%d") || strchr(strstr(format, "%d") + 2, '%'))
        strcpy(format, "%d"); /* only one number goes into the label */
    _snprintf(label, sizeof label, format, (int)(sqrt(ux * ux + uy * uy) + 0.5));
    label[sizeof label - 1] = 0;
    SetTextColor(dc, color);
    SetBkMode(dc, TRANSPARENT);
    TextOutA(dc, r.left, r.top - 18, label, (int)strlen(label));
}

void DrawMark(HDC dc, const Mark* m, BOOL selected) {
    const KEL_MARK_ATTRIBUTES* a = &m->attr;
    COLORREF main = FromRecord(a->rgbMain), extra = FromRecord(a->rgbExtra);
    RECT r = MarkBounds(m);
    int saved = SaveDC(dc);
    HPEN pen = CreatePen(a->nMarkType == KEL_MARK_HOT_SPOT ? PS_DOT : PS_SOLID,
                         (int)MIN(a->nLineSize, 100u), main);
    HBRUSH fill = CreateSolidBrush(main);
    HBRUSH hatch = CreateHatchBrush(HS_DIAGCROSS, main);
    LONG radius;
    char name[300];
    SelectObject(dc, pen);
    SelectObject(dc, GetStockObject(NULL_BRUSH));
    /* Highlighted marks let the page show through, as a marker pen would. */
    if (a->bHighlight || a->nMarkType == KEL_MARK_HIGHLIGHTER)
        SetROP2(dc, R2_MASKPEN);
    switch (a->nMarkType) {
    case KEL_MARK_STRAIGHT_LINE:
    case KEL_MARK_FREEHAND_LINE:
    case KEL_MARK_POLYLINE:
    case KEL_MARK_517:
    case KEL_MARK_ARROW:
        MoveToEx(dc, m->from.x, m->from.y, NULL);
        LineTo(dc, m->to.x, m->to.y);
        if (a->nMarkType == KEL_MARK_ARROW)
            DrawArrowHead(dc, m, main);
        break;
    case KEL_MARK_FILLED_RECTANGLE:
    case KEL_MARK_516:
    case KEL_MARK_REDACTION:
    case KEL_MARK_HIGHLIGHTER:
        /* A highlighted fill is ANDed with the page (PATAND), so the text stays readable. */
        SelectObject(dc, fill);
        PatBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top,
               a->bHighlight || a->nMarkType == KEL_MARK_HIGHLIGHTER ? 0x00A000C9 : PATCOPY);
        break;
    case KEL_MARK_HOLLOW_RECTANGLE:
    case KEL_MARK_HOT_SPOT:
        Rectangle(dc, r.left, r.top, r.right, r.bottom);
        break;
    case KEL_MARK_FILLED_ELLIPSE:
    case KEL_MARK_HOLLOW_ELLIPSE:
        if (a->nMarkType == KEL_MARK_FILLED_ELLIPSE)
            SelectObject(dc, fill);
        Ellipse(dc, r.left, r.top, r.right, r.bottom);
        break;
    case KEL_MARK_FILLED_POLYGON:
    case KEL_MARK_HOLLOW_POLYGON: {
        POINT diamond[4];
        diamond[0].x = diamond[2].x = (r.left + r.right) / 2;
        diamond[1].y = diamond[3].y = (r.top + r.bottom) / 2;
        diamond[0].y = r.top;
        diamond[2].y = r.bottom;
        diamond[1].x = r.right;
        diamond[3].x = r.left;
        if (a->nMarkType == KEL_MARK_FILLED_POLYGON)
            SelectObject(dc, fill);
        Polygon(dc, diamond, 4);
        break;
    }
    case KEL_MARK_ENCRYPTION:
        SelectObject(dc, hatch);
        Rectangle(dc, r.left, r.top, r.right, r.bottom);
        break;
    case KEL_MARK_RULER:
        DrawRuler(dc, m, main);
        break;
    case KEL_MARK_PROTRACTOR:
        radius = BlockWord(m, KEL_BLOCK_MARK_DATA, 16, 40);
        MoveToEx(dc, m->from.x, m->from.y, NULL);
        LineTo(dc, m->to.x, m->to.y);
        Arc(dc, m->from.x - radius, m->from.y - radius, m->from.x + radius, m->from.y + radius,
            m->to.x, m->to.y, m->from.x + radius, m->from.y);
        break;
    case KEL_MARK_TYPED_TEXT:
    case KEL_MARK_TEXT_FROM_FILE:
        DrawText_(dc, m, r, main, DT_WORDBREAK);
        break;
    case KEL_MARK_518:
        Rectangle(dc, r.left, r.top, r.right, r.bottom);
        DrawText_(dc, m, r, main, DT_WORDBREAK);
        break;
    case KEL_MARK_TEXT_STAMP:
        Rectangle(dc, r.left, r.top, r.right, r.bottom);
        DrawText_(dc, m, r, main, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        break;
    case KEL_MARK_ATTACH_A_NOTE:
    case KEL_MARK_PIN_UP_TEXT:
        FillRect(dc, &r, fill); /* the note's paper is the main colour, its text the second */
        DrawText_(dc, m, r, extra, DT_WORDBREAK);
        break;
    case KEL_MARK_BUTTON:
        FillRect(dc, &r, fill);
        DrawEdge(dc, &r, EDGE_RAISED, BF_RECT);
        DrawText_(dc, m, r, extra, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        break;
    default: { /* images, references, audio, rich text: a labelled frame */
        const Block* file = MarkBlock((Mark*)m, KEL_BLOCK_FILE_NAME);
        SelectObject(dc, GetStockObject(BLACK_PEN));
        Rectangle(dc, r.left, r.top, r.right, r.bottom);
        MoveToEx(dc, r.left, r.top, NULL);
        LineTo(dc, r.right, r.bottom);
        _snprintf(name, sizeof name, "%s %.*s",
                  MarkTypeName(a->nMarkType) ? MarkTypeName(a->nMarkType) : "?",
                  file && file->size ? (int)MIN(file->size, 200u) : 0,
                  file ? (const char*)file->data : "");
        name[sizeof name - 1] = 0;
        SetBkMode(dc, TRANSPARENT);
        TextOutA(dc, r.left + 3, r.top + 3, name, (int)strnlen(name, sizeof name));
        break;
    }
    }
    RestoreDC(dc, saved);
    if (selected) {
        InflateRect(&r, 4, 4);
        DrawFocusRect(dc, &r);
    }
    DeleteObject(pen);
    DeleteObject(fill);
    DeleteObject(hatch);
}
