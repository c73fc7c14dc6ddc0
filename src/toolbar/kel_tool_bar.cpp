// CKELToolBar: column layout, tool commands, button states and notifications.
#include "toolbar/kel_tool_bar.h"

#include "framework/frame_wnd.h"
#include "toolbar/tool_table.h"

MessageTable<CKELToolBar> CKELToolBar::Messages() {
    static const Entry table[] = {
        ForCommand<&CKELToolBar::OnToolCommand>(BN_CLICKED, kFirstToolCommand, kLastToolCommand),
        ForDestroy<&CKELToolBar::OnDestroy>(),
    };
    return table;
}

void CKELToolBar::LayOutColumns() {
    const int count = GetCount();
    UINT visible = 0;
    for (int i = 0; i < count; ++i) {
        const UINT style = GetButtonStyle(i);
        if (style & TBBS_HIDDEN)
            continue;
        const UINT laidOut = ColumnStyle(style, ++visible);
        if (laidOut != style)
            SetButtonStyle(i, laidOut);
    }
    KeepButtonSize();
    Invalidate(TRUE);
    if (auto* frame = dynamic_cast<CFrameWnd*>(FromHandlePermanent(::GetParent(m_hWnd))))
        frame->RecalcLayout();
}

void CKELToolBar::Notify(UINT commandId, DWORD event) const {
    if (m_pfnNotify)
        m_pfnNotify(m_dwNotifyData, MarkTypeOfCommand(commandId), event);
}

void CKELToolBar::SetToolState(int markType, DWORD flags) {
    const UINT command = CommandOfMarkType(markType);
    // A mark type without a button has no state to set; command 0 would
    // otherwise name whatever the control finds for id 0.
    const int index = command ? CommandToIndex(command) : -1;
    if (index >= 0) {
        UINT state = static_cast<UINT>(SendMessage(TB_GETSTATE, command));
        state = (flags & KEL_TOOL_PRESSED) ? state | TBSTATE_CHECKED : state & ~TBSTATE_CHECKED;
        state = (flags & KEL_TOOL_ENABLED) ? state | TBSTATE_ENABLED : state & ~TBSTATE_ENABLED;
        state = (flags & KEL_TOOL_VISIBLE) ? state & ~TBSTATE_HIDDEN : state | TBSTATE_HIDDEN;
        SendMessage(TB_SETSTATE, command, MAKELONG(LOWORD(state), 0));
        if (state & TBSTATE_HIDDEN)
            SetButtonStyle(index, GetButtonStyle(index) | TBBS_HIDDEN);
    }
    LayOutColumns();
}

DWORD CKELToolBar::GetToolState(int markType) const {
    const UINT command = CommandOfMarkType(markType);
    // The control answers -1 (every bit set) for a command it has no button
    // for; a missing tool reads the same way: pressed, enabled, not visible.
    const int index = command ? CommandToIndex(command) : -1;
    const UINT state = index >= 0 ? static_cast<UINT>(SendMessage(TB_GETSTATE, command)) : ~0u;
    DWORD flags = 0;
    if (state & TBSTATE_CHECKED)
        flags |= KEL_TOOL_PRESSED;
    if (state & TBSTATE_ENABLED)
        flags |= KEL_TOOL_ENABLED;
    if (!(state & TBSTATE_HIDDEN))
        flags |= KEL_TOOL_VISIBLE;
    return flags;
}

BOOL CKELToolBar::PreTranslateMessage(MSG* msg) {
    if (msg->message == KEL_WM_TOOLBAR_PRESS_AT_POINT && msg->hwnd == m_hWnd) {
        const int index = ButtonAtScreenPoint(msg->pt);
        if (index >= 0) {
            const UINT command = GetItemID(index);
            SendMessage(TB_CHECKBUTTON, command, TRUE);
            ReleaseCapture();
            RunToolCommand(command);
            return TRUE;
        }
    }
    return CToolBar::PreTranslateMessage(msg);
}

int CKELToolBar::ButtonAtScreenPoint(POINT point) const {
    const int count = GetCount();
    for (int i = 0; i < count; ++i) {
        // As with a click: a hidden or disabled tool cannot be chosen.
        if (GetButtonStyle(i) & (TBBS_HIDDEN | TBBS_DISABLED))
            continue;
        RECT rect;
        if (!GetItemRect(i, &rect))
            continue;
        MapWindowPoints(m_hWnd, nullptr, reinterpret_cast<POINT*>(&rect), 2);
        if (PtInRect(&rect, point))
            return i;
    }
    return -1;
}

void CKELToolBar::RunToolCommand(UINT commandId) {
    bool pressed = false;
    bool found = false;
    const int count = GetCount();
    for (int i = 0; i < count; ++i) {
        TBBUTTON button = {};
        SendMessage(TB_GETBUTTON, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&button));
        if (static_cast<UINT>(button.idCommand) == commandId) {
            found = true;
            pressed = (button.fsState & TBSTATE_CHECKED) != 0;
        } else if (button.fsState & TBSTATE_CHECKED) {
            SendMessage(TB_CHECKBUTTON, static_cast<WPARAM>(button.idCommand), FALSE);
        }
    }
    // Reported last, once the bar is consistent: the host's callback may call
    // back into the library or destroy the toolbar.
    if (found)
        Notify(commandId, pressed ? KEL_TOOL_EVENT_PRESSED : KEL_TOOL_EVENT_RELEASED);
}
