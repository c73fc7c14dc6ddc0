// Runs a test's script of steps from a thread timer inside a modal message loop.
#include "modal_driver.h"

#include <algorithm>
#include <exception>

namespace kelgui_test {

// The one running driver of this thread: a thread timer carries no user data.
static thread_local ModalDriver* t_running = nullptr;

ModalDriver& ModalDriver::Then(std::string name, Step step) {
    m_steps.emplace_back(std::move(name), std::move(step));
    return *this;
}

ModalDriver& ModalDriver::Do(std::string name, std::function<void()> action) {
    return Then(std::move(name), [action = std::move(action)] { return action(), true; });
}

void ModalDriver::Start() {
    if (t_running && t_running != this)
        t_running->Stop();
    t_running = this;
    if (!(m_timer = SetTimer(nullptr, 0, 15, OnTimer)))
        Fail("SetTimer failed");
}

void ModalDriver::Stop() {
    KillTimer(nullptr, std::exchange(m_timer, 0)); // none running: fails, harmless
    if (t_running == this)
        t_running = nullptr;
}

void CALLBACK ModalDriver::OnTimer(HWND, UINT, UINT_PTR id, DWORD) {
    if (t_running && t_running->m_timer == id)
        t_running->Tick();
}

void ModalDriver::Fail(const std::string& why) {
    if (m_failure.empty())
        m_failure = why, m_endTick = GetTickCount(), m_cancelTick = m_endTick - 500;
}

void ModalDriver::Tick() {
    if (m_inStep) // the previous tick entered a step that never came back
        m_inStep = false, Fail("step '" + m_steps[m_next].first +
                               "' started but did not return: it crashed (Wine swallows that) or "
                               "blocked in a nested modal loop (post instead of sending)");
    const DWORD now = GetTickCount();
    const std::vector<HWND> windows = ThreadWindows();
    if (!m_failure.empty()) {
        // Other dialogs end at once; sheets get Cancel every 0.5 s, and WM_CLOSE after 1.5 s.
        const bool cancel = now - m_cancelTick >= 500;
        for (HWND w : windows)
            if (IsVisibleDialog(w) && !IsPropertySheet(w))
                EndDialog(w, IDCANCEL);
            else if (IsVisibleDialog(w) && cancel)
                PressCancel(w), now - m_endTick >= 1500 && PostMessageA(w, WM_CLOSE, 0, 0);
        m_cancelTick = cancel ? now : m_cancelTick;
    } else if (m_next < m_steps.size()) {
        const auto& [name, step] = m_steps[m_next];
        m_stepTick = m_stepTick ? m_stepTick : now;
        bool done = false;
        m_inStep = true;
        try {
            done = step();
        } catch (const std::exception& e) {
            Fail("step '" + name + "' threw: " + e.what());
        } catch (...) {
            Fail("step '" + name + "' threw");
        }
        m_inStep = false;
        if (!m_failure.empty()) // by the step, or by a nested tick while it was blocked
            return;
        if (done)
            ++m_next, m_stepTick = 0, m_endTick = GetTickCount();
        else if (GetTickCount() - m_stepTick >= 5000)
            Fail("step '" + name + "' not done in 5 s");
        return;
    } else if (now - m_endTick >= 5000) {
        Fail("a dialog was still up 5 s after the last step");
    }
    if (std::none_of(windows.begin(), windows.end(), IsVisibleDialog))
        Stop(); // after the last step or a failure, once the modal run can end
}

std::string ModalDriver::Report() const {
    std::string report;
    for (size_t i = 0; i < m_steps.size(); ++i)
        report += "  " + m_steps[i].first + (i < m_next ? ": done\n" : ": NOT DONE\n");
    if (m_failure.empty() && m_next < m_steps.size())
        return report + "failure: the modal run ended before a step was done\n";
    return m_failure.empty() ? report : report + "failure: " + m_failure + "\n";
}

Step WaitForSheet(HWND& out) {
    return [&out] {
        for (HWND w : ThreadWindows())
            if (IsWindowVisible(w) && IsPropertySheet(w))
                return out = w, true;
        return false;
    };
}

Step WaitForGone(const HWND& window) {
    return [&window] { return !IsWindow(window) || !IsWindowVisible(window); };
}

Step WaitForPage(const HWND& sheet, int index, HWND& page) {
    return [&sheet, index, &page] {
        return CurrentTab(sheet) == index && (page = CurrentPage(sheet)) != nullptr;
    };
}

} // namespace kelgui_test
