// CKELToolBar: the annotation tool bar, a set of mutually exclusive tool
// buttons whose presses reach the host's notification callback.
#pragma once

#include "framework/message_map.h"
#include "kelgui.h"
#include "toolbar/keyboard_tool_bar.h"

class CKELToolBar : public CMessageMap<CKELToolBar, CKeyboardToolBar> {
public:
    // Tools are laid out two per row.
    static constexpr UINT kColumns = 2;

    // Makes every button a check button, lays the visible ones out kColumns
    // per row and has the frame snap to the bar. Only buttons whose style
    // changes are touched: each change lays the whole bar out again.
    void LayOutColumns();
    void SetNotifyCallback(KEL_TOOLBAR_NOTIFY_PROC callback, DWORD_PTR userData) {
        m_pfnNotify = callback;
        m_dwNotifyData = userData;
    }
    // Calls the notification callback, when one is registered, with the mark
    // type of commandId (0 for no command).
    void Notify(UINT commandId, DWORD event) const;
    // Sets or reads a tool's KEL_TOOL_* flags by mark type.
    void SetToolState(int markType, DWORD flags);
    DWORD GetToolState(int markType) const;

    // Message KEL_WM_TOOLBAR_PRESS_AT_POINT, seen through the application's
    // message hook while the host's loop runs.
    BOOL PreTranslateMessage(MSG* msg) override;
    bool PreTranslatesFromHook() const override { return true; }

    static MessageTable<CKELToolBar> Messages();

protected:
    void PostNcDestroy() override { delete this; }
    // Buttons are loaded already laid out in columns.
    UINT LoadedButtonStyle(int index) const override {
        return ColumnStyle(0, static_cast<UINT>(index) + 1);
    }

private:
    // style as a check button, ending its row when it is the visible-th shown
    // button (from 1) and the row is full.
    static UINT ColumnStyle(UINT style, UINT visible) {
        style |= TBBS_CHECKBOX;
        return visible % kColumns == 0 ? style | TBBS_WRAPPED : style & ~TBBS_WRAPPED;
    }
    void OnToolCommand(UINT commandId) { RunToolCommand(commandId); }
    void OnDestroy() { Notify(0, KEL_TOOL_EVENT_DESTROYED); }
    // The control has already toggled the button of commandId: report it and
    // release the other tools.
    void RunToolCommand(UINT commandId);
    // Index of the visible, enabled button under a screen point, or -1.
    int ButtonAtScreenPoint(POINT point) const;

    KEL_TOOLBAR_NOTIFY_PROC m_pfnNotify = nullptr;
    DWORD_PTR m_dwNotifyData = 0;
};
