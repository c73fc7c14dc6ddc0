// A two-page property sheet built in memory by the test program itself, to test the
// test support without the DLL: "First" (an edit that refuses "bad", a check box) and
// "Second" (a label).
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include "support/dialog_helpers.h"
#include "support/host_window.h"
#include "support/modal_driver.h"

namespace harness {

using namespace kelgui_test;

inline constexpr int kEditId = 101;
inline constexpr int kCheckId = 102;
inline constexpr int kLabelId = 201;
inline constexpr char kCaption[] = "Harness Sheet";
inline constexpr char kNeedName[] = "Please enter a good name.";
inline constexpr char kBoxCaption[] = "Harness";

// A dialog template in memory (DLGTEMPLATE, DS_SETFONT), WORD by WORD.
class DialogTemplate {
public:
    DialogTemplate(short cx, short cy) {
        Dword(DS_SETFONT | WS_CHILD | WS_CAPTION | DS_CONTROL);
        Dword(0);
        m_countAt = m_words.size();
        Push({0, 0, 0, static_cast<WORD>(cx), static_cast<WORD>(cy)});
        Push({0, 0}); // no menu, default class
        String(L"");
        m_words.push_back(8);
        String(L"MS Shell Dlg");
    }
    void Item(DWORD style, short x, short y, short cx, short cy, WORD id, WORD atom,
              const wchar_t* text) {
        if (m_words.size() % 2)
            m_words.push_back(0); // items start on a DWORD boundary
        Dword(style | WS_CHILD | WS_VISIBLE);
        Dword(0);
        for (short v : {x, y, cx, cy})
            m_words.push_back(static_cast<WORD>(v));
        Push({id, 0xFFFF, atom});
        String(text);
        m_words.push_back(0); // no creation data
        ++m_words[m_countAt];
    }
    const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(m_words.data()); }

private:
    void Push(std::initializer_list<WORD> words) {
        for (WORD w : words)
            m_words.push_back(w);
    }
    void Dword(DWORD v) { Push({LOWORD(v), HIWORD(v)}); }
    void String(const wchar_t* s) {
        do
            m_words.push_back(static_cast<WORD>(*s));
        while (*s++);
    }
    std::vector<WORD> m_words;
    size_t m_countAt = 0;
};

// What the first page hands back at OK.
struct PageResult {
    bool applied = false;
    std::string text;
    bool checked = false;
};

// First page: refuses to be left while its edit says "bad", like a validating page.
inline INT_PTR CALLBACK FirstPageProc(HWND page, UINT msg, WPARAM, LPARAM lParam) {
    if (msg == WM_INITDIALOG) {
        auto* psp = reinterpret_cast<PROPSHEETPAGEA*>(lParam);
        SetWindowLongPtrA(page, DWLP_USER, psp->lParam);
        SetDlgItemTextA(page, kEditId, "initial");
        return TRUE;
    }
    if (msg != WM_NOTIFY)
        return FALSE;
    auto* result = reinterpret_cast<PageResult*>(GetWindowLongPtrA(page, DWLP_USER));
    HWND edit = GetDlgItem(page, kEditId);
    switch (reinterpret_cast<NMHDR*>(lParam)->code) {
    case PSN_KILLACTIVE: {
        bool refuse = Text(edit) == "bad";
        if (refuse) {
            MessageBoxA(GetParent(page), kNeedName, kBoxCaption, MB_OK | MB_ICONEXCLAMATION);
            SetFocus(edit);
            SendMessageA(edit, EM_SETSEL, 0, -1);
        }
        SetWindowLongPtrA(page, DWLP_MSGRESULT, refuse);
        return TRUE;
    }
    case PSN_APPLY:
        result->applied = true;
        result->text = Text(edit);
        result->checked = IsDlgButtonChecked(page, kCheckId) == BST_CHECKED;
        SetWindowLongPtrA(page, DWLP_MSGRESULT, PSNRET_NOERROR);
        return TRUE;
    }
    return FALSE;
}

inline INT_PTR CALLBACK SecondPageProc(HWND, UINT msg, WPARAM, LPARAM) {
    return msg == WM_INITDIALOG;
}

// Runs a two-page sheet ("First", "Second") modally; returns what the first page kept.
inline PageResult RunSheet(HWND owner) {
    DialogTemplate first(200, 100);
    first.Item(ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 10, 10, 120, 14, kEditId, 0x0081, L"");
    first.Item(BS_AUTOCHECKBOX | WS_TABSTOP, 10, 30, 120, 12, kCheckId, 0x0080, L"Check me");
    DialogTemplate second(200, 100);
    second.Item(SS_LEFT, 10, 10, 120, 12, kLabelId, 0x0082, L"Nothing here");

    PageResult result;
    PROPSHEETPAGEA pages[2] = {};
    const char* titles[2] = {"First", "Second"};
    DLGPROC procs[2] = {FirstPageProc, SecondPageProc};
    const DialogTemplate* templates[2] = {&first, &second};
    for (int i = 0; i < 2; ++i) {
        pages[i].dwSize = sizeof pages[i];
        pages[i].dwFlags = PSP_DLGINDIRECT | PSP_USETITLE;
        pages[i].pResource = templates[i]->Get();
        pages[i].pszTitle = titles[i];
        pages[i].pfnDlgProc = procs[i];
        pages[i].lParam = reinterpret_cast<LPARAM>(&result);
    }
    PROPSHEETHEADERA header = {};
    header.dwSize = sizeof header;
    header.dwFlags = PSH_PROPSHEETPAGE | PSH_NOAPPLYNOW;
    header.hwndParent = owner;
    header.pszCaption = kCaption;
    header.nPages = 2;
    header.ppsp = pages;
    PropertySheetA(&header);
    return result;
}

class HarnessSheet : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_WIN95_CLASSES};
        InitCommonControlsEx(&icc);
    }
    HostWindow host{"harness host"};
    ModalDriver driver;
    HWND sheet = nullptr;
    HWND page = nullptr;
};

} // namespace harness
