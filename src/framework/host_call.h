// Calls that come from outside the library: the host's calls of the exports,
// and the system's calls of our window, dialog, hook and enumeration
// procedures. No exception may unwind into the caller's frames.
#pragma once

#include "framework/afx_state.h"

#include <new>

// Runs body; any exception (running out of memory is the one we expect)
// gives onFailure instead.
template <class Result, class Body> Result CallGuarded(Result onFailure, Body body) noexcept {
    try {
        return body();
    } catch (...) {
        return onFailure;
    }
}

// What an export's body answers: the value the host gets and the code its
// GetLastError gives afterwards, 0 unless the export refused.
struct HostAnswer {
    HostAnswer(UINT answered) : value(answered) {} // "return 1;" is a success
    UINT value;
    DWORD error = 0;
};

// The export gives 0 and the thread's last error says why (a Win32 ERROR_*).
inline HostAnswer Refused(DWORD error) {
    HostAnswer answer(0);
    answer.error = error;
    return answer;
}

// The body of an export. The interface serves only the thread that loaded
// the library (its hook, window maps and windows are that thread's): a call
// from any other thread, like any failure, gives 0 before anything is read
// or written. The last error is set on every return, after everything the
// body called, so that the host reads the export's own code.
template <class Result = BOOL, class Body> Result CallFromHost(Body body) noexcept {
    HostAnswer answer = Refused(ERROR_INVALID_THREAD_ID);
    if (AfxIsModuleThread()) {
        try {
            answer = body();
        } catch (const std::bad_alloc&) {
            answer = Refused(ERROR_NOT_ENOUGH_MEMORY);
        } catch (...) {
            answer = Refused(ERROR_INTERNAL_ERROR);
        }
    }
    SetLastError(answer.error);
    return static_cast<Result>(answer.value);
}
