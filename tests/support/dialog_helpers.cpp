// Finds and operates property sheets, their controls and message boxes for tests.
#include "dialog_helpers.h"

#include <commctrl.h>
#include <prsht.h>

namespace kelgui_test {

namespace {

// Control ids fixed by the system: the sheet's tab control and the text of a
// message box (Windows uses 0xFFFF; some implementations use 100).
constexpr int kSheetTabId = 0x3020;
constexpr int kMessageBoxTextIds[] = {0xFFFF, 100};

BOOL CALLBACK CollectWindow(HWND window, LPARAM list) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

bool IsDialog(HWND window) {
    return ClassName(window) == "#32770";
}

} // namespace

std::string ClassName(HWND window) {
    char name[256] = {};
    int n = GetClassNameA(window, name, sizeof name);
    return std::string(name, n > 0 ? n : 0);
}

std::string Text(HWND window) {
    int length = GetWindowTextLengthA(window);
    std::string text(length + 1, '\0');
    int n = GetWindowTextA(window, &text[0], length + 1);
    text.resize(n > 0 ? n : 0);
    return text;
}

std::string ItemText(HWND dialog, int id) {
    return Text(GetDlgItem(dialog, id));
}

std::vector<HWND> ThreadWindows() {
    std::vector<HWND> windows;
    EnumThreadWindows(GetCurrentThreadId(), CollectWindow, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

bool IsPropertySheet(HWND window) {
    return IsDialog(window) && ClassName(GetDlgItem(window, kSheetTabId)) == WC_TABCONTROLA;
}

HWND FindSheet(const char* caption) {
    for (HWND w : ThreadWindows())
        if (IsWindowVisible(w) && IsPropertySheet(w) && (!caption || Text(w) == caption))
            return w;
    return nullptr;
}

HWND SheetTabControl(HWND sheet) {
    return PropSheet_GetTabControl(sheet);
}

std::vector<std::string> TabTexts(HWND sheet) {
    HWND tab = SheetTabControl(sheet);
    std::vector<std::string> texts;
    int count = static_cast<int>(SendMessageA(tab, TCM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        char text[256] = {};
        TCITEMA item = {};
        item.mask = TCIF_TEXT;
        item.pszText = text;
        item.cchTextMax = sizeof text;
        SendMessageA(tab, TCM_GETITEMA, i, reinterpret_cast<LPARAM>(&item));
        texts.emplace_back(text);
    }
    return texts;
}

int CurrentTab(HWND sheet) {
    return static_cast<int>(SendMessageA(SheetTabControl(sheet), TCM_GETCURSEL, 0, 0));
}

HWND CurrentPage(HWND sheet) {
    return PropSheet_GetCurrentPageHwnd(sheet);
}

void SelectTab(HWND sheet, int index) {
    PostMessageA(sheet, PSM_SETCURSEL, index, 0);
}
void PressOk(HWND sheet) {
    PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_OK, 0);
}
void PressCancel(HWND sheet) {
    PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
}
void PressCloseBox(HWND sheet) {
    PostMessageA(sheet, WM_SYSCOMMAND, SC_CLOSE, 0);
}

void SetText(HWND control, const std::string& text) {
    SendMessageA(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void TypeText(HWND edit, const std::string& text) {
    SendMessageA(edit, EM_SETSEL, 0, -1);
    for (unsigned char c : text)
        SendMessageA(edit, WM_CHAR, c, 1);
}

void Click(HWND button) {
    PostMessageA(button, BM_CLICK, 0, 0);
}

int CheckState(HWND button) {
    return static_cast<int>(SendMessageA(button, BM_GETCHECK, 0, 0));
}

void SendKey(HWND window, UINT vk) {
    LPARAM scan = static_cast<LPARAM>(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC)) << 16;
    PostMessageA(window, WM_KEYDOWN, vk, scan | 1);
    PostMessageA(window, WM_KEYUP, vk, scan | 1 | (1u << 30) | (1u << 31));
}

HWND Focus() {
    return GetFocus();
}

std::pair<int, int> EditSelection(HWND edit) {
    DWORD start = 0, end = 0;
    SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return {static_cast<int>(start), static_cast<int>(end)};
}

static HWND MessageBoxTextControl(HWND box) {
    for (int id : kMessageBoxTextIds) {
        HWND text = GetDlgItem(box, id);
        if (text && ClassName(text) == "Static")
            return text;
    }
    return nullptr;
}

bool IsMessageBox(HWND window) {
    return IsDialog(window) && !IsPropertySheet(window) && MessageBoxTextControl(window);
}

HWND FindMessageBox(HWND owner) {
    for (HWND w : ThreadWindows())
        if (IsWindowVisible(w) && IsMessageBox(w) && (!owner || GetWindow(w, GW_OWNER) == owner))
            return w;
    return nullptr;
}

std::string MessageBoxText(HWND box) {
    return Text(MessageBoxTextControl(box));
}

void DismissMessageBox(HWND box, int buttonId) {
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(box, buttonId)));
}

} // namespace kelgui_test
