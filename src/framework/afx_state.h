// Module and thread state of the framework layer: the library's instance and
// application object, and the per-thread window map and flags.
#pragma once

#include <windows.h>

#include <unordered_map>

class CWinApp;
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

// Per-thread data. Windows belong to the thread that made them, so the map
// from window handles to the objects that own them is kept per thread.
struct AFX_THREAD_STATE {
    std::unordered_map<HWND, CWnd*> m_windows; // windows our objects own
    HWND m_hLockoutNotifyWindow = nullptr;     // window whose UpdateData is running
    CWnd* m_pWndInit = nullptr;                // window object being created
    CPropertySheet* m_pSheetInit = nullptr;    // sheet being shown (its window is made)
    CPropertyPage* m_pPageInit = nullptr;      // page whose window is being made
};

AFX_MODULE_STATE* AfxGetModuleState();
AFX_THREAD_STATE* AfxGetThreadState();
HINSTANCE AfxGetResourceHandle();
CWinApp* AfxGetApp();

// True on the thread that loaded the module: the only one its interface serves.
bool AfxIsModuleThread();

// Frees the calling thread's state (window map included). Safe on any thread
// at any time: a thread that never used the framework has nothing to free.
void AfxTermThreadState();
// The loading thread's state, or null: what the module's unload looks at and
// frees, from whichever thread unloads it.
AFX_THREAD_STATE* AfxLoadingThreadState();
void AfxTermLoadingThreadState();
