// Dialog templates as bytes: the font a template asks for, and a copy of a
// template drawn in another font. Pages use this to take their sheet's font.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// The font fields of a template (DS_SETFONT). Templates in the older format
// carry only the point size and the face.
struct DialogFont {
    WORD pointSize = 0;
    WORD weight = 0;
    BYTE italic = 0;
    BYTE charSet = DEFAULT_CHARSET;
    std::wstring face;
};

// The font of a template of either format; false when it names none or its
// bytes end early.
bool ReadDialogFont(const BYTE* bytes, size_t size, DialogFont* font);

// A copy of the template in font; controls, ids, styles and positions stay as
// they are. Empty when the template names no font or its bytes end early.
std::vector<BYTE> WithDialogFont(const BYTE* bytes, size_t size, const DialogFont& font);

// The font of comctl32's own property sheet dialog: the sheet's font.
bool AfxGetPropSheetFont(DialogFont* font);
