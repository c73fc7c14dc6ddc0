// CWinApp: the library's application object, its start-up naming and its
// message pre-translation.
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

    HINSTANCE m_hInstance = nullptr;
    char* m_pszAppName = nullptr; // message title; _strdup'ed, released with free
    char* m_pszExeName = nullptr; // module file name without folder and extension
};

// A fresh copy of the default application name: string 57344 of the
// module's table when it exists, otherwise the exe name.
char* AfxMakeDefaultAppName(const CWinApp* app);

// Process attach: binds the application object to the module, names it and
// runs InitInstance (ExitInstance when that fails). False fails the load.
BOOL AfxWinInit(CWinApp* app, HINSTANCE instance);
// Process detach: ExitInstance, then the framework's data is released.
void AfxWinTerm(CWinApp* app);
