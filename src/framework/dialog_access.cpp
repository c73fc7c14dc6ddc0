// Dialog helpers for keyboard and screen-reader users.
#include "framework/dialog_access.h"

#include <commctrl.h>

namespace {
LONG Style(HWND window) {
    return ::GetWindowLongA(window, GWL_STYLE);
}

bool IsClass(HWND window, const char* name) {
    char found[32] = "";
    ::GetClassNameA(window, found, sizeof found);
    return lstrcmpiA(found, name) == 0;
}

// Controls of one kind: the same class and, for buttons, the same type.
bool IsLike(HWND a, HWND b) {
    char classA[32] = "", classB[32] = "";
    ::GetClassNameA(a, classA, sizeof classA);
    ::GetClassNameA(b, classB, sizeof classB);
    return lstrcmpiA(classA, classB) == 0 && (Style(a) & BS_TYPEMASK) == (Style(b) & BS_TYPEMASK);
}
} // namespace

void MoveTabStopTo(HWND control) {
    // The group runs from the nearest control with WS_GROUP (this one or one
    // before it) up to the next one with WS_GROUP; only the control's like
    // lose their tab stop (a check box in the same group keeps its own).
    if (!control)
        return;
    HWND member = control;
    while (!(Style(member) & WS_GROUP) && ::GetWindow(member, GW_HWNDPREV))
        member = ::GetWindow(member, GW_HWNDPREV);
    do {
        const LONG style = Style(member);
        LONG wanted = style;
        if (member == control)
            wanted |= WS_TABSTOP;
        else if (IsLike(member, control))
            wanted &= ~WS_TABSTOP;
        if (wanted != style)
            ::SetWindowLongA(member, GWL_STYLE, wanted);
        member = ::GetWindow(member, GW_HWNDNEXT);
    } while (member && !(Style(member) & WS_GROUP));
}

void PlaceLabelBefore(HWND label, HWND field) {
    HWND before = ::GetWindow(field, GW_HWNDPREV);
    if (!label || !field || before == label)
        return;
    ::SetWindowPos(label, before ? before : HWND_TOP, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void NameUpDownControls(HWND dialog) {
    for (HWND child = ::GetWindow(dialog, GW_CHILD); child;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (!IsClass(child, UPDOWN_CLASSA))
            continue;
        HWND edit = reinterpret_cast<HWND>(::SendMessageA(child, UDM_GETBUDDY, 0, 0));
        HWND label = edit ? ::GetWindow(edit, GW_HWNDPREV) : nullptr;
        char text[128] = "";
        if (label && IsClass(label, "Static"))
            ::GetWindowTextA(label, text, sizeof text);
        ::SetWindowTextA(child, WithoutMnemonic(text).c_str());
    }
}

std::string WithoutMnemonic(const std::string& label) {
    std::string text;
    for (size_t i = 0; i < label.size(); ++i) {
        if (label[i] != '&') {
            text += label[i];
        } else if (i + 1 < label.size() && label[i + 1] == '&') {
            text += '&'; // "&&" shows one ampersand
            ++i;
        } else if (!text.empty() && text.back() == '(' && i + 2 < label.size() &&
                   label[i + 2] == ')') {
            text.pop_back(); // "(&S)" goes whole
            i += 2;
        }
    }
    return text;
}
