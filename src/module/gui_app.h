// CKELGuiApp: the library's application object: the rich edit library, the
// message hook that gives the toolbar the framework's pre-translation inside
// the host's loop, and the run-time locale.
#pragma once

#include "framework/win_app.h"

class CKELGuiApp : public CWinApp {
public:
    CKELGuiApp() = default;

    BOOL InitInstance() override;
    int ExitInstance() override;
};

CKELGuiApp& KelGuiApp();
