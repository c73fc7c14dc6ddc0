// CMiniFrameWnd: a small floating tool window with a short caption that can
// be moved but not sized.
#pragma once

#include "framework/frame_wnd.h"
#include "framework/message_map.h"

// Mini frame flags, kept in the frame's style word next to FWS_SNAPTOBARS.
constexpr DWORD MFS_SYNCACTIVE = 0x0100;  // caption shown active with the owner's
constexpr DWORD MFS_4THICKFRAME = 0x0200; // no sizing at the corners
constexpr DWORD MFS_THICKFRAME = 0x0400;  // sizable border
constexpr DWORD MFS_MOVEFRAME = 0x0800;   // dragging the border moves the window

// Posted by a mini frame to itself: draw the caption as the settled
// activation asks (MFS_SYNCACTIVE).
UINT AfxSyncCaptionMessage();

class CMiniFrameWnd : public CMessageMap<CMiniFrameWnd, CFrameWnd> {
public:
    // A tool window (small caption). Without MFS_THICKFRAME it has no sizing
    // border. After FALSE the object is gone (see CreateFrame).
    BOOL Create(LPCSTR title, DWORD style, const RECT& rect, HWND parent, UINT id = 0);

    static MessageTable<CMiniFrameWnd> Messages();

    // MFS_SYNCACTIVE: the caption is drawn anew once the thread's activation
    // has settled (one message on its way at a time).
    void PostCaptionSync();

private:
    LRESULT OnNcHitTest(POINT screen);
    // MFS_SYNCACTIVE (mini_frame_activation.cpp): the caption looks active
    // while the frame or its owner is the active window.
    void StartCaptionSync();
    void OnDestroy();
    bool OnNcActivate(const MessageArgs& m, LRESULT* result);
    bool OnActivationElsewhere(const MessageArgs& m, LRESULT* result);
    bool OnSyncCaption(const MessageArgs& m, LRESULT* result);
    bool LooksActive(HWND active) const;
    void DrawCaptionAs(HWND active);
    LRESULT DrawCaption(bool active, LPARAM lParam);

    bool m_syncPosted = false; // a sync message is on its way
    int m_captionDrawn = -1;   // the look last drawn: 1 active, 0 inactive, -1 none yet
};
