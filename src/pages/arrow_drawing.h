// Drawing an arrow mark's head and shaft: the arrow page's style list and
// sample use it, and so may anything else that draws arrows.
#pragma once

#include <windows.h>

// Draws the segment from tip to tail with head style 0 to 3 (any other value
// draws nothing) and head size L, with the pen selected in dc; filled heads are
// filled with fill. No pen or brush is made; the brush dc had is selected back.
void DrawArrow(HDC dc, POINT tip, POINT tail, int style, DWORD size, HBRUSH fill);
