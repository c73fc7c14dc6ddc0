// CWnd: a window object bound to one HWND, with message routing through small
// declarative per-class tables and dialog data exchange.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

class CDataExchange;

// One message as a handler sees it.
struct MessageArgs {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

class CWnd {
public:
    CWnd() = default;
    virtual ~CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    // The object that owns h, or null: a foreign window has none.
    static CWnd* FromHandlePermanent(HWND h);

    // Binds this object to h in the permanent map (no subclassing).
    bool Attach(HWND h);
    HWND Detach();
    // Binds and routes h's messages through this object's WindowProc.
    bool SubclassWindow(HWND h);

    // Creates a window of the framework's own class (className null) or of a
    // registered class, routed through this object from its first message.
    bool CreateEx(DWORD exStyle, LPCSTR className, LPCSTR title, DWORD style, const RECT& rect,
                  HWND parent, UINT_PTR idOrMenu);
    BOOL DestroyWindow();

    virtual BOOL PreTranslateMessage(MSG* msg);
    // True for a window whose messages the application's message hook
    // pre-translates while the host's own loop runs (CWinApp).
    virtual bool PreTranslatesFromHook() const { return false; }
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // The message-map hook: a class routes through its table, then its base
    // (CMessageMap, message_map.h).
    virtual bool OnWndMsg(const MessageArgs& m, LRESULT* result);
    // Called after the window is gone; objects that delete themselves do it here.
    virtual void PostNcDestroy() {}

    virtual void DoDataExchange(CDataExchange*) {}
    // Exchanges data with the controls (save: controls to members and
    // validate). Notifications from the controls are ignored meanwhile.
    BOOL UpdateData(BOOL saveAndValidate = TRUE);
    // Remembers a control attached by data exchange; detached with the window.
    void BindControl(CWnd* control);

    // Thin wrappers, one call each.
    LRESULT SendMessage(UINT msg, WPARAM w = 0, LPARAM l = 0) const {
        return ::SendMessageA(m_hWnd, msg, w, l);
    }
    BOOL ShowWindow(int cmd) const { return ::ShowWindow(m_hWnd, cmd); }
    void SetWindowText(LPCSTR text) const { ::SetWindowTextA(m_hWnd, text); }
    std::string GetWindowText() const;
    HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
    void Invalidate(BOOL erase = TRUE) const { ::InvalidateRect(m_hWnd, nullptr, erase); }

    // After WM_NCDESTROY: detaches the bound controls and this object.
    void DetachDestroyed();

    // When the module is unloaded: its windows go with it, so that no message
    // reaches unloaded code. Top-level windows of the unloading thread are
    // destroyed as usual (children with them; host callbacks hear of it); a
    // window left (of another thread) gets back the procedure it had before.
    static void TakeDownModuleWindows();

    HWND m_hWnd = nullptr;

private:
    friend class CWndInUse;
    int m_nInUse = 0;            // handlers of this object running now
    bool m_bNcDestroyed = false; // window gone; PostNcDestroy waits for them

protected:
    // Hands the message being processed to the previous window procedure.
    LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam);

    WNDPROC m_pfnSuper = nullptr;

private:
    std::vector<CWnd*> m_boundControls;
};

// Marks a window object as busy for one scope: a message handler or a
// pre-translation that may call out to the host, whose callback may destroy
// the window. The window is detached at once when it goes, but the object's
// PostNcDestroy (which may delete it) runs only when the outermost busy scope
// ends, so that no code still running for it finds it deleted. Handlers that
// called out check m_hWnd before touching the window again.
class CWndInUse {
public:
    explicit CWndInUse(CWnd* wnd) : m_pWnd(wnd) { ++wnd->m_nInUse; }
    ~CWndInUse();
    CWndInUse(const CWndInUse&) = delete;
    CWndInUse& operator=(const CWndInUse&) = delete;

    // WM_NCDESTROY was handled: detach now, PostNcDestroy when no longer busy.
    void WindowDestroyed();

private:
    CWnd* m_pWnd;
};

LRESULT CALLBACK AfxWndProc(HWND h, UINT message, WPARAM wParam, LPARAM lParam);

// True while h's UpdateData runs: its controls' notifications are ignored.
bool AfxIsNotifyLockedOut(HWND h);
