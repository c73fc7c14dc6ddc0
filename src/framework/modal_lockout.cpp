// CModalLockout: the thread's mini frames disabled around a modal run.
#include "framework/modal_lockout.h"

#include "framework/host_call.h"
#include "framework/mini_frame_wnd.h"

CModalLockout::CModalLockout() {
    ::EnumThreadWindows(::GetCurrentThreadId(), DisableOne, reinterpret_cast<LPARAM>(this));
}

CModalLockout::~CModalLockout() {
    // A window that went meanwhile (the host's window destroyed with its
    // toolbar) is no longer ours under its handle.
    for (const auto& [window, object] : m_disabled)
        if (CWnd::FromHandlePermanent(window) == object)
            ::EnableWindow(window, TRUE);
}

BOOL CALLBACK CModalLockout::DisableOne(HWND window, LPARAM lockout) {
    return CallGuarded(TRUE, [=] {
        const CWnd* object = dynamic_cast<CMiniFrameWnd*>(CWnd::FromHandlePermanent(window));
        if (object && ::IsWindowEnabled(window)) {
            reinterpret_cast<CModalLockout*>(lockout)->m_disabled.emplace_back(window, object);
            ::EnableWindow(window, FALSE);
        }
        return TRUE;
    });
}
