// Module and thread state of the framework layer.
#include "framework/afx_state.h"

#include "framework/handle_map.h"

namespace {
AFX_MODULE_STATE g_moduleState;
thread_local AFX_THREAD_STATE* t_threadState = nullptr;
} // namespace

AFX_MODULE_STATE* AfxGetStaticModuleState() {
    return &g_moduleState;
}

AFX_THREAD_STATE* AfxGetThreadState() {
    if (!t_threadState)
        t_threadState = new AFX_THREAD_STATE;
    return t_threadState;
}

AFX_MODULE_STATE* AfxGetModuleState() {
    AFX_MODULE_STATE* current = AfxGetThreadState()->m_pModuleState;
    return current ? current : &g_moduleState;
}

HINSTANCE AfxGetResourceHandle() {
    return AfxGetModuleState()->m_hCurrentInstanceHandle;
}
HINSTANCE AfxGetInstanceHandle() {
    return AfxGetModuleState()->m_hCurrentInstanceHandle;
}
CWinApp* AfxGetApp() {
    return AfxGetModuleState()->m_pCurrentWinApp;
}

void AfxTermThreadState() {
    if (!t_threadState)
        return;
    delete t_threadState->m_pmapHWND;
    delete t_threadState;
    t_threadState = nullptr;
}

CModuleFrame::CModuleFrame(AFX_MODULE_STATE* state) {
    AFX_THREAD_STATE* thread = AfxGetThreadState();
    m_pPrevious = thread->m_pModuleState;
    thread->m_pModuleState = state;
}

CModuleFrame::~CModuleFrame() {
    AfxGetThreadState()->m_pModuleState = m_pPrevious;
}
