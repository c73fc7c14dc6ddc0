// CWinApp: the library's application object, its start-up naming, its
// message pre-translation and the message hook that drives it from the
// host's message loop.
#pragma once

#include <windows.h>

class CWinApp {
public:
    // appName null: the name is filled in at start-up.
    explicit CWinApp(LPCSTR appName = nullptr);
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    virtual BOOL InitInstance() { return TRUE; }
    virtual int ExitInstance() { return 0; }
    // Walks from the message's window up through its parents and lets each
    // window object pre-translate it; the first that takes it ends the walk.
    virtual BOOL PreTranslateMessage(MSG* msg);

    // Installs a WH_GETMESSAGE hook on the calling thread (null on failure):
    // messages the host's loop takes for a window whose object asks for it
    // (CWnd::PreTranslatesFromHook) get PreTranslateMessage first.
    void InstallMessageHook();
    void RemoveMessageHook();
    // Takes the hook out for a modal run and puts it back after. Runs nest (a
    // sheet shown from inside another's run): only the outermost takes it out
    // and puts it back, so that it is never installed twice.
    void SuspendMessageHook();
    void ResumeMessageHook();

    HHOOK m_hMsgHook = nullptr;
    HINSTANCE m_hInstance = nullptr;
    char* m_pszAppName = nullptr; // message title; _strdup'ed, released with free
    char* m_pszExeName = nullptr; // module file name without folder and extension

private:
    int m_nHookSuspended = 0; // modal runs in progress that took the hook out
};

// A fresh copy of the default application name: string 57344 of the
// module's table when it exists, otherwise the exe name.
char* AfxMakeDefaultAppName(const CWinApp* app);

// Process attach: binds the application object to the module, names it and
// runs InitInstance (ExitInstance when that fails). False fails the load.
BOOL AfxWinInit(CWinApp* app, HINSTANCE instance);
// Process detach: ExitInstance, then the framework's data is released.
void AfxWinTerm(CWinApp* app);
