// What a window of the library tells screen readers beyond the system's
// standard object for it: a role, state or name of its own, and items the
// system has no object for (the buttons of a tool bar). The window answers
// WM_GETOBJECT with AnswerGetObject.
#pragma once

#include <windows.h>

#include <string>

// What a screen reader reads of the window (item 0) or of one of its items.
struct AccessibleFacts {
    std::wstring name;
    LONG role = 0;  // ROLE_SYSTEM_*
    LONG state = 0; // STATE_SYSTEM_*
    RECT screen = {};
    std::wstring defaultAction; // empty: the item has none
};

// Implemented by the window object next to CWnd. The object handed out asks
// the window's object again on every call, so it may outlive the window: once
// the window is gone it answers as the system's standard object does.
class CAccessibleSource {
public:
    virtual ~CAccessibleSource() = default;
    // Items of the window's own, numbered from 1 (the window itself is 0).
    virtual LONG AccessibleItemCount() const { return 0; }
    // facts arrive with the standard object's answers for the window (item
    // 0) and empty for an item.
    virtual void DescribeAccessible(LONG item, AccessibleFacts* facts) const = 0;
    // The item under a screen point; 0 for none.
    virtual LONG AccessibleItemAt(POINT) const { return 0; }
    // The item that has the keyboard focus while the window has it; 0 for none.
    virtual LONG FocusedAccessibleItem() const { return 0; }
    virtual void DoAccessibleDefaultAction(LONG) {}
};

// The answer to WM_GETOBJECT for a window whose object is a CAccessibleSource:
// the client area's object (and with windowToo the window's, caption and
// frame included), or 0, which leaves the request to the default handling.
// oleacc.dll is loaded on the first request, not with the library.
LRESULT AnswerGetObject(HWND window, WPARAM flags, LPARAM objectId, bool windowToo = false);

// Tells screen readers that something of the window (item 0) or of an item changed.
void NotifyAccessibleEvent(DWORD event, HWND window, LONG item);

// A string of the library in the system's code page, as a screen reader reads it.
std::wstring AccessibleText(const std::string& text);
