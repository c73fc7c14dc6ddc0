// CKELGuiApp: start-up and shut-down.
#include "module/gui_app.h"

#include "framework/rich_edit.h"

#include <clocale>
#include <cstdio>
#include <mbctype.h>

namespace {
CKELGuiApp theApp;
} // namespace

CKELGuiApp& KelGuiApp() {
    return theApp;
}

BOOL CKELGuiApp::InitInstance() {
    BOOL result = CWinApp::InitInstance();
    AfxInitRichEdit(); // result not needed: no page makes a rich edit control
    if (!result)
        return FALSE;
    InstallMessageHook();
    // Run-time locale follows the multibyte code page, e.g. ".932".
    char locale[16];
    std::snprintf(locale, sizeof locale, ".%d", _getmbcp());
    std::setlocale(LC_ALL, locale);
    return result;
}

int CKELGuiApp::ExitInstance() {
    RemoveMessageHook();
    return CWinApp::ExitInstance();
}
