// The toolbar exports: create, callback registration, button state.
#include "kelgui.h"

#include "blocks/byte_span.h"
#include "framework/host_call.h"
#include "toolbar/kel_mini_frame_wnd.h"
#include "toolbar/kel_tool_bar.h"

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
    return CallFromHost([=]() -> HostAnswer {
        CMutableByteSpan out(frameOut, sizeof(HWND));
        if (!out.WriteValue<HWND>(0, nullptr))
            return Refused(ERROR_INVALID_PARAMETER); // a toolbar the host could not name would leak
        if (parent && !IsWindow(parent))
            return Refused(ERROR_INVALID_WINDOW_HANDLE);
        auto* frame = new CKELMiniFrameWnd;
        if (!frame->CreateToolbar(parent, x, y, style))
            return Refused(ERROR_NOT_ENOUGH_MEMORY); // the frame is gone with its window
        out.WriteValue(0, frame->m_hWnd);
        return 1;
    });
}

extern "C" BOOL WINAPI KEL_GUI_toolbar_create(HWND parent, int x, int y, HWND* frameOut) {
    return KEL_GUI_toolbar_create_ex(parent, x, y, frameOut, WS_VISIBLE);
}

extern "C" BOOL WINAPI KEL_GUI_toolbar_CB_register(HWND frameHandle, int selector, FARPROC callback,
                                                   DWORD_PTR userData) {
    return CallFromHost([=]() -> HostAnswer {
        CKELMiniFrameWnd* frame = LookupToolbar(frameHandle);
        if (!frame)
            return Refused(ERROR_INVALID_WINDOW_HANDLE);
        switch (selector) {
        case KEL_TOOLBAR_CB_NOTIFY: {
            CKELToolBar* bar = frame->ToolBar();
            if (!bar)
                return Refused(ERROR_INVALID_WINDOW_HANDLE);
            bar->SetNotifyCallback(reinterpret_cast<KEL_TOOLBAR_NOTIFY_PROC>(callback), userData);
            return 1;
        }
        case KEL_TOOLBAR_CB_TIP_TEXT:
            frame->SetTipTextCallback(reinterpret_cast<KEL_TOOLBAR_TIP_TEXT_PROC>(callback),
                                      userData);
            return 1;
        default:
            return Refused(ERROR_INVALID_PARAMETER);
        }
    });
}

extern "C" BOOL WINAPI KEL_GUI_toolbar_button_set(HWND frameHandle, int markType, DWORD flags) {
    return CallFromHost([=]() -> HostAnswer {
        CKELToolBar* bar = LookupToolBarOf(frameHandle);
        if (!bar)
            return Refused(ERROR_INVALID_WINDOW_HANDLE);
        bar->SetToolState(markType, flags);
        return 1;
    });
}

extern "C" BOOL WINAPI KEL_GUI_toolbar_button_get(HWND frameHandle, int markType, DWORD* flagsOut) {
    return CallFromHost([=]() -> HostAnswer {
        CKELToolBar* bar = LookupToolBarOf(frameHandle);
        if (!bar)
            return Refused(ERROR_INVALID_WINDOW_HANDLE);
        CMutableByteSpan out(flagsOut, sizeof(DWORD));
        if (!out.Size())
            return Refused(ERROR_INVALID_PARAMETER);
        out.WriteValue<DWORD>(0, bar->GetToolState(markType));
        return 1;
    });
}
