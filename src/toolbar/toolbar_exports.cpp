// The toolbar exports: create, callback registration, button state.
#include "kelgui.h"

#include "module/export_frame.h"
#include "toolbar/kel_mini_frame_wnd.h"
#include "toolbar/kel_tool_bar.h"

#include <new>

namespace {
// A toolbar handle counts only as the window of a live floating toolbar
// object of this library; the lookup never touches a foreign window.
CKELMiniFrameWnd* LookupToolbar(HWND handle) {
    return dynamic_cast<CKELMiniFrameWnd*>(CWnd::FromHandlePermanent(handle));
}

CKELToolBar* LookupToolBarOf(HWND handle) {
    CKELMiniFrameWnd* frame = LookupToolbar(handle);
    return frame ? frame->ToolBar() : nullptr;
}
} // namespace

extern "C" BOOL WINAPI KEL_GUI_toolbar_create_ex(HWND parent, int x, int y, HWND* frameOut,
                                                 DWORD style) {
    KELGUI_EXPORT_FRAME();
    CTempMapLock lock;
    if (!frameOut)
        return 0; // a toolbar the host could not name would only leak
    auto* frame = new (std::nothrow) CKELMiniFrameWnd;
    if (!frame)
        return 0;
    *frameOut =
        frame->CreateToolbar(CWnd::FromHandle(parent), x, y, style) ? frame->m_hWnd : nullptr;
    return *frameOut != nullptr;
}

extern "C" BOOL WINAPI KEL_GUI_toolbar_create(HWND parent, int x, int y, HWND* frameOut) {
    KELGUI_EXPORT_FRAME();
    return KEL_GUI_toolbar_create_ex(parent, x, y, frameOut, WS_VISIBLE);
}

extern "C" BOOL WINAPI KEL_GUI_toolbar_CB_register(HWND frameHandle, int selector, FARPROC callback,
                                                   DWORD_PTR userData) {
    KELGUI_EXPORT_FRAME();
    CTempMapLock lock;
    CKELMiniFrameWnd* frame = LookupToolbar(frameHandle);
    if (!frame)
        return 0;
    switch (selector) {
    case KEL_TOOLBAR_CB_NOTIFY: {
        CKELToolBar* bar = frame->ToolBar();
        if (!bar)
            return 0;
        bar->SetNotifyCallback(reinterpret_cast<KEL_TOOLBAR_NOTIFY_PROC>(callback), userData);
        return 1;
    }
    case KEL_TOOLBAR_CB_TIP_TEXT:
        frame->SetTipTextCallback(reinterpret_cast<KEL_TOOLBAR_TIP_TEXT_PROC>(callback), userData);
        return 1;
    default:
        return 0;
    }
}

extern "C" BOOL WINAPI KEL_GUI_toolbar_button_set(HWND frameHandle, int markType, DWORD flags) {
    KELGUI_EXPORT_FRAME();
    CTempMapLock lock;
    CKELToolBar* bar = LookupToolBarOf(frameHandle);
    if (!bar)
        return 0;
    bar->SetToolState(markType, flags);
    return 1;
}

extern "C" BOOL WINAPI KEL_GUI_toolbar_button_get(HWND frameHandle, int markType, DWORD* flagsOut) {
    KELGUI_EXPORT_FRAME();
    CTempMapLock lock;
    CKELToolBar* bar = LookupToolBarOf(frameHandle);
    if (!bar || !flagsOut)
        return 0;
    *flagsOut = bar->GetToolState(markType);
    return 1;
}
