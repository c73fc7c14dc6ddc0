// CKELGuiApp: the library's application object and its message hook, which
// gives the toolbar the framework's pre-translation inside the host's loop.
#pragma once

#include "framework/win_app.h"

class CKELGuiApp : public CWinApp {
public:
    CKELGuiApp() = default;

    BOOL InitInstance() override;
    int ExitInstance() override;

    // Installs the WH_GETMESSAGE hook on the calling thread (null on failure).
    void InstallMessageHook();
    void RemoveMessageHook();
    // Takes the hook out for a modal run and puts it back after. Runs nest (a
    // sheet shown from inside another's run): only the outermost takes it out
    // and puts it back, so that it is never installed twice.
    void SuspendMessageHook();
    void ResumeMessageHook();

    HHOOK m_hMsgHook = nullptr;

private:
    int m_nHookSuspended = 0; // modal runs in progress that took the hook out
};

CKELGuiApp& KelGuiApp();
