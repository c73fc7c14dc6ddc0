// The frame around every export: the library's module state for the call,
// and for the toolbar exports the temporary-object lock.
#pragma once

#include "framework/afx_state.h"
#include "framework/handle_map.h"

#define KELGUI_EXPORT_FRAME() AFX_MANAGE_STATE(AfxGetStaticModuleState())

// Holds the temporary-object maps for one scope and deletes the temporary
// objects when the last lock goes.
class CTempMapLock {
public:
    CTempMapLock() { AfxLockTempMaps(); }
    ~CTempMapLock() { AfxUnlockTempMaps(true); }
    CTempMapLock(const CTempMapLock&) = delete;
    CTempMapLock& operator=(const CTempMapLock&) = delete;
};
