// Drives a modal dialog that the test thread itself is blocked in, from a script of
// steps run by a thread timer (timers fire inside any modal message loop).
#pragma once

#include "dialog_helpers.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace kelgui_test {

// A step returns true when done, false to be tried again next tick.
using Step = std::function<bool()>;

// A step not done in 5 s, one that throws or never returns (a crash Wine swallowed, a
// sent message that opened a nested modal loop) fails the script, as do dialogs still up
// 5 s after the last step; the driver then closes the thread's dialogs, so the blocking
// call returns instead of hanging.
class ModalDriver {
public:
    ModalDriver() = default;
    ~ModalDriver() { Stop(); }
    ModalDriver(const ModalDriver&) = delete;
    ModalDriver& operator=(const ModalDriver&) = delete;

    ModalDriver& Then(std::string name, Step step);
    ModalDriver& Do(std::string name, std::function<void()> action);
    // Right before the blocking call (one driver a thread); stops by itself after the last
    // step once no dialog is left.
    void Start();
    void Stop();
    bool Finished() const { return m_failure.empty() && m_next == m_steps.size(); }
    std::string Report() const; // one line per step, and the failure

private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);
    void Tick();
    void Fail(const std::string& why);

    std::vector<std::pair<std::string, Step>> m_steps; // name, step
    size_t m_next = 0;
    UINT_PTR m_timer = 0;
    bool m_inStep = false;
    std::string m_failure;
    DWORD m_stepTick = 0, m_endTick = 0, m_cancelTick = 0; // step begun, script ended, last cancel
};

// Waiting steps; each stores what it found in out (references outlive the run).
Step WaitForSheet(HWND& out);         // a visible property sheet of this thread
Step WaitForGone(const HWND& window); // destroyed or hidden
Step WaitForPage(const HWND& sheet, int index, HWND& page); // index in front, its page

} // namespace kelgui_test
