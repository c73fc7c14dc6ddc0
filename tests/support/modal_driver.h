// Drives a modal dialog that the test thread itself is blocked in, from a script of
// steps run by a thread timer (timers fire inside any modal message loop).
#pragma once

#include <functional>
#include <string>
#include <vector>

#include <windows.h>

#include "dialog_helpers.h"

namespace kelgui_test {

// One step of a script: returns true when done, false to be tried again next tick.
using Step = std::function<bool()>;

// Usage: driver.Then("find the sheet", WaitForSheet(sheet, "Attributes"))
//              .Do("press OK", [&] { PressOk(sheet); });
//        driver.Start(); gui.property_sheet_show(handle); // the steps run inside
//        EXPECT_TRUE(driver.Finished()) << driver.Report();
// A step still not done after its time limit, one that throws, or one that
// starts and never returns (a crash Wine swallowed inside the timer, or a sent
// message that opened a nested modal loop) fails the script, and so do dialogs
// still up a while after the last step. The driver then closes message boxes
// and dialogs and cancels sheets, so the blocking call returns and the test
// fails instead of hanging.
class ModalDriver {
public:
    static constexpr DWORD kDefaultTimeoutMs = 5000;
    static constexpr DWORD kTickMs = 15;

    ModalDriver() = default;
    ~ModalDriver();
    ModalDriver(const ModalDriver&) = delete;
    ModalDriver& operator=(const ModalDriver&) = delete;

    // Appends a step that is retried until it returns true or timeoutMs have passed.
    ModalDriver& Then(std::string name, Step step, DWORD timeoutMs = kDefaultTimeoutMs);
    // Appends a step that always completes: an action.
    ModalDriver& Do(std::string name, std::function<void()> action);
    // After the last step this thread's dialogs must be gone within ms.
    ModalDriver& EndsWithin(DWORD ms);

    // Starts the timer right before the blocking call (one driver a thread);
    // Stop kills it (done by itself once the last step ran and no dialog is left).
    void Start();
    void Stop();

    // Every step ran to its end and nothing failed.
    bool Finished() const { return !m_failed && m_next == m_steps.size(); }
    bool Failed() const { return m_failed; }
    const std::string& Failure() const { return m_failure; }
    // One line per step (done with its time, failed, or not run) and the failure.
    std::string Report() const;
    // Fails the script from inside a step, e.g. on an unexpected window state.
    void Fail(const std::string& why);

private:
    struct Entry {
        std::string name;
        Step step;
        DWORD timeoutMs;
        DWORD startTick = 0;
        DWORD elapsedMs = 0;
        bool started = false;
        bool done = false;
    };

    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);
    void Tick();
    void RunStep(Entry& entry);
    void WatchEnd();
    void EndModalRun();

    std::vector<Entry> m_steps;
    size_t m_next = 0;
    UINT_PTR m_timer = 0;
    bool m_inStep = false;
    bool m_failed = false;
    std::string m_failure;
    DWORD m_failTick = 0;
    DWORD m_lastCancelTick = 0;
    DWORD m_endTimeoutMs = kDefaultTimeoutMs;
    DWORD m_lastStepTick = 0;
};

// --- ready-made waiting steps --------------------------------------------------
// Each stores what it found in out; the reference must outlive the modal run.

// Until a visible property sheet (with that caption, if given) exists.
Step WaitForSheet(HWND& out, const char* caption = nullptr);
// Until a visible message box (owned by owner, if given) exists.
Step WaitForMessageBox(HWND& out);
Step WaitForMessageBox(HWND& out, const HWND& owner);
// Until window is destroyed or hidden.
Step WaitForGone(const HWND& window);
// Until the sheet's page in front is index, storing the page's window.
Step WaitForPage(const HWND& sheet, int index, HWND& page);

} // namespace kelgui_test
