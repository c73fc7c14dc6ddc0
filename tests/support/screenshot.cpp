// Captures screen rectangles into 32-bit DIB sections and writes them as PNG.
#include "screenshot.h"

#include "host_window.h"

#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STBI_WRITE_NO_STDIO_WIN32_UTF8_CHECK
#include <stb_image_write.h>

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

bool WritePng(const Image& image, const std::string& path) {
    if (image.Empty())
        return false;
    std::vector<unsigned char> rgba;
    for (uint32_t p : image.pixels)
        rgba.insert(rgba.end(), {uint8_t(p >> 16), uint8_t(p >> 8), uint8_t(p), 0xFF});
    return stbi_write_png(path.c_str(), image.width, image.height, 4, rgba.data(),
                          image.width * 4) != 0;
}

Image CaptureSettled(const RECT& rect) {
    Image previous;
    for (int attempt = 0; attempt < 20; ++attempt) {
        DispatchPending();
        Sleep(50);
        Image shot = CaptureScreen(rect);
        if (!shot.Empty() && shot.pixels == previous.pixels)
            return shot;
        previous = std::move(shot);
    }
    return previous;
}

Image TwiceAsLarge(const Image& image) {
    Image large = {image.width * 2, image.height * 2, {}};
    large.pixels.resize(static_cast<size_t>(large.width) * large.height);
    for (int y = 0; y < large.height; ++y)
        for (int x = 0; x < large.width; ++x)
            large.pixels[static_cast<size_t>(y) * large.width + x] =
                image.pixels[static_cast<size_t>(y / 2) * image.width + x / 2];
    return large;
}

} // namespace kelgui_test
