// Thin control wrappers: each method is one message to the control.
#pragma once

#include "framework/wnd.h"

#include <commctrl.h>

class CButton : public CWnd {
public:
    int GetCheck() const { return static_cast<int>(SendMessage(BM_GETCHECK)); }
    void SetCheck(int check) const { SendMessage(BM_SETCHECK, static_cast<WPARAM>(check)); }
    UINT GetState() const { return static_cast<UINT>(SendMessage(BM_GETSTATE)); }
    void SetState(BOOL pushed) const { SendMessage(BM_SETSTATE, static_cast<WPARAM>(pushed)); }
};

class CStatic : public CWnd {};

class CEdit : public CWnd {
public:
    void SetSel(int start, int end) const { SendMessage(EM_SETSEL, start, end); }
    void LimitText(int chars) const { SendMessage(EM_LIMITTEXT, static_cast<WPARAM>(chars)); }
};

class CSpinButtonCtrl : public CWnd {
public:
    // UDM_SETRANGE takes the maximum in the low word, the minimum in the high word.
    void SetRange(short lower, short upper) const {
        SendMessage(UDM_SETRANGE, 0, MAKELPARAM(upper, lower));
    }
};

class CListBox : public CWnd {
public:
    int AddString(LPCSTR text) const {
        return static_cast<int>(SendMessage(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text)));
    }
    int GetCurSel() const { return static_cast<int>(SendMessage(LB_GETCURSEL)); }
    int SetCurSel(int index) const { return static_cast<int>(SendMessage(LB_SETCURSEL, index)); }
};

class CComboBox : public CWnd {
public:
    int AddString(LPCSTR text) const {
        return static_cast<int>(SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text)));
    }
    int GetCurSel() const { return static_cast<int>(SendMessage(CB_GETCURSEL)); }
    int SetCurSel(int index) const { return static_cast<int>(SendMessage(CB_SETCURSEL, index)); }
};
