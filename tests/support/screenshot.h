// Captures what a window shows on the screen.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include <windows.h>

namespace kelgui_test {

struct Image {
    int width = 0, height = 0;
    std::vector<uint32_t> pixels; // top-down rows of COLORREFs, as GetSysColor and RGB() give

    bool Empty() const { return pixels.empty(); }
    COLORREF At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

// A rectangle of the screen (screen coordinates) once it has settled: Wine copies what
// windows paint to the X screen a little later, so a capture counts once it has stayed
// the same for 100 ms. Dispatches the thread's messages meanwhile.
Image CaptureSettled(const RECT& rect);
// The same as a modal driver's step: captures where() each tick, letting the modal loop
// paint in between, and is done once the capture has settled; out then holds it.
std::function<bool()> SettledCapture(std::function<RECT()> where, Image& out);

} // namespace kelgui_test
