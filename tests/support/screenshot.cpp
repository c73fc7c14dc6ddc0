// Captures screen rectangles into 32-bit DIB sections and writes them as PNG.
#include "screenshot.h"

#include "host_window.h"

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wunused-parameter"
#pragma GCC diagnostic ignored "-Wsign-compare"
#pragma GCC diagnostic ignored "-Wunused-function"
#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STBI_WRITE_NO_STDIO_WIN32_UTF8_CHECK
#include <stb_image_write.h>
#pragma GCC diagnostic pop

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

    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;

    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (dib && bits) {
        HGDIOBJ old = SelectObject(memory, dib);
        if (BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY)) {
            GdiFlush();
            const uint32_t* p = static_cast<const uint32_t*>(bits);
            image.width = width;
            image.height = height;
            image.pixels.assign(p, p + static_cast<size_t>(width) * height);
            for (uint32_t& px : image.pixels)
                px &= 0x00FFFFFF;
        }
        SelectObject(memory, old);
    }
    if (dib)
        DeleteObject(dib);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return image;
}

Image CaptureWindow(HWND window) {
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    // Wine copies a window's painting to the X screen when the thread waits; wait
    // briefly (for no message) so that the copy is there before reading the screen.
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 30, 0);
    RECT rect = {};
    GetWindowRect(window, &rect);
    return CaptureScreen(rect);
}

bool WritePng(const Image& image, const std::string& path) {
    if (image.Empty())
        return false;
    std::vector<unsigned char> rgba(image.pixels.size() * 4);
    for (size_t i = 0; i < image.pixels.size(); ++i) {
        uint32_t p = image.pixels[i];
        rgba[i * 4 + 0] = (p >> 16) & 0xFF;
        rgba[i * 4 + 1] = (p >> 8) & 0xFF;
        rgba[i * 4 + 2] = p & 0xFF;
        rgba[i * 4 + 3] = 0xFF;
    }
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
    Image large;
    large.width = image.width * 2;
    large.height = image.height * 2;
    large.pixels.resize(static_cast<size_t>(large.width) * large.height);
    for (int y = 0; y < large.height; ++y)
        for (int x = 0; x < large.width; ++x)
            large.pixels[static_cast<size_t>(y) * large.width + x] =
                image.pixels[static_cast<size_t>(y / 2) * image.width + x / 2];
    return large;
}

} // namespace kelgui_test
