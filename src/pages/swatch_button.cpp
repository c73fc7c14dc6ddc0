// CSwatchButton: a colour swatch's name, state and arrow keys.
#include "pages/swatch_button.h"

#include "framework/message_box.h"
#include "pages/color_palette.h"

#include <oleacc.h>

MessageTable<CSwatchButton> CSwatchButton::Messages() {
    static const Entry table[] = {
        ForMessage<&CSwatchButton::OnGetDlgCode>(WM_GETDLGCODE),
        ForMessage<&CSwatchButton::OnKeyDown>(WM_KEYDOWN),
        ForMessage<&CSwatchButton::OnGetObject>(WM_GETOBJECT),
        ForMessage<&CSwatchButton::OnSetState>(BM_SETSTATE),
    };
    return table;
}

void CSwatchButton::Bind(HWND swatch, const int* selection) {
    m_pSelection = selection;
    if (!swatch || !SubclassWindow(swatch))
        return;
    // Owner-drawn: the text is never drawn, only read out.
    SetWindowText(AfxLoadString(SwatchNameId(::GetDlgCtrlID(swatch))).c_str());
}

void CSwatchButton::DescribeAccessible(LONG, AccessibleFacts* facts) const {
    facts->role = ROLE_SYSTEM_RADIOBUTTON;
    if (*m_pSelection == ::GetDlgCtrlID(m_hWnd))
        facts->state |= STATE_SYSTEM_CHECKED;
}

// The dialog manager would take the arrow keys through the swatches in
// template order; the swatch takes them itself to move in its grid.
bool CSwatchButton::OnGetDlgCode(const MessageArgs& m, LRESULT* result) {
    *result = DefaultProc(m.message, m.wParam, m.lParam) | DLGC_WANTARROWS;
    return true;
}

bool CSwatchButton::OnKeyDown(const MessageArgs& m, LRESULT* result) {
    int columns = 0, rows = 0;
    switch (m.wParam) {
    case VK_LEFT:
        columns = -1;
        break;
    case VK_RIGHT:
        columns = 1;
        break;
    case VK_UP:
        rows = -1;
        break;
    case VK_DOWN:
        rows = 1;
        break;
    default:
        return false;
    }
    const int next = NeighbourSwatch(::GetDlgCtrlID(m_hWnd), columns, rows);
    if (HWND neighbour = next >= 0 ? ::GetDlgItem(::GetParent(m_hWnd), next) : nullptr)
        ::SetFocus(neighbour);
    *result = 0;
    return true;
}

bool CSwatchButton::OnGetObject(const MessageArgs& m, LRESULT* result) {
    *result = AnswerGetObject(m_hWnd, m.wParam, m.lParam);
    return *result != 0;
}

// The page picks a swatch when it draws it pressed. Some button versions only
// invalidate on a press and paint after the release, when the press is over:
// painting at once keeps a quick click or Space a pick on every version.
bool CSwatchButton::OnSetState(const MessageArgs& m, LRESULT* result) {
    *result = DefaultProc(m.message, m.wParam, m.lParam);
    if (m.wParam)
        ::UpdateWindow(m_hWnd);
    return true;
}
