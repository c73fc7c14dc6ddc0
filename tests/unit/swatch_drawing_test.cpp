// Swatch drawing on a memory device context: the rings of the bevel and the
// frame, and that the context gets its own pen back.
#include "pages/swatch_drawing.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

class Canvas {
public:
    Canvas(int width, int height) : m_width(width) {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        m_dc = CreateCompatibleDC(nullptr);
        m_bitmap = CreateDIBSection(m_dc, &info, DIB_RGB_COLORS, &m_bits, nullptr, 0);
        m_old = SelectObject(m_dc, m_bitmap);
    }
    ~Canvas() {
        SelectObject(m_dc, m_old);
        DeleteObject(m_bitmap);
        DeleteDC(m_dc);
    }
    HDC Dc() const { return m_dc; }
    COLORREF At(int x, int y) const {
        GdiFlush();
        uint32_t p = static_cast<const uint32_t*>(m_bits)[y * m_width + x];
        return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    }

private:
    int m_width;
    HDC m_dc;
    HBITMAP m_bitmap;
    HGDIOBJ m_old;
    void* m_bits = nullptr;
};

const RECT kItem = {0, 0, 22, 18};

TEST(SwatchDrawing, SelectedFaceHasTwoBevelsAroundTheFill) {
    Canvas canvas(22, 18);
    DrawSwatchFace(canvas.Dc(), kItem, RGB(0, 0, 128), true);
    const COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT);
    const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
    EXPECT_EQ(light, canvas.At(2, 8));    // left of the outer bevel
    EXPECT_EQ(light, canvas.At(3, 8));    // left of the inner bevel
    EXPECT_EQ(light, canvas.At(10, 2));   // top
    EXPECT_EQ(shadow, canvas.At(19, 8));  // right of the outer bevel
    EXPECT_EQ(shadow, canvas.At(18, 8));  // right of the inner bevel
    EXPECT_EQ(shadow, canvas.At(10, 15)); // bottom
    EXPECT_EQ(shadow, canvas.At(2, 15)) << "the shadow's bottom line reaches the left edge";
    EXPECT_EQ(RGB(0, 0, 128), canvas.At(4, 4));
    EXPECT_EQ(RGB(0, 0, 128), canvas.At(17, 13));
    EXPECT_EQ(RGB(0, 0, 0), canvas.At(1, 8)) << "nothing outside ring 2";
}

TEST(SwatchDrawing, FrameRingsWithAndWithoutFocus) {
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const COLORREF frame = GetSysColor(COLOR_WINDOWFRAME);
    Canvas focused(22, 18);
    DrawSwatchFrame(focused.Dc(), kItem, true);
    EXPECT_EQ(face, focused.At(0, 0)) << "outer corner";
    EXPECT_EQ(frame, focused.At(0, 8));
    EXPECT_EQ(frame, focused.At(1, 8));
    EXPECT_EQ(frame, focused.At(10, 17));
    EXPECT_EQ(frame, focused.At(1, 1));

    Canvas plain(22, 18);
    DrawSwatchFrame(plain.Dc(), kItem, false);
    EXPECT_EQ(face, plain.At(0, 8));
    EXPECT_EQ(frame, plain.At(1, 8));
    EXPECT_EQ(face, plain.At(1, 1)) << "corners left out";
    EXPECT_EQ(frame, plain.At(20, 8));
    EXPECT_EQ(frame, plain.At(10, 16));
    EXPECT_EQ(face, plain.At(21, 8));
}

// GetGuiResources counts nothing under Wine; the handle table does: brushes
// made until it is full, then deleted again.
size_t FreeGdiSlots() {
    std::vector<HBRUSH> brushes;
    while (brushes.size() < 200000) {
        HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
        if (!brush)
            break;
        brushes.push_back(brush);
    }
    for (HBRUSH brush : brushes)
        DeleteObject(brush);
    return brushes.size();
}

TEST(SwatchDrawing, TheContextsPenIsSelectedBackAndNothingIsLeftBehind) {
    Canvas canvas(22, 18);
    HGDIOBJ pen = GetCurrentObject(canvas.Dc(), OBJ_PEN);
    HGDIOBJ brush = GetCurrentObject(canvas.Dc(), OBJ_BRUSH);
    const DWORD countedBefore = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    const size_t freeBefore = FreeGdiSlots();
    for (int i = 0; i < 300; ++i) {
        DrawSwatchFace(canvas.Dc(), kItem, RGB(i, 0, 0), i % 2 == 0);
        DrawSwatchFrame(canvas.Dc(), kItem, i % 3 == 0);
    }
    EXPECT_EQ(pen, GetCurrentObject(canvas.Dc(), OBJ_PEN));
    EXPECT_EQ(brush, GetCurrentObject(canvas.Dc(), OBJ_BRUSH));
    EXPECT_EQ(countedBefore, GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS));
    EXPECT_EQ(freeBefore, FreeGdiSlots());
}

} // namespace
