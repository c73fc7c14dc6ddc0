// Runs a test's script of steps from a thread timer inside a modal message loop.
#include "modal_driver.h"

#include <exception>
#include <utility>

namespace kelgui_test {

namespace {

// The one running driver of this thread: a thread timer carries no user data.
thread_local ModalDriver* t_running = nullptr;

// How often a cancel is repeated while ending the run, and when to escalate to
// closing the window instead.
constexpr DWORD kCancelRepeatMs = 500;
constexpr DWORD kCloseAfterMs = 1500;

} // namespace

ModalDriver::~ModalDriver() {
    Stop();
}

ModalDriver& ModalDriver::Then(std::string name, Step step, DWORD timeoutMs) {
    m_steps.push_back(Entry{std::move(name), std::move(step), timeoutMs});
    return *this;
}

ModalDriver& ModalDriver::Do(std::string name, std::function<void()> action) {
    return Then(std::move(name), [action = std::move(action)] {
        action();
        return true;
    });
}

ModalDriver& ModalDriver::EndsWithin(DWORD ms) {
    m_endTimeoutMs = ms;
    return *this;
}

void ModalDriver::Start() {
    if (t_running && t_running != this)
        t_running->Stop();
    t_running = this;
    m_timer = SetTimer(nullptr, 0, kTickMs, OnTimer);
    if (!m_timer)
        Fail("SetTimer failed");
}

void ModalDriver::Stop() {
    if (m_timer)
        KillTimer(nullptr, m_timer);
    m_timer = 0;
    if (t_running == this)
        t_running = nullptr;
}

void CALLBACK ModalDriver::OnTimer(HWND, UINT, UINT_PTR id, DWORD) {
    if (t_running && t_running->m_timer == id)
        t_running->Tick();
}

void ModalDriver::Fail(const std::string& why) {
    if (m_failed)
        return;
    m_failed = true;
    m_failure = why;
    m_failTick = GetTickCount();
    m_lastCancelTick = m_failTick - kCancelRepeatMs;
}

void ModalDriver::Tick() {
    if (m_inStep) {
        // The previous tick entered a step that never came back.
        m_inStep = false;
        Fail("step '" + m_steps[m_next].name +
             "' started but did not return: it crashed (the exception was swallowed) or "
             "blocked in a nested modal loop (post such messages instead of sending them)");
    }
    if (m_failed) {
        EndModalRun();
        return;
    }
    if (m_next == m_steps.size()) {
        WatchEnd();
        return;
    }
    RunStep(m_steps[m_next]);
    if (m_next == m_steps.size())
        m_lastStepTick = GetTickCount();
}

// After the last step the modal run must end: no dialog of this thread may stay up.
void ModalDriver::WatchEnd() {
    bool anyDialog = false;
    for (HWND w : ThreadWindows())
        anyDialog = anyDialog || (IsWindowVisible(w) && ClassName(w) == "#32770");
    if (!anyDialog)
        Stop();
    else if (GetTickCount() - m_lastStepTick >= m_endTimeoutMs)
        Fail("a dialog was still up " + std::to_string(m_endTimeoutMs) + " ms after the last step");
}

void ModalDriver::RunStep(Entry& entry) {
    if (!entry.started) {
        entry.started = true;
        entry.startTick = GetTickCount();
    }
    bool done = false;
    m_inStep = true;
    try {
        done = entry.step();
    } catch (const std::exception& e) {
        Fail("step '" + entry.name + "' threw: " + e.what());
    } catch (...) {
        Fail("step '" + entry.name + "' threw");
    }
    m_inStep = false;
    if (m_failed) // by the step itself, or by a nested tick while it was blocked
        return;
    entry.elapsedMs = GetTickCount() - entry.startTick;
    if (done) {
        entry.done = true;
        ++m_next;
    } else if (entry.elapsedMs >= entry.timeoutMs) {
        Fail("step '" + entry.name + "' timed out after " + std::to_string(entry.elapsedMs) +
             " ms");
    }
}

// Closes whatever dialogs this thread shows so that the modal call returns.
void ModalDriver::EndModalRun() {
    DWORD now = GetTickCount();
    bool repeatCancel = now - m_lastCancelTick >= kCancelRepeatMs;
    bool anyLeft = false;
    for (HWND w : ThreadWindows()) {
        if (!IsWindowVisible(w) || ClassName(w) != "#32770")
            continue;
        anyLeft = true;
        if (!IsPropertySheet(w)) {
            EndDialog(w, IDCANCEL); // message boxes and other modal dialogs
        } else if (repeatCancel) {
            PressCancel(w);
            if (now - m_failTick >= kCloseAfterMs)
                PostMessageA(w, WM_CLOSE, 0, 0);
        }
    }
    if (repeatCancel)
        m_lastCancelTick = now;
    if (!anyLeft)
        Stop();
}

std::string ModalDriver::Report() const {
    std::string report;
    for (size_t i = 0; i < m_steps.size(); ++i) {
        const Entry& e = m_steps[i];
        report += "  " + std::to_string(i + 1) + ". " + e.name + ": " +
                  (e.done      ? "done in " + std::to_string(e.elapsedMs) + " ms\n"
                   : e.started ? "NOT DONE\n"
                               : "not run\n");
    }
    if (m_failed)
        report += "failure: " + m_failure + "\n";
    else if (m_next == 0 && !m_steps.empty() && !m_steps[0].started)
        report += "failure: the script never started (did a modal loop run?)\n";
    else if (m_next < m_steps.size())
        report +=
            "failure: the modal run ended before step '" + m_steps[m_next].name + "' was done\n";
    return report;
}

Step WaitForSheet(HWND& out, const char* caption) {
    return [&out, caption] { return (out = FindSheet(caption)) != nullptr; };
}

Step WaitForMessageBox(HWND& out) {
    return [&out] { return (out = FindMessageBox()) != nullptr; };
}

Step WaitForMessageBox(HWND& out, const HWND& owner) {
    return [&out, &owner] { return (out = FindMessageBox(owner)) != nullptr; };
}

Step WaitForGone(const HWND& window) {
    return [&window] { return !IsWindow(window) || !IsWindowVisible(window); };
}

Step WaitForPage(const HWND& sheet, int index, HWND& page) {
    return [&sheet, index, &page] {
        if (CurrentTab(sheet) != index)
            return false;
        page = CurrentPage(sheet);
        return page != nullptr;
    };
}

} // namespace kelgui_test
