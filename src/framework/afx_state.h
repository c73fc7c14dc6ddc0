// Module and thread state of the framework layer: which module's resources and
// application object are current, and the per-thread window maps and flags.
#pragma once

#include <windows.h>

class CWinApp;
class CHandleMap;
class CWnd;
class CPropertySheet;
class CPropertyPage;

// The library's module: its instance handle (resources come from there) and
// its one application object.
struct AFX_MODULE_STATE {
    HINSTANCE m_hCurrentInstanceHandle = nullptr;
    CWinApp* m_pCurrentWinApp = nullptr;
    DWORD m_nThreadID = 0; // the thread that loaded the module; 0 when not loaded
};

// Per-thread data. Windows belong to the thread that made them, so the window
// maps and the temporary-object lock count are kept per thread.
struct AFX_THREAD_STATE {
    AFX_MODULE_STATE* m_pModuleState = nullptr; // current module, null outside any frame
    CHandleMap* m_pmapHWND = nullptr;           // made on first use
    HWND m_hLockoutNotifyWindow = nullptr;      // window whose UpdateData is running
    CWnd* m_pWndInit = nullptr;                 // window object being created
    CPropertySheet* m_pSheetInit = nullptr;     // sheet being shown (its window is made)
    CPropertyPage* m_pPageInit = nullptr;       // page whose window is being made
};

AFX_MODULE_STATE* AfxGetStaticModuleState();
AFX_MODULE_STATE* AfxGetModuleState();
AFX_THREAD_STATE* AfxGetThreadState();
HINSTANCE AfxGetResourceHandle();
HINSTANCE AfxGetInstanceHandle();
CWinApp* AfxGetApp();

// True on the thread that loaded the module: the only one its interface serves.
bool AfxIsModuleThread();

// Frees the calling thread's state (window maps included). Safe on any thread
// at any time: a thread that never used the framework has nothing to free.
void AfxTermThreadState();

// Makes the library's module state current for one scope and restores the
// caller's on every return path.
class CModuleFrame {
public:
    explicit CModuleFrame(AFX_MODULE_STATE* state);
    ~CModuleFrame();
    CModuleFrame(const CModuleFrame&) = delete;
    CModuleFrame& operator=(const CModuleFrame&) = delete;

private:
    AFX_MODULE_STATE* m_pPrevious;
};

#define AFX_MANAGE_STATE(p) CModuleFrame afxModuleFrame_((p))
