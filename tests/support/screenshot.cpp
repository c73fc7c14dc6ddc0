// Captures screen rectangles through a 32-bit DIB section.
#include "screenshot.h"

#include "dialog_helpers.h"

#include <memory>
#include <utility>

namespace kelgui_test {

static Image CaptureScreen(const RECT& rect) {
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0)
        return {};
    // A negative height gives top-down rows.
    BITMAPINFO info = {{sizeof info.bmiHeader, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
    HDC screen = GetDC(nullptr), memory = CreateCompatibleDC(screen);
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    SelectObject(memory, dib);
    Image image;
    if (bits && BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY)) {
        GdiFlush();
        const uint32_t* p = static_cast<const uint32_t*>(bits);
        image = {width, height, {p, p + static_cast<size_t>(width) * height}};
        for (uint32_t& px : image.pixels) // 0x00RRGGBB to 0x00BBGGRR
            px = RGB((px >> 16) & 0xFF, (px >> 8) & 0xFF, px & 0xFF);
    }
    DeleteDC(memory); // first, which lets go of the section
    DeleteObject(dib);
    ReleaseDC(nullptr, screen);
    return image;
}

std::function<bool()> SettledCapture(std::function<RECT()> where, Image& out) {
    auto last = std::make_shared<std::pair<Image, DWORD>>(); // and the tick it was first seen
    return [where = std::move(where), &out, last] {
        Image shot = CaptureScreen(where());
        const DWORD now = GetTickCount();
        if (shot.Empty() || shot.pixels != last->first.pixels)
            return *last = {std::move(shot), now}, false;
        if (now - last->second < 100)
            return false;
        out = std::move(shot);
        return true;
    };
}

Image CaptureSettled(const RECT& rect) {
    Image shot;
    const auto step = SettledCapture([&rect] { return rect; }, shot);
    for (int attempt = 0; attempt < 100 && !step(); ++attempt)
        DispatchPending(), Sleep(20);
    return shot;
}

} // namespace kelgui_test
