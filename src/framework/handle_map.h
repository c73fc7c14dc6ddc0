// Per-thread map from window handles to window objects: permanent entries for
// the windows our objects own, temporary wrappers for foreign windows.
#pragma once

#include <windows.h>

#include <unordered_map>

class CWnd;

class CHandleMap {
public:
    CHandleMap() = default;
    ~CHandleMap();
    CHandleMap(const CHandleMap&) = delete;
    CHandleMap& operator=(const CHandleMap&) = delete;

    CWnd* LookupPermanent(HWND h) const;
    CWnd* LookupTemporary(HWND h) const;
    void SetPermanent(HWND h, CWnd* wnd);
    void RemoveHandle(HWND h);

    // A wrapper for a window no object owns, kept until the temporary
    // objects are deleted.
    CWnd* FromHandle(HWND h);
    void DeleteTemp();

    LONG m_nLockTemp = 0;

private:
    std::unordered_map<HWND, CWnd*> m_permanent;
    std::unordered_map<HWND, CWnd*> m_temporary;
};

CHandleMap* afxMapHWND(bool create = false);

// The temporary-object lock: temporary wrappers survive while it is held.
void AfxLockTempMaps();
// Releases one lock; with deleteTemps, deletes the temporary wrappers once no
// lock is left. Returns true when they were deleted.
bool AfxUnlockTempMaps(bool deleteTemps = true);
