// Host stand-in window and a PeekMessage loop for tests.
#include "host_window.h"

namespace kelgui_test {

namespace {

constexpr char kHostClass[] = "KelguiTestHost";

const char* RegisterHostClass() {
    static bool registered = [] {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        wc.lpszClassName = kHostClass;
        return RegisterClassA(&wc) != 0;
    }();
    return registered ? kHostClass : nullptr;
}

} // namespace

// Dispatches what is queued now; false once WM_QUIT was seen (it is posted again
// so that an outer loop sees it too).
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

HostWindow::HostWindow(const char* title, RECT rect) {
    m_window = CreateWindowExA(0, RegisterHostClass(), title, WS_OVERLAPPEDWINDOW, rect.left,
                               rect.top, rect.right - rect.left, rect.bottom - rect.top, nullptr,
                               nullptr, GetModuleHandleA(nullptr), nullptr);
    if (m_window) {
        ShowWindow(m_window, SW_SHOW);
        UpdateWindow(m_window);
        SetForegroundWindow(m_window);
    }
}

HostWindow::~HostWindow() {
    if (IsWindow(m_window))
        DestroyWindow(m_window);
}

bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    for (;;) {
        if (!DispatchPending() || done())
            break;
        DWORD elapsed = GetTickCount() - start;
        if (elapsed >= timeoutMs)
            break;
        // Short waits: done() may also change through other threads.
        DWORD wait = timeoutMs - elapsed < 10 ? timeoutMs - elapsed : 10;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, wait, QS_ALLINPUT);
    }
    return done();
}

void PumpMessages(DWORD ms) {
    PumpUntil([] { return false; }, ms);
}

} // namespace kelgui_test
