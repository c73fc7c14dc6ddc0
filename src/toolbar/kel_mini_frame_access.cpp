// CKELMiniFrameWnd for keyboard and screen-reader users.
#include "toolbar/kel_mini_frame_wnd.h"

#include "framework/message_box.h"
#include "resources/resource_ids.h"
#include "toolbar/kel_tool_bar.h"

// A host puts the toolbar in keyboard mode by giving the frame the focus
// (SetFocus or SetActiveWindow on the handle it holds): the bar takes it on.
bool CKELMiniFrameWnd::OnSetFocus(const MessageArgs&, LRESULT* result) {
    if (CKELToolBar* bar = ToolBar())
        ::SetFocus(bar->m_hWnd);
    *result = 0;
    return true;
}

// The small caption stays empty, as the frame is made without a title: the
// name is given to screen readers only (the window's object and its client
// area's), not as window text, which the caption would draw.
bool CKELMiniFrameWnd::OnGetObject(const MessageArgs& m, LRESULT* result) {
    *result = AnswerGetObject(m_hWnd, m.wParam, m.lParam, true);
    return *result != 0;
}

std::string CKELMiniFrameWnd::AccessibleName() const {
    const std::string title = GetWindowText();
    return title.empty() ? AfxLoadString(IDS_NAME_TOOLBAR) : title;
}

void CKELMiniFrameWnd::DescribeAccessible(LONG, AccessibleFacts* facts) const {
    facts->name = AccessibleText(AccessibleName());
}
