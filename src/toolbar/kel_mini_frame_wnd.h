// CKELMiniFrameWnd: the floating toolbar window, which holds the annotation
// tool bar, supplies its tooltips and hides when closed.
#pragma once

#include "framework/accessible_object.h"
#include "framework/mini_frame_wnd.h"
#include "framework/owned.h"
#include "kelgui.h"
#include "toolbar/tool_look.h"

#include <string>

class CKELToolBar;

class CKELMiniFrameWnd : public CMessageMap<CKELMiniFrameWnd, CMiniFrameWnd>,
                         public CAccessibleSource {
public:
    // Creates the toolbar owned by owner, its top-left corner at screen
    // (x, y), with the extra window styles of style. After FALSE the object
    // is gone.
    BOOL CreateToolbar(HWND owner, int x, int y, DWORD style);
    // The tool bar inside, looked up anew each time (null once it is gone).
    CKELToolBar* ToolBar() const;
    void SetTipTextCallback(KEL_TOOLBAR_TIP_TEXT_PROC callback, DWORD_PTR userData) {
        m_pfnTipText = callback;
        m_dwTipTextData = userData;
    }

    // Commands are offered to the tool bar first.
    BOOL OnCmdMsg(UINT id, int code, LPARAM lParam) override;

    // The name screen readers read: the frame shows no title of its own, so
    // unless the host gives it one, the toolbar's name from the string table.
    std::string AccessibleName() const;
    void DescribeAccessible(LONG item, AccessibleFacts* facts) const override;

    static MessageTable<CKELMiniFrameWnd> Messages();

protected:
    BOOL OnCreateClient(const CREATESTRUCTA* cs) override;
    ~CKELMiniFrameWnd() override = default;

private:
    void OnClose();
    // The bar's look follows the system's colours; its custom drawing asks us.
    bool OnSysColorChange(const MessageArgs& m, LRESULT* result);
    LRESULT OnBarCustomDraw(NMTBCUSTOMDRAW& draw) { return m_look.OnCustomDraw(draw); }
    // Keyboard and screen-reader users (kel_mini_frame_access.cpp).
    bool OnSetFocus(const MessageArgs& m, LRESULT* result);
    bool OnGetObject(const MessageArgs& m, LRESULT* result);
    LRESULT OnNeedTextA(NMTTDISPINFOA& request);
    LRESULT OnNeedTextW(NMTTDISPINFOW& request);
    // The tool's string, or the host's replacement for it.
    std::string TipText(UINT commandId) const;
    // Under code page 932, gives the tooltip a "System" face (made once).
    void ApplyTipFont(HWND toolTip);

    KEL_TOOLBAR_TIP_TEXT_PROC m_pfnTipText = nullptr;
    DWORD_PTR m_dwTipTextData = 0;
    COwnedFont m_tipFont; // made at the first tip under code page 932
    CToolLook m_look;
};
