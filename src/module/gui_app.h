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

    HHOOK m_hMsgHook = nullptr;
};

CKELGuiApp& KelGuiApp();
