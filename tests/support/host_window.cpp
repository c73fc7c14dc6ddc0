// Host stand-in window and a PeekMessage loop for tests.
#include "host_window.h"

namespace kelgui_test {

bool DispatchPending() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            return false;
        }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return true;
}

HostWindow::HostWindow() {
    static const ATOM kClass = [] {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        wc.lpszClassName = "KelguiTestHost";
        return RegisterClassA(&wc);
    }();
    m_window = CreateWindowExA(0, MAKEINTATOM(kClass), "kelgui test host", WS_OVERLAPPEDWINDOW, 40,
                               40, 600, 440, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ShowWindow(m_window, SW_SHOW);
    UpdateWindow(m_window);
    SetForegroundWindow(m_window);
}

} // namespace kelgui_test
