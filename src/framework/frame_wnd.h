// CFrameWnd: a top-level window that holds control bars, offers commands to
// them and lays itself out around them.
#pragma once

#include "framework/wnd.h"

class CToolBar;

// Frame flag: the client area takes the size of the frame's tool bar. Frame
// flags live in the low word of a frame's style, which has no Win32 meaning
// for the framework's own window class; they never reach CreateWindowEx.
constexpr DWORD FWS_SNAPTOBARS = 0x2000;
constexpr DWORD kFrameFlagsMask = 0x0000FFFF;

// Control id of a frame's standard tool bar.
constexpr UINT AFX_IDW_TOOLBAR = 0xE800;

class CFrameWnd : public CWnd {
public:
    // Offers a command (control id and notification code of a WM_COMMAND) to
    // this frame's handlers. True when one handled it.
    virtual BOOL OnCmdMsg(UINT id, int code, LPARAM lParam);
    // Places the tool bar at the client origin and, with FWS_SNAPTOBARS,
    // sizes the frame so that its client area is exactly the bar.
    virtual void RecalcLayout();
    // The child with this control id when it is one of our tool bars.
    CToolBar* GetControlBar(UINT id) const;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    // Creates the window; frame flags are taken out of style first. A frame
    // deletes itself with its window, so after FALSE the object is gone.
    BOOL CreateFrame(DWORD exStyle, LPCSTR title, DWORD style, const RECT& rect, HWND parent,
                     UINT id);
    // Makes the client windows during WM_CREATE; FALSE fails the creation.
    virtual BOOL OnCreateClient(const CREATESTRUCTA* cs);
    // Frames are made with new and end with their windows.
    void PostNcDestroy() override { delete this; }
    ~CFrameWnd() override;

    DWORD m_dwFrameFlags = 0;
    mutable HWND m_barWindow = nullptr; // the control bar last found

private:
    bool* m_pDeletedDuringCreate = nullptr;
};
