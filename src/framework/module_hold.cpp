// The library's hold on its own module while its window objects live.
#include "framework/module_hold.h"

#include "framework/host_call.h"
#include "framework/win_app.h"

namespace {
// Window objects live on the loading thread only.
int g_holds = 0;
HMODULE g_module = nullptr;   // our reference, taken by the first hold; null while none is held
HWND g_releaseAsk = nullptr;  // the pool thread's question not yet answered
WNDPROC g_askSuper = nullptr; // the question window's own procedure

// Sent by the pool thread; answered on the loading thread the next time it
// takes messages, which it does only outside the library's code once no
// window object of ours lives (every loop of ours belongs to one). The
// answer lets the reference go unless a window object was made meanwhile.
constexpr UINT kMayRelease = WM_APP;

LRESULT CALLBACK AskProc(HWND h, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != kMayRelease)
        return CallWindowProcA(g_askSuper, h, message, wParam, lParam);
    return CallGuarded(LRESULT(0), [h] {
        g_releaseAsk = nullptr;
        DestroyWindow(h); // nothing reaches this procedure after the answer
        const bool release = g_holds == 0 && g_module;
        if (release)
            g_module = nullptr;
        return LRESULT(release);
    });
}

// The pool frees the library once this returns, never under our code.
VOID CALLBACK ReleaseWhenAnswered(PTP_CALLBACK_INSTANCE instance, PVOID ask) {
    const HMODULE module = AfxGetResourceHandle();
    if (SendMessageA(static_cast<HWND>(ask), kMayRelease, 0, 0))
        FreeLibraryWhenCallbackReturns(instance, module);
}

void TakeReference() {
    const auto address = reinterpret_cast<LPCSTR>(&g_holds);
    HMODULE module = nullptr;
    if (!GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                                GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                            address, &module) ||
        module == GetModuleHandleA(nullptr))
        return; // built into a program (the unit tests): nothing to hold
    if (GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS, address, &module))
        g_module = module;
}

// One question at a time: a later last hold is answered by the pending one.
void AskToRelease() {
    if (!g_module || g_releaseAsk)
        return;
    HWND ask =
        CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    if (!ask)
        return; // the library stays loaded: safe
    g_askSuper = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(ask, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(AskProc)));
    if (!TrySubmitThreadpoolCallback(ReleaseWhenAnswered, ask, nullptr)) {
        DestroyWindow(ask);
        return;
    }
    g_releaseAsk = ask;
}
} // namespace

CModuleHold::CModuleHold() {
    if (g_holds++ > 0)
        return;
    if (!g_module)
        TakeReference();
    if (CWinApp* app = AfxGetApp())
        app->InstallMessageHook();
}

CModuleHold::~CModuleHold() {
    if (--g_holds > 0)
        return;
    if (CWinApp* app = AfxGetApp())
        app->RemoveMessageHook();
    AskToRelease();
}
