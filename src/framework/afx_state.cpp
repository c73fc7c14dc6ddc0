// Module and thread state of the framework layer.
#include "framework/afx_state.h"

#include "framework/wnd.h"

namespace {
AFX_MODULE_STATE g_moduleState;

// The per-thread state lives in a system TLS slot, not in the compiler's
// thread_local: the run time's emulated thread-local storage makes thread
// data of its own (kernel handles included) the first time a thread touches
// it, even from thread detach, and nothing frees that afterwards.
class CThreadSlot {
public:
    CThreadSlot() : m_index(TlsAlloc()) {}
    ~CThreadSlot() {
        if (m_index != TLS_OUT_OF_INDEXES)
            TlsFree(m_index);
    }
    CThreadSlot(const CThreadSlot&) = delete;
    CThreadSlot& operator=(const CThreadSlot&) = delete;

    AFX_THREAD_STATE* Get() const { return static_cast<AFX_THREAD_STATE*>(TlsGetValue(m_index)); }
    void Set(AFX_THREAD_STATE* state) const { TlsSetValue(m_index, state); }

private:
    const DWORD m_index;
};
const CThreadSlot g_threadSlot; // made when the module starts, on the loading thread
// The loading thread's state: its windows are taken down and it is freed when
// the module is unloaded, whichever thread unloads it.
AFX_THREAD_STATE* g_loadingThreadState = nullptr;

void FreeThreadState(AFX_THREAD_STATE* state) {
    if (state == g_loadingThreadState)
        g_loadingThreadState = nullptr;
    // Window objects belong to their owners; they only forget their windows.
    for (auto& entry : state->m_windows)
        entry.second->m_hWnd = nullptr;
    delete state;
}
} // namespace

AFX_MODULE_STATE* AfxGetModuleState() {
    return &g_moduleState;
}

AFX_THREAD_STATE* AfxGetThreadState() {
    AFX_THREAD_STATE* state = g_threadSlot.Get();
    if (!state) {
        state = new AFX_THREAD_STATE;
        g_threadSlot.Set(state);
        if (AfxIsModuleThread())
            g_loadingThreadState = state;
    }
    return state;
}

bool AfxIsModuleThread() {
    return g_moduleState.m_nThreadID == GetCurrentThreadId();
}

HINSTANCE AfxGetResourceHandle() {
    return g_moduleState.m_hCurrentInstanceHandle;
}

CWinApp* AfxGetApp() {
    return g_moduleState.m_pCurrentWinApp;
}

void AfxTermThreadState() {
    AFX_THREAD_STATE* state = g_threadSlot.Get();
    if (!state)
        return;
    g_threadSlot.Set(nullptr);
    FreeThreadState(state);
}

AFX_THREAD_STATE* AfxLoadingThreadState() {
    return g_loadingThreadState;
}

void AfxTermLoadingThreadState() {
    if (g_loadingThreadState)
        FreeThreadState(g_loadingThreadState);
}
