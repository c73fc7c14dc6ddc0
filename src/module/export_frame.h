// The frame around every export: the loading thread only, the library's
// module state for the call, and for the toolbar exports the temporary-object
// lock.
#pragma once

#include "framework/afx_state.h"
#include "framework/handle_map.h"

// The interface serves only the thread that loaded the library (its hook,
// window maps and windows are that thread's): a call from any other thread
// is refused with 0 before anything is read or written.
#define KELGUI_EXPORT_FRAME()                                                                      \
    if (!AfxIsModuleThread())                                                                      \
        return 0;                                                                                  \
    AFX_MANAGE_STATE(AfxGetStaticModuleState())

// Holds the temporary-object maps for one scope and deletes the temporary
// objects when the last lock goes.
class CTempMapLock {
public:
    CTempMapLock() { AfxLockTempMaps(); }
    ~CTempMapLock() { AfxUnlockTempMaps(true); }
    CTempMapLock(const CTempMapLock&) = delete;
    CTempMapLock& operator=(const CTempMapLock&) = delete;
};
