// CWinApp and the framework's start-up and shut-down of the library.
#include "framework/win_app.h"

#include "framework/afx_state.h"
#include "framework/host_call.h"
#include "framework/wnd.h"

#include <commctrl.h>

#include <cstdlib>
#include <cstring>

namespace {
// The string that names the application when the string table has it.
constexpr UINT kAppNameStringId = 57344;

char* ModuleBaseName(HINSTANCE instance) {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(instance, path, MAX_PATH);
    char* name = path;
    for (char* p = path; *p; p = CharNextA(p))
        if (*p == '\\' || *p == '/' || *p == ':')
            name = p + 1;
    if (char* dot = std::strrchr(name, '.'))
        *dot = '\0';
    return _strdup(name);
}
BOOL InitApp(CWinApp* app, HINSTANCE instance);

LRESULT CALLBACK MessageHookProc(int code, WPARAM removeFlag, LPARAM lParam) {
    CWinApp* app = AfxGetApp();
    // A message that is only peeked at (PM_NOREMOVE) comes by again when the
    // host takes it; pre-translating it both times would act on it twice. The
    // result is ignored: the host dispatches the message as usual.
    if (app && code >= 0 && removeFlag == PM_REMOVE)
        CallGuarded(FALSE, [app, lParam] {
            MSG* msg = reinterpret_cast<MSG*>(lParam);
            const CWnd* wnd = CWnd::FromHandlePermanent(msg->hwnd);
            return wnd && wnd->PreTranslatesFromHook() && app->PreTranslateMessage(msg);
        });
    return CallNextHookEx(app ? app->m_hMsgHook : nullptr, code, removeFlag, lParam);
}
} // namespace

CWinApp::CWinApp(LPCSTR appName) {
    if (appName)
        m_pszAppName = _strdup(appName);
    AfxGetModuleState()->m_pCurrentWinApp = this;
}

CWinApp::~CWinApp() {
    std::free(m_pszAppName);
    std::free(m_pszExeName);
    m_pszAppName = m_pszExeName = nullptr;
    if (AfxGetModuleState()->m_pCurrentWinApp == this)
        AfxGetModuleState()->m_pCurrentWinApp = nullptr;
}

BOOL CWinApp::PreTranslateMessage(MSG* msg) {
    for (HWND h = msg->hwnd; h; h = GetParent(h)) {
        CWnd* wnd = CWnd::FromHandlePermanent(h);
        if (wnd) {
            CWndInUse inUse(wnd); // its pre-translation may call the host
            if (wnd->PreTranslateMessage(msg))
                return TRUE;
        }
        if (!(GetWindowLongA(h, GWL_STYLE) & WS_CHILD))
            break; // top-level window reached
    }
    return FALSE;
}

void CWinApp::InstallMessageHook() {
    m_hMsgHook =
        SetWindowsHookExA(WH_GETMESSAGE, MessageHookProc, m_hInstance, GetCurrentThreadId());
}

void CWinApp::RemoveMessageHook() {
    if (m_hMsgHook)
        UnhookWindowsHookEx(m_hMsgHook);
    m_hMsgHook = nullptr;
}

void CWinApp::SuspendMessageHook() {
    if (m_nHookSuspended++ == 0)
        RemoveMessageHook();
}

void CWinApp::ResumeMessageHook() {
    if (m_nHookSuspended > 0 && --m_nHookSuspended == 0)
        InstallMessageHook();
}

char* AfxMakeDefaultAppName(const CWinApp* app) {
    char name[256];
    if (LoadStringA(app->m_hInstance, kAppNameStringId, name, sizeof name) > 0)
        return _strdup(name);
    return app->m_pszExeName ? _strdup(app->m_pszExeName) : nullptr;
}

BOOL AfxWinInit(CWinApp* app, HINSTANCE instance) {
    AFX_MODULE_STATE* module = AfxGetModuleState();
    module->m_hCurrentInstanceHandle = instance;
    module->m_pCurrentWinApp = app;
    module->m_nThreadID = GetCurrentThreadId();
    const BOOL initialised = CallGuarded(FALSE, [&] { return InitApp(app, instance); });
    if (!initialised) {
        AfxTermThreadState();
        module->m_nThreadID = 0;
    }
    return initialised;
}

void AfxWinTerm(CWinApp* app) {
    CallGuarded(0, [app] { return app->ExitInstance(); });
    AfxTermThreadState();
    AfxTermLoadingThreadState();
    AfxGetModuleState()->m_nThreadID = 0;
}

namespace {
BOOL InitApp(CWinApp* app, HINSTANCE instance) {
    app->m_hInstance = instance;
    app->m_pszExeName = ModuleBaseName(instance);
    if (!app->m_pszAppName)
        app->m_pszAppName = AfxMakeDefaultAppName(app);
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    if (app->InitInstance())
        return TRUE;
    app->ExitInstance();
    return FALSE;
}
} // namespace
