// CKeyboardToolBar: keyboard mode and what screen readers read of the tools.
#include "toolbar/keyboard_tool_bar.h"

#include "framework/message_box.h"
#include "resources/resource_ids.h"
#include "toolbar/kel_mini_frame_wnd.h"

#include <oleacc.h>

MessageTable<CKeyboardToolBar> CKeyboardToolBar::Messages() {
    static const Entry table[] = {
        ForMessage<&CKeyboardToolBar::OnSetFocus>(WM_SETFOCUS),
        ForMessage<&CKeyboardToolBar::OnKillFocus>(WM_KILLFOCUS),
        ForMessage<&CKeyboardToolBar::OnKeyDown>(WM_KEYDOWN),
        ForMessage<&CKeyboardToolBar::OnGetObject>(WM_GETOBJECT),
    };
    return table;
}

std::vector<CKeyboardToolBar::Place> CKeyboardToolBar::VisiblePlaces() const {
    std::vector<Place> places;
    int row = 0, column = 0;
    const int count = GetCount();
    for (int i = 0; i < count; ++i) {
        const UINT style = GetButtonStyle(i);
        if (style & TBBS_HIDDEN)
            continue;
        places.push_back({i, row, column++, !(style & TBBS_DISABLED), (style & TBBS_CHECKED) != 0});
        if (style & TBBS_WRAPPED)
            ++row, column = 0;
    }
    return places;
}

bool CKeyboardToolBar::OnSetFocus(const MessageArgs& m, LRESULT* result) {
    *result = DefaultProc(m.message, m.wParam, m.lParam);
    // The hot tool: the pressed one, else the first that can be pressed.
    int hot = -1;
    for (const Place& place : VisiblePlaces()) {
        if (!place.enabled)
            continue;
        if (hot < 0 || place.checked) {
            hot = place.index;
            if (place.checked)
                break;
        }
    }
    SendMessage(TB_SETANCHORHIGHLIGHT, TRUE); // the mouse leaving keeps it shown
    SetHot(hot);
    return true;
}

bool CKeyboardToolBar::OnKillFocus(const MessageArgs& m, LRESULT* result) {
    *result = DefaultProc(m.message, m.wParam, m.lParam);
    SendMessage(TB_SETANCHORHIGHLIGHT, FALSE);
    SetHot(-1);
    return true;
}

bool CKeyboardToolBar::OnKeyDown(const MessageArgs& m, LRESULT* result) {
    *result = 0;
    const UINT key = static_cast<UINT>(m.wParam);
    switch (key) {
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
    case VK_HOME:
    case VK_END:
        if (const int tool = ToolForKey(key); tool >= 0)
            SetHot(tool);
        return true;
    case VK_RETURN:
    case VK_SPACE:
        Press(static_cast<int>(SendMessage(TB_GETHOTITEM)));
        return true;
    case VK_ESCAPE:
        // The owner is the frame's: the host's window.
        if (HWND owner = ::GetWindow(::GetParent(m_hWnd), GW_OWNER))
            ::SetActiveWindow(owner);
        return true;
    default:
        return false;
    }
}

bool CKeyboardToolBar::OnGetObject(const MessageArgs& m, LRESULT* result) {
    *result = AnswerGetObject(m_hWnd, m.wParam, m.lParam);
    return *result != 0;
}

int CKeyboardToolBar::ToolForKey(UINT key) const {
    const std::vector<Place> places = VisiblePlaces();
    const int count = static_cast<int>(places.size());
    const int hot = static_cast<int>(SendMessage(TB_GETHOTITEM));
    int from = -1;
    for (int i = 0; i < count; ++i)
        if (places[static_cast<size_t>(i)].index == hot)
            from = i;
    // Left and Right go in reading order, Up and Down keep the column;
    // disabled tools are passed over.
    int step = 0;
    bool sameColumn = false;
    switch (key) {
    case VK_HOME:
        from = -1, step = 1;
        break;
    case VK_END:
        from = count, step = -1;
        break;
    case VK_LEFT:
        step = -1;
        break;
    case VK_RIGHT:
        step = 1;
        break;
    case VK_UP:
        step = -1, sameColumn = true;
        break;
    default: // VK_DOWN
        step = 1, sameColumn = true;
        break;
    }
    if (from < 0) // no hot tool (the mouse took it away): start from the first
        step = 1, sameColumn = false;
    const Place* origin = from >= 0 && from < count ? &places[static_cast<size_t>(from)] : nullptr;
    for (int i = from + step; i >= 0 && i < count; i += step) {
        const Place& place = places[static_cast<size_t>(i)];
        if (sameColumn && origin && (place.column != origin->column || place.row == origin->row))
            continue;
        if (place.enabled)
            return place.index;
    }
    return -1;
}

