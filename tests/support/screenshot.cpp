// Captures screen rectangles into 32-bit DIB sections.
#include "screenshot.h"

#include "dialog_helpers.h"

#include <memory>
#include <utility>

namespace kelgui_test {

COLORREF Image::At(int x, int y) const {
    uint32_t p = pixels[static_cast<size_t>(y) * width + x];
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

Image CaptureScreen(const RECT& rect) {
    Image image;
    int width = rect.right - rect.left, height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0)
        return image;

    // A negative height gives top-down rows.
    BITMAPINFO info = {{sizeof info.bmiHeader, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};

    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, dib);
    if (bits && BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY)) {
        GdiFlush();
        const uint32_t* p = static_cast<const uint32_t*>(bits);
        image = {width, height, {p, p + static_cast<size_t>(width) * height}};
        for (uint32_t& px : image.pixels)
            px &= 0x00FFFFFF;
    }
    SelectObject(memory, old);
    DeleteObject(dib);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return image;
}

std::function<bool()> SettledCapture(std::function<RECT()> where, Image& out) {
    struct Last {
        Image shot;
        DWORD since = 0; // tick of the first capture that looked like shot
    };
    auto last = std::make_shared<Last>();
    return [where = std::move(where), &out, last] {
        Image shot = CaptureScreen(where());
        const DWORD now = GetTickCount();
        if (shot.Empty() || shot.pixels != last->shot.pixels) {
            *last = Last{std::move(shot), now};
            return false;
        }
        if (now - last->since < kSettledMs)
            return false;
        out = std::move(shot);
        return true;
    };
}

Image CaptureSettled(const RECT& rect) {
    Image shot;
    const auto step = SettledCapture([&rect] { return rect; }, shot);
    for (int attempt = 0; attempt < 100 && !step(); ++attempt) {
        DispatchPending();
        Sleep(20);
    }
    return shot;
}

} // namespace kelgui_test
