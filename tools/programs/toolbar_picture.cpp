// Writes the picture of the floating toolbar shown in the docs: a pressed
// tool and a tooltip, at twice the size. Usage: toolbar_picture.exe <png path>
#include "support/screenshot.h"
#include "ui/toolbar_test_host.h"

#include <cstdio>

using namespace toolbar_test;

int main(int argc, char** argv) {
    if (argc != 2 || !Gui().Loaded()) {
        std::fprintf(stderr, "usage: toolbar_picture <png path> (kelgui.dll beside it)\n");
        return 2;
    }
    HostWindow host;
    HWND frame = nullptr;
    if (!Gui().toolbar_create(host.Handle(), 420, 60, &frame))
        return 1;
    PumpPending();
    HWND bar = BarOf(frame);
    ClickButton(bar, 2784); // the arrow tool, pressed
    POINT over = ButtonCentre(bar, 2785);
    ClientToScreen(bar, &over);
    SetCursorPos(over.x, over.y); // the bar's own tooltip follows the cursor
    HWND tooltip = reinterpret_cast<HWND>(SendMessageA(bar, TB_GETTOOLTIPS, 0, 0));
    for (int i = 0; i < 300 && !IsWindowVisible(tooltip); ++i) {
        PumpPending();
        Sleep(10);
    }
    RECT area = {};
    GetWindowRect(frame, &area);
    if (IsWindowVisible(tooltip)) {
        RECT tip = {};
        GetWindowRect(tooltip, &tip);
        UnionRect(&area, &area, &tip);
    }
    InflateRect(&area, 6, 6);
    const bool written = kelgui_test::WritePng(
        kelgui_test::TwiceAsLarge(kelgui_test::CaptureSettled(area)), argv[1]);
    DestroyWindow(frame);
    return written ? 0 : 1;
}
