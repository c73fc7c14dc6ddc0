// Calls that come from outside the library: the host's calls of the exports,
// and the system's calls of our window, dialog, hook and enumeration
// procedures. No exception may unwind into the caller's frames.
#pragma once

#include "framework/afx_state.h"

// Runs body; any exception (running out of memory is the one we expect)
// gives onFailure instead.
template <class Result, class Body> Result CallGuarded(Result onFailure, Body body) noexcept {
    try {
        return body();
    } catch (...) {
        return onFailure;
    }
}

// The body of an export. The interface serves only the thread that loaded
// the library (its hook, window maps and windows are that thread's): a call
// from any other thread, like any failure, gives 0 before anything is read
// or written.
template <class Body> auto CallFromHost(Body body) noexcept -> decltype(body()) {
    using Result = decltype(body());
    if (!AfxIsModuleThread())
        return Result(0);
    return CallGuarded(Result(0), body);
}
