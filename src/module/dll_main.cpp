// Entry point of kelgui.dll: the framework starts and stops the application.
#include "framework/afx_state.h"
#include "framework/rich_edit.h"
#include "framework/wnd.h"
#include "module/gui_app.h"

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    switch (reason) {
    case DLL_PROCESS_ATTACH:
        return AfxWinInit(&KelGuiApp(), instance);
    case DLL_THREAD_DETACH:
        AfxTermThreadState();
        break;
    case DLL_PROCESS_DETACH:
        if (!reserved) // unloaded by FreeLibrary: no window of ours may outlive the code
            CWnd::TakeDownModuleWindows();
        AfxWinTerm(&KelGuiApp());
        if (!reserved) // unloaded by FreeLibrary, not by process exit
            AfxTermRichEdit();
        break;
    default:
        break;
    }
    return TRUE;
}
