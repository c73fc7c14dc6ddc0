// The calling thread's floating tool windows (mini frames), disabled for the
// length of a modal run so that no tool click reaches the host in the middle
// of an edit. One the host had disabled itself stays disabled; the others are
// enabled again however the run ends, unless they are gone by then.
#pragma once

#include <windows.h>

#include <utility>
#include <vector>

class CWnd;

class CModalLockout {
public:
    CModalLockout();
    ~CModalLockout();
    CModalLockout(const CModalLockout&) = delete;
    CModalLockout& operator=(const CModalLockout&) = delete;

private:
    static BOOL CALLBACK DisableOne(HWND window, LPARAM lockout);

    std::vector<std::pair<HWND, const CWnd*>> m_disabled;
};