void CKeyboardToolBar::SetHot(int index) {
    SendMessage(TB_SETHOTITEM, static_cast<WPARAM>(index));
    if (index >= 0 && ::GetFocus() == m_hWnd)
        NotifyAccessibleEvent(EVENT_OBJECT_FOCUS, m_hWnd, index + 1);
}

void CKeyboardToolBar::Press(int index) {
    if (index < 0 || index >= GetCount())
        return;
    const UINT style = GetButtonStyle(index);
    if (style & (TBBS_HIDDEN | TBBS_DISABLED))
        return;
    const UINT command = GetItemID(index);
    // As a click: a check button changes its state first, then the frame is told.
    if (LOWORD(style) & TBSTYLE_CHECK)
        SendMessage(TB_CHECKBUTTON, command, !(style & TBBS_CHECKED));
    ::SendMessageA(::GetParent(m_hWnd), WM_COMMAND, MAKEWPARAM(command, BN_CLICKED),
                   reinterpret_cast<LPARAM>(m_hWnd));
}

std::string CKeyboardToolBar::ToolName(int index) const {
    const UINT command = GetItemID(index);
    std::string name = AfxLoadString(command);
    // The Japanese table has no string for this tool: its tip stays empty,
    // but a screen reader still needs a name.
    if (name.empty() && command == IDS_TOOL_RTF_EDIT)
        name = AfxLoadString(IDS_NAME_RTF_EDIT);
    return name;
}

void CKeyboardToolBar::DescribeAccessible(LONG item, AccessibleFacts* facts) const {
    if (item == CHILDID_SELF) {
        // The bar is read by the toolbar's name, as its frame is.
        if (const auto* frame =
                dynamic_cast<const CKELMiniFrameWnd*>(FromHandlePermanent(::GetParent(m_hWnd))))
            facts->name = AccessibleText(frame->AccessibleName());
        facts->role = ROLE_SYSTEM_TOOLBAR;
        return;
    }
    const int index = static_cast<int>(item) - 1;
    const UINT style = GetButtonStyle(index);
    facts->name = AccessibleText(ToolName(index));
    facts->role = ROLE_SYSTEM_PUSHBUTTON;
    facts->state = STATE_SYSTEM_FOCUSABLE;
    if (style & TBBS_CHECKED)
        facts->state |= STATE_SYSTEM_PRESSED;
    if (style & TBBS_DISABLED)
        facts->state |= STATE_SYSTEM_UNAVAILABLE;
    if (style & TBBS_HIDDEN)
        facts->state |= STATE_SYSTEM_INVISIBLE;
    if (::GetFocus() == m_hWnd && index == SendMessage(TB_GETHOTITEM))
        facts->state |= STATE_SYSTEM_FOCUSED | STATE_SYSTEM_HOTTRACKED;
    if (!(style & TBBS_HIDDEN) && GetItemRect(index, &facts->screen))
        ::MapWindowPoints(m_hWnd, nullptr, reinterpret_cast<POINT*>(&facts->screen), 2);
    if (!(style & (TBBS_HIDDEN | TBBS_DISABLED)))
        facts->defaultAction = AccessibleText(AfxLoadString(IDS_NAME_PRESS));
}

LONG CKeyboardToolBar::AccessibleItemAt(POINT screen) const {
    ::ScreenToClient(m_hWnd, &screen);
    const auto index =
        static_cast<int>(SendMessage(TB_HITTEST, 0, reinterpret_cast<LPARAM>(&screen)));
    if (index < 0 || index >= GetCount() || (GetButtonStyle(index) & TBBS_HIDDEN))
        return 0;
    return index + 1;
}
