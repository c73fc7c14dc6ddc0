// Finds and operates the dialogs a test drives in the calling thread; actions that could
// open a nested modal loop are posted, never sent. And a window standing in for the host.
#pragma once

#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include <windows.h>

#include <commctrl.h>
#include <prsht.h>

namespace kelgui_test {

std::string Text(HWND window); // GetWindowTextA
std::string ClassName(HWND window);
inline std::string ItemText(HWND dialog, int id) {
    return Text(GetDlgItem(dialog, id));
}
std::vector<HWND> ThreadWindows(); // top-level, in z-order
bool IsVisibleDialog(HWND window); // message box, property sheet or other
bool IsPropertySheet(HWND window);
std::vector<std::string> TabTexts(HWND sheet);
inline int CurrentTab(HWND sheet) {
    return TabCtrl_GetCurSel(PropSheet_GetTabControl(sheet));
}
inline HWND CurrentPage(HWND sheet) {
    return PropSheet_GetCurrentPageHwnd(sheet);
}
// Posted, as leaving a page may show a message box; so are the buttons and close box.
inline void SelectTab(HWND sheet, int index) {
    PostMessageA(sheet, PSM_SETCURSEL, index, 0);
}
inline void PressOk(HWND sheet) {
    PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_OK, 0);
}
inline void PressCancel(HWND sheet) {
    PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
}
inline void PressCloseBox(HWND sheet) {
    PostMessageA(sheet, WM_SYSCOMMAND, SC_CLOSE, 0);
}

inline void SetText(HWND control, const std::string& text) {
    SendMessageA(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}
// Selects all of an edit's text, then types text one WM_CHAR at a time (wide text as Unicode).
template <class Char> void TypeText(HWND edit, const std::basic_string<Char>& text) {
    const auto send = sizeof(Char) == 1 ? SendMessageA : SendMessageW;
    send(edit, EM_SETSEL, 0, -1);
    for (Char c : text)
        send(edit, WM_CHAR, std::make_unsigned_t<Char>(c), 1);
}
std::string WideTextUtf8(HWND window); // GetWindowTextW, as UTF-8
inline void Click(HWND button) {
    PostMessageA(button, BM_CLICK, 0, 0);
}
std::pair<int, int> EditSelection(HWND edit); // [start, end)
// Real key input (SendInput): key, with modifier held.
void PressKey(WORD key, WORD modifier = 0);

// A visible message box of this thread; with an owner, only one owned by it.
HWND FindMessageBox(HWND owner = nullptr);
std::string MessageBoxText(HWND box);
std::string MessageBoxTextUtf8(HWND box); // what it shows, whatever the code page
inline void DismissMessageBox(HWND box, int buttonId = IDOK) {
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(box, buttonId)));
}

// An overlapped window in the foreground, destroyed with the object.
class HostWindow {
public:
    HostWindow();
    ~HostWindow() { DestroyWindow(m_window); }
    HostWindow(const HostWindow&) = delete;
    HostWindow& operator=(const HostWindow&) = delete;
    HWND Handle() const { return m_window; }
    operator HWND() const { return m_window; }

private:
    HWND m_window = nullptr;
};
// Dispatches what is queued now; false once WM_QUIT was seen (posted again for an outer loop).
bool DispatchPending();

} // namespace kelgui_test
