// Finds and operates property sheets, their controls and message boxes; the host stand-in.
#include "dialog_helpers.h"

namespace kelgui_test {

std::string ClassName(HWND window) {
    char name[256] = {};
    return std::string(name, GetClassNameA(window, name, sizeof name));
}

namespace {

BOOL CALLBACK CollectWindow(HWND window, LPARAM list) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

// A message box's text control: id 0xFFFF, or 100 in some implementations.
HWND MessageBoxTextControl(HWND box) {
    for (int id : {0xFFFF, 100})
        if (HWND text = GetDlgItem(box, id); text && ClassName(text) == "Static")
            return text;
    return nullptr;
}

} // namespace

std::string Text(HWND window) {
    std::string text(GetWindowTextLengthA(window) + 1, '\0');
    text.resize(GetWindowTextA(window, &text[0], static_cast<int>(text.size())));
    return text;
}

std::vector<HWND> ThreadWindows() {
    std::vector<HWND> windows;
    EnumThreadWindows(GetCurrentThreadId(), CollectWindow, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

bool IsVisibleDialog(HWND window) {
    return IsWindowVisible(window) && ClassName(window) == "#32770";
}

bool IsPropertySheet(HWND window) { // 0x3020: the sheet's tab control
    return ClassName(window) == "#32770" && ClassName(GetDlgItem(window, 0x3020)) == WC_TABCONTROLA;
}

std::vector<std::string> TabTexts(HWND sheet) {
    HWND tab = PropSheet_GetTabControl(sheet);
    std::vector<std::string> texts;
    for (int i = 0; i < TabCtrl_GetItemCount(tab); ++i) {
        char text[256] = {};
        TCITEMA item = {TCIF_TEXT, 0, 0, text, sizeof text, 0, 0};
        SendMessageA(tab, TCM_GETITEMA, i, reinterpret_cast<LPARAM>(&item));
        texts.emplace_back(text);
    }
    return texts;
}

std::string WideTextUtf8(HWND window) {
    std::wstring text(GetWindowTextLengthW(window) + 1, L'\0');
    text.resize(GetWindowTextW(window, &text[0], static_cast<int>(text.size())));
    std::string utf8(text.size() * 3, '\0');
    utf8.resize(WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                    &utf8[0], static_cast<int>(utf8.size()), nullptr, nullptr));
    return utf8;
}

std::pair<int, int> EditSelection(HWND edit) {
    DWORD start = 0, end = 0;
    SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return {static_cast<int>(start), static_cast<int>(end)};
}

HWND FindMessageBox(HWND owner) {
    for (HWND w : ThreadWindows())
        if (IsVisibleDialog(w) && !IsPropertySheet(w) && MessageBoxTextControl(w) &&
            (!owner || GetWindow(w, GW_OWNER) == owner))
            return w;
    return nullptr;
}

std::string MessageBoxText(HWND box) {
    return Text(MessageBoxTextControl(box));
}

void PressKey(WORD key, WORD modifier) {
    std::vector<INPUT> input;
    for (auto [vk, up] : {std::pair(modifier, false), {key, false}, {key, true}, {modifier, true}})
        if (vk) {
            INPUT one = {INPUT_KEYBOARD, {}};
            one.ki.wVk = vk, one.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
            input.push_back(one);
        }
    SendInput(UINT(input.size()), input.data(), sizeof(INPUT));
}

std::string MessageBoxTextUtf8(HWND box) {
    return WideTextUtf8(MessageBoxTextControl(box));
}

bool DispatchPending() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT)
            return PostQuitMessage(static_cast<int>(msg.wParam)), false;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return true;
}

HostWindow::HostWindow() {
    static const ATOM kClass = [] {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        wc.lpszClassName = "KelguiTestHost";
        return RegisterClassA(&wc);
    }();
    m_window = CreateWindowExA(0, MAKEINTATOM(kClass), "kelgui test host", WS_OVERLAPPEDWINDOW, 40,
                               40, 600, 440, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ShowWindow(m_window, SW_SHOW);
    UpdateWindow(m_window);
    SetForegroundWindow(m_window);
}

} // namespace kelgui_test
