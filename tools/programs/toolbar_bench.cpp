// Benchmark: the floating toolbar made and destroyed through the exports 1,000
// times, against a plain tool window holding a comctl32 tool bar of the same
// 27 buttons from the same bitmap; and the process's GDI objects, USER objects
// and private bytes after 100 and 1,000 cycles, which must not grow.
#include "bench.h"
#include "resource_ids.h"
#include "support/host_window.h"
#include "kelgui.h"

#include <commctrl.h>

namespace {

HWND g_host = nullptr;
constexpr int kButtons = 27;

bool LibraryCycle() {
    HWND frame = nullptr;
    if (!KEL_GUI_toolbar_create(g_host, 500, 100, &frame))
        return false;
    kelgui_test::DispatchPending();
    DestroyWindow(frame);
    kelgui_test::DispatchPending();
    return true;
}

// The same look without the library: two check buttons a row, shown at once.
bool PlainCycle() {
    HWND frame = CreateWindowExA(WS_EX_TOOLWINDOW, "#32770", "", WS_POPUP | WS_CAPTION | WS_SYSMENU,
                                 500, 100, 60, 330, g_host, nullptr, nullptr, nullptr);
    TBBUTTON buttons[kButtons] = {};
    for (int i = 0; i < kButtons; ++i) {
        buttons[i].iBitmap = i;
        buttons[i].idCommand = IDS_TOOL_SELECT + i;
        buttons[i].fsState = TBSTATE_ENABLED | (i % 2 ? TBSTATE_WRAP : 0);
        buttons[i].fsStyle = TBSTYLE_CHECK;
    }
    HWND bar = CreateToolbarEx(frame, WS_CHILD | WS_VISIBLE | TBSTYLE_TOOLTIPS | CCS_NORESIZE, 1,
                               kButtons, GetModuleHandleA("kelgui.dll"), IDR_TOOLBAR, buttons,
                               kButtons, 16, 15, 16, 15, sizeof(TBBUTTON));
    ShowWindow(frame, SW_SHOWNA);
    kelgui_test::DispatchPending();
    DestroyWindow(frame);
    kelgui_test::DispatchPending();
    return bar != nullptr;
}

} // namespace

int main() {
    if (!bench::Start(ICC_BAR_CLASSES))
        return 2;
    kelgui_test::HostWindow host;
    g_host = host;
    int failures = 0;
    bench::GrowthLines("toolbar", LibraryCycle, failures);
    bench::CompareLine("toolbar create and destroy", LibraryCycle, PlainCycle, 20, 10, "-",
                       failures);
    if (failures)
        std::printf("failed cycles: %d\n", failures);
    return failures ? 1 : 0;
}
