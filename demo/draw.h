/* draw.h - plain GDI drawing of the demo host's marks. */
#ifndef DEMO_DRAW_H
#define DEMO_DRAW_H

#include "marks.h"

/* The rectangle a mark covers, in page pixels. */
RECT MarkBounds(const Mark* mark);
/* Draws one mark, with a focus frame when it is selected. */
void DrawMark(HDC dc, const Mark* mark, BOOL selected);

#endif
