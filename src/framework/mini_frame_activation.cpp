// CMiniFrameWnd with MFS_SYNCACTIVE: a floating palette's caption is drawn
// active together with its owner's. The owner is the host's window, whose
// messages we never see, so a hook on the thread tells the frames of every
// activation there; each draws itself once the activation has settled.
#include "framework/mini_frame_wnd.h"

#include <algorithm>
#include <vector>

namespace {
// Frames are made on the module's thread only.
struct CaptionSync {
    std::vector<CMiniFrameWnd*> frames;
    HHOOK hook = nullptr;
    HWND activating = nullptr; // the window the thread is activating now
};
CaptionSync& Sync() {
    static CaptionSync sync;
    return sync;
}

// The frame's place among those kept in sync, or the end.
std::vector<CMiniFrameWnd*>::iterator PlaceOf(const CMiniFrameWnd* frame) {
    std::vector<CMiniFrameWnd*>& frames = Sync().frames;
    return std::find(frames.begin(), frames.end(), frame);
}

bool Syncing(const CMiniFrameWnd* frame) {
    return PlaceOf(frame) != Sync().frames.end();
}

void StopSync(const CMiniFrameWnd* frame) {
    CaptionSync& sync = Sync();
    const auto place = PlaceOf(frame);
    if (place == sync.frames.end())
        return;
    sync.frames.erase(place);
    if (sync.frames.empty() && sync.hook) {
        ::UnhookWindowsHookEx(sync.hook);
        sync.hook = nullptr;
    }
}

LRESULT CALLBACK ActivationHook(int code, WPARAM wParam, LPARAM lParam) {
    CaptionSync& sync = Sync();
    const auto window = reinterpret_cast<HWND>(wParam);
    if (code == HCBT_ACTIVATE) {
        sync.activating = window;
        for (CMiniFrameWnd* frame : sync.frames)
            frame->PostCaptionSync();
    }
    const LRESULT result = ::CallNextHookEx(sync.hook, code, wParam, lParam);
    // A frame on its way out needs no more syncs: the last one takes the hook
    // out before its destruction moves the activation and the focus, each of
    // which would otherwise pass through the hook.
    if (code == HCBT_DESTROYWND && result == 0)
        if (const auto* frame = dynamic_cast<CMiniFrameWnd*>(CWnd::FromHandlePermanent(window)))
            StopSync(frame);
    return result;
}
} // namespace

UINT AfxSyncCaptionMessage() {
    static const UINT message = ::RegisterWindowMessageA("KelGuiSyncCaption");
    return message;
}

void CMiniFrameWnd::StartCaptionSync() {
    CaptionSync& sync = Sync();
    if (sync.frames.empty())
        sync.hook = ::SetWindowsHookExA(WH_CBT, ActivationHook, nullptr, ::GetCurrentThreadId());
    sync.frames.push_back(this);
    // The creation's own activation has settled by now.
    DrawCaptionAs(::GetActiveWindow());
}

// One sync at a time: the events of one activation settle into one look.
void CMiniFrameWnd::PostCaptionSync() {
    if (!m_syncPosted)
        m_syncPosted = ::PostMessageA(m_hWnd, AfxSyncCaptionMessage(), 0, 0) != FALSE;
}

void CMiniFrameWnd::OnDestroy() {
    StopSync(this);
}

// A disabled frame (while a modal sheet runs) looks inactive.
bool CMiniFrameWnd::LooksActive(HWND active) const {
    return active && ::IsWindowEnabled(m_hWnd) &&
           (active == m_hWnd || active == ::GetWindow(m_hWnd, GW_OWNER));
}

// Several activation events settle into one look; a caption already drawn
// that way is not drawn again (each drawing is a round of non-client paint).
void CMiniFrameWnd::DrawCaptionAs(HWND active) {
    const bool looksActive = LooksActive(active);
    if (m_captionDrawn != static_cast<int>(looksActive))
        DrawCaption(looksActive, 0);
}

LRESULT CMiniFrameWnd::DrawCaption(bool active, LPARAM lParam) {
    m_captionDrawn = active;
    return DefaultProc(WM_NCACTIVATE, active, lParam);
}

bool CMiniFrameWnd::OnNcActivate(const MessageArgs& m, LRESULT* result) {
    if (!(m_dwFrameFlags & MFS_SYNCACTIVE))
        return false;
    // Going inactive: the hook has just named the window becoming active.
    const HWND active = m.wParam ? m_hWnd : Sync().activating;
    DrawCaption(LooksActive(active), m.lParam);
    *result = TRUE; // the activation itself goes ahead
    return true;
}

bool CMiniFrameWnd::OnActivationElsewhere(const MessageArgs& m, LRESULT*) {
    if (!(m_dwFrameFlags & MFS_SYNCACTIVE))
        return false;
    if (m.message == WM_ACTIVATEAPP && !m.wParam)
        DrawCaptionAs(nullptr); // another application's window is active now
    else if (m.message == WM_ENABLE)
        DrawCaptionAs(::GetActiveWindow());
    else if (m.message == WM_SHOWWINDOW && m.wParam && Syncing(this))
        PostCaptionSync(); // (a frame made visible draws its look once made)
    return false;          // the default handling runs too
}

bool CMiniFrameWnd::OnSyncCaption(const MessageArgs&, LRESULT* result) {
    m_syncPosted = false;
    Sync().activating = nullptr;
    DrawCaptionAs(::GetActiveWindow());
    *result = 0;
    return true;
}
