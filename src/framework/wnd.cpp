// CWnd: binding, creation, message routing and data exchange.
#include "framework/wnd.h"

#include "framework/afx_state.h"
#include "framework/data_exchange.h"
#include "framework/host_call.h"

namespace {
const char kFrameworkClass[] = "KelGuiWnd";

bool RegisterFrameworkClass() {
    HINSTANCE instance = AfxGetResourceHandle();
    WNDCLASSA existing;
    if (GetClassInfoA(instance, kFrameworkClass, &existing))
        return true;
    WNDCLASSA wc = {};
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = AfxWndProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kFrameworkClass;
    return RegisterClassA(&wc) != 0;
}

LRESULT RouteWindowMessage(HWND h, UINT message, WPARAM wParam, LPARAM lParam) {
    CWnd* wnd = CWnd::FromHandlePermanent(h);
    if (!wnd) {
        AFX_THREAD_STATE* thread = AfxGetThreadState();
        if (!thread->m_pWndInit)
            return DefWindowProcA(h, message, wParam, lParam);
        wnd = thread->m_pWndInit;
        thread->m_pWndInit = nullptr;
        wnd->Attach(h);
    }
    CWndInUse inUse(wnd);
    const LRESULT result = wnd->WindowProc(message, wParam, lParam);
    if (message == WM_NCDESTROY)
        inUse.WindowDestroyed();
    return result;
}
} // namespace

CWnd::~CWnd() {
    // An object that still owns a window destroys it; a detached one does not.
    if (m_hWnd && FromHandlePermanent(m_hWnd) == this)
        DestroyWindow();
    if (m_hWnd)
        Detach();
}

CWnd* CWnd::FromHandlePermanent(HWND h) {
    if (!h)
        return nullptr;
    const auto& windows = AfxGetThreadState()->m_windows;
    const auto found = windows.find(h);
    return found == windows.end() ? nullptr : found->second;
}

bool CWnd::Attach(HWND h) {
    if (!h || m_hWnd)
        return false;
    AfxGetThreadState()->m_windows[h] = this;
    m_hWnd = h;
    return true;
}

HWND CWnd::Detach() {
    HWND h = m_hWnd;
    if (h && FromHandlePermanent(h) == this)
        AfxGetThreadState()->m_windows.erase(h);
    m_hWnd = nullptr;
    return h;
}

bool CWnd::SubclassWindow(HWND h) {
    if (!Attach(h))
        return false;
    m_pfnSuper = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(h, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(AfxWndProc)));
    return true;
}

bool CWnd::CreateEx(DWORD exStyle, LPCSTR className, LPCSTR title, DWORD style, const RECT& rect,
                    HWND parent, UINT_PTR idOrMenu) {
    if (!className) {
        if (!RegisterFrameworkClass())
            return false;
        className = kFrameworkClass;
    }
    AFX_THREAD_STATE* thread = AfxGetThreadState();
    const bool ownClass = lstrcmpA(className, kFrameworkClass) == 0;
    if (ownClass) {
        m_pfnSuper = DefWindowProcA;
        thread->m_pWndInit = this;
    }
    HWND h = CreateWindowExA(exStyle, className, title, style, rect.left, rect.top,
                             rect.right - rect.left, rect.bottom - rect.top, parent,
                             reinterpret_cast<HMENU>(idOrMenu), AfxGetResourceHandle(), nullptr);
    thread->m_pWndInit = nullptr;
    if (!h)
        return false;
    if (!ownClass)
        SubclassWindow(h);
    return true;
}

BOOL CWnd::DestroyWindow() {
    return m_hWnd ? ::DestroyWindow(m_hWnd) : FALSE;
}

BOOL CWnd::PreTranslateMessage(MSG*) {
    return FALSE;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (OnWndMsg(MessageArgs{message, wParam, lParam}, &result))
        return result;
    return DefaultProc(message, wParam, lParam);
}

bool CWnd::OnWndMsg(const MessageArgs&, LRESULT*) {
    return false;
}

LRESULT CWnd::DefaultProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (m_pfnSuper)
        return CallWindowProcA(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return DefWindowProcA(m_hWnd, message, wParam, lParam);
}

std::string CWnd::GetWindowText() const {
    int length = ::GetWindowTextLengthA(m_hWnd);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    text.resize(static_cast<size_t>(::GetWindowTextA(m_hWnd, &text[0], length + 1)));
    return text;
}

BOOL CWnd::UpdateData(BOOL saveAndValidate) {
    AFX_THREAD_STATE* thread = AfxGetThreadState();
    HWND previousLockout = thread->m_hLockoutNotifyWindow;
    thread->m_hLockoutNotifyWindow = m_hWnd;
    CDataExchange dx(this, saveAndValidate);
    DoDataExchange(&dx);
    thread->m_hLockoutNotifyWindow = previousLockout;
    return !dx.m_bFailed;
}

void CWnd::BindControl(CWnd* control) {
    m_boundControls.push_back(control);
}

void CWnd::DetachDestroyed() {
    for (CWnd* control : m_boundControls)
        control->Detach();
    m_boundControls.clear();
    if (m_pfnSuper && m_pfnSuper != DefWindowProcA &&
        GetWindowLongPtrA(m_hWnd, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(AfxWndProc))
        SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    m_pfnSuper = nullptr;
    Detach();
}

void CWnd::TakeDownModuleWindows() {
    AFX_THREAD_STATE* thread = AfxLoadingThreadState();
    if (!thread)
        return;
    std::vector<HWND> windows;
    for (const auto& entry : thread->m_windows)
        windows.push_back(entry.first);
    for (HWND h : windows)
        if (thread->m_windows.count(h) &&
            GetWindowThreadProcessId(h, nullptr) == GetCurrentThreadId() &&
            !(GetWindowLongA(h, GWL_STYLE) & WS_CHILD))
            ::DestroyWindow(h);
    for (const auto& entry : thread->m_windows) {
        CWnd* wnd = entry.second;
        if (GetWindowLongPtrA(entry.first, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(AfxWndProc))
            SetWindowLongPtrA(
                entry.first, GWLP_WNDPROC,
                reinterpret_cast<LONG_PTR>(wnd->m_pfnSuper ? wnd->m_pfnSuper : DefWindowProcA));
    }
    UnregisterClassA(kFrameworkClass, AfxGetResourceHandle());
}

bool AfxIsNotifyLockedOut(HWND h) {
    return h && AfxGetThreadState()->m_hLockoutNotifyWindow == h;
}

LRESULT CALLBACK AfxWndProc(HWND h, UINT message, WPARAM wParam, LPARAM lParam) {
    // Without memory a window is not made; any other message gives 0.
    return CallGuarded(message == WM_CREATE ? LRESULT(-1) : LRESULT(0),
                       [&] { return RouteWindowMessage(h, message, wParam, lParam); });
}

CWndInUse::~CWndInUse() {
    if (--m_pWnd->m_nInUse == 0 && m_pWnd->m_bNcDestroyed) {
        m_pWnd->m_bNcDestroyed = false;
        m_pWnd->PostNcDestroy();
    }
}

void CWndInUse::WindowDestroyed() {
    m_pWnd->DetachDestroyed();
    m_pWnd->m_bNcDestroyed = true;
}
