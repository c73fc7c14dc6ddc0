// A plain top-level window that stands in for the host application, and the
// host's message loop for tests that are not blocked in a modal call.
#pragma once

#include <windows.h>

namespace kelgui_test {

// An overlapped window, shown in the foreground; destroyed with the object.
class HostWindow {
public:
    HostWindow();
    ~HostWindow() { DestroyWindow(m_window); }
    HostWindow(const HostWindow&) = delete;
    HostWindow& operator=(const HostWindow&) = delete;

    HWND Handle() const { return m_window; }
    operator HWND() const { return m_window; }

private:
    HWND m_window = nullptr;
};

// Dispatches what is queued now; false once WM_QUIT was seen (it is posted
// again so that an outer loop sees it too).
bool DispatchPending();

} // namespace kelgui_test
