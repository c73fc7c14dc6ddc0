// A plain top-level window that stands in for the host application, and the
// host's message loop for tests that are not blocked in a modal call.
#pragma once

#include <functional>

#include <windows.h>

namespace kelgui_test {

class HostWindow {
public:
    // Creates and shows an overlapped window with the given screen rectangle.
    explicit HostWindow(const char* title = "kelgui test host", RECT rect = {40, 40, 640, 480});
    ~HostWindow();
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
// Dispatches the thread's messages for ms milliseconds (as a host's loop does).
void PumpMessages(DWORD ms);
// Dispatches messages until done() is true or timeoutMs passed; returns done().
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 5000);

} // namespace kelgui_test
