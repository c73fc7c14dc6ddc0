// Per-thread handle map and the temporary-object lock.
#include "framework/handle_map.h"

#include "framework/afx_state.h"
#include "framework/wnd.h"

CHandleMap::~CHandleMap() {
    DeleteTemp();
    // Permanent objects belong to their owners; forget them without deleting.
    for (auto& entry : m_permanent)
        entry.second->m_hWnd = nullptr;
}

CWnd* CHandleMap::LookupPermanent(HWND h) const {
    auto it = m_permanent.find(h);
    return it == m_permanent.end() ? nullptr : it->second;
}

CWnd* CHandleMap::LookupTemporary(HWND h) const {
    auto it = m_temporary.find(h);
    return it == m_temporary.end() ? nullptr : it->second;
}

void CHandleMap::SetPermanent(HWND h, CWnd* wnd) {
    m_permanent[h] = wnd;
}

void CHandleMap::RemoveHandle(HWND h) {
    m_permanent.erase(h);
    auto it = m_temporary.find(h);
    if (it != m_temporary.end()) {
        it->second->m_hWnd = nullptr;
        delete it->second;
        m_temporary.erase(it);
    }
}

CWnd* CHandleMap::FromHandle(HWND h) {
    if (!h)
        return nullptr;
    if (CWnd* permanent = LookupPermanent(h))
        return permanent;
    if (CWnd* temporary = LookupTemporary(h))
        return temporary;
    CWnd* wrapper = new CWnd;
    wrapper->m_hWnd = h;
    m_temporary[h] = wrapper;
    return wrapper;
}

void CHandleMap::DeleteTemp() {
    for (auto& entry : m_temporary) {
        entry.second->m_hWnd = nullptr; // a wrapper never destroys the window
        delete entry.second;
    }
    m_temporary.clear();
}

CHandleMap* afxMapHWND(bool create) {
    AFX_THREAD_STATE* state = AfxGetThreadState();
    if (!state->m_pmapHWND && create)
        state->m_pmapHWND = new CHandleMap;
    return state->m_pmapHWND;
}

void AfxLockTempMaps() {
    ++afxMapHWND(true)->m_nLockTemp;
}

bool AfxUnlockTempMaps(bool deleteTemps) {
    CHandleMap* map = afxMapHWND();
    if (!map || map->m_nLockTemp == 0)
        return false;
    if (--map->m_nLockTemp == 0 && deleteTemps) {
        map->DeleteTemp();
        return true;
    }
    return false;
}
