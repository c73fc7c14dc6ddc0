/* picture.c - screen rectangles to PNG files, for the tour. */
#include "picture.h"

#include <stdlib.h>
#include <string.h>

#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wunused-parameter"
#pragma GCC diagnostic ignored "-Wsign-compare"
#pragma GCC diagnostic ignored "-Wunused-function"
#endif
#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STBI_WRITE_NO_STDIO_WIN32_UTF8_CHECK
#include <stb_image_write.h>
#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif

/* The area's pixels as RGBA rows, top down; NULL on failure. */
static unsigned char* Capture(RECT area) {
    int width = area.right - area.left, height = area.bottom - area.top, i;
    BITMAPINFO info;
    HDC screen = GetDC(NULL), memory = CreateCompatibleDC(screen);
    void* bits = NULL;
    HBITMAP dib;
    unsigned char* rgba = NULL;
    memset(&info, 0, sizeof info);
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    dib = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, NULL, 0);
    if (dib && bits && (rgba = (unsigned char*)malloc((size_t)width * height * 4)) != NULL) {
        HGDIOBJ old = SelectObject(memory, dib);
        const unsigned char* p = (const unsigned char*)bits;
        BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
        GdiFlush();
        for (i = 0; i < width * height; ++i) { /* BGRX to RGBA */
            rgba[4 * i] = p[4 * i + 2];
            rgba[4 * i + 1] = p[4 * i + 1];
            rgba[4 * i + 2] = p[4 * i];
            rgba[4 * i + 3] = 0xFF;
        }
        SelectObject(memory, old);
    }
    if (dib)
        DeleteObject(dib);
    DeleteDC(memory);
    ReleaseDC(NULL, screen);
    return rgba;
}

BOOL WriteScreenPng(RECT area, const char* path) {
    int width = area.right - area.left, height = area.bottom - area.top, attempt;
    unsigned char *shot = NULL, *previous = NULL;
    BOOL written = FALSE;
    if (width <= 0 || height <= 0)
        return FALSE;
    for (attempt = 0; attempt < 20; ++attempt) {
        MSG msg;
        while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(50);
        shot = Capture(area);
        if (shot && previous && memcmp(shot, previous, (size_t)width * height * 4) == 0)
            break;
        free(previous);
        previous = shot;
        shot = NULL;
    }
    if (!shot) {
        shot = previous;
        previous = NULL;
    }
    if (shot)
        written = stbi_write_png(path, width, height, 4, shot, width * 4) != 0;
    free(shot);
    free(previous);
    return written;
}
