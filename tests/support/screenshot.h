// Captures what a window shows on the screen, as 32-bit pixels.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include <windows.h>

namespace kelgui_test {

struct Image {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels; // top-down rows, 0x00RRGGBB

    bool Empty() const { return pixels.empty(); }
    // The pixel as a COLORREF (0x00BBGGRR), for comparing with GetSysColor and RGB().
    COLORREF At(int x, int y) const;
};

// Copies a rectangle of the screen (screen coordinates).
Image CaptureScreen(const RECT& rect);
// Copies a rectangle of the screen once it has settled: Wine copies what
// windows paint to the X screen a little later, so a capture counts once it
// has stayed the same for kSettledMs. Dispatches the thread's messages meanwhile.
Image CaptureSettled(const RECT& rect);

// The same as a modal driver's step (see modal_driver.h): captures where()
// each tick, letting the modal loop paint in between, and is done once the
// capture has stayed the same for kSettledMs; out then holds it.
std::function<bool()> SettledCapture(std::function<RECT()> where, Image& out);
constexpr unsigned kSettledMs = 100;

} // namespace kelgui_test
