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
    return CallFromHost([=]() -> BOOL {
        CMutableByteSpan out(frameOut, sizeof(HWND));
        if (!out.WriteValue<HWND>(0, nullptr))
            return 0; // a toolbar the host could not name would only leak
        auto* frame = new CKELMiniFrameWnd;
        if (!frame->CreateToolbar(parent, x, y, style))
            return 0; // the frame is gone with its window
        out.WriteValue(0, frame->m_hWnd);
        return 1;
    });
}

extern "C" BOOL WINAPI KEL_GUI_toolbar_create(HWND parent, int x, int y, HWND* frameOut) {
    return CallFromHost(
        [=] { return KEL_GUI_toolbar_create_ex(parent, x, y, frameOut, WS_VISIBLE); });
}

extern "C" BOOL WINAPI KEL_GUI_toolbar_CB_register(HWND frameHandle, int selector, FARPROC callback,
                                                   DWORD_PTR userData) {
    return CallFromHost([=]() -> BOOL {
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
            frame->SetTipTextCallback(reinterpret_cast<KEL_TOOLBAR_TIP_TEXT_PROC>(callback),
                                      userData);
            return 1;
        default:
            return 0;
        }
    });
}

extern "C" BOOL WINAPI KEL_GUI_toolbar_button_set(HWND frameHandle, int markType, DWORD flags) {
    return CallFromHost([=]() -> BOOL {
        CKELToolBar* bar = LookupToolBarOf(frameHandle);
        if (!bar)
            return 0;
        bar->SetToolState(markType, flags);
        return 1;
    });
}

extern "C" BOOL WINAPI KEL_GUI_toolbar_button_get(HWND frameHandle, int markType, DWORD* flagsOut) {
    return CallFromHost([=]() -> BOOL {
        CKELToolBar* bar = LookupToolBarOf(frameHandle);
        CMutableByteSpan out(flagsOut, sizeof(DWORD));
        if (!bar || !out.Size())
            return 0;
        out.WriteValue<DWORD>(0, bar->GetToolState(markType));
        return 1;
    });
}
