// Dialog data exchange and validation between members and controls.
#pragma once

#include <windows.h>

#include <string>

class CWnd;

// One exchange in one direction. After the first failure every further
// exchange step does nothing, so nothing after the failing step is exchanged.
class CDataExchange {
public:
    CDataExchange(CWnd* dialog, BOOL saveAndValidate)
        : m_pDlgWnd(dialog), m_bSaveAndValidate(saveAndValidate != FALSE) {}

    // The control about to be exchanged; remembered as the one to focus on failure.
    HWND PrepareCtrl(int id);
    HWND PrepareEditCtrl(int id);
    // Reports a failed check: focus on the last prepared control, its text
    // selected when it is an edit. The message box has been shown already.
    void Fail();

    CWnd* m_pDlgWnd;
    bool m_bSaveAndValidate;
    bool m_bFailed = false;
    HWND m_hWndLastControl = nullptr;
    bool m_bEditLastControl = false;
};

// Attaches the control with this id to member the first time.
void DDX_Control(CDataExchange* dx, int id, CWnd& member);
void DDX_Text(CDataExchange* dx, int id, std::string& value);
// A text of at most maxLength - 1 bytes in a caller's fixed buffer, for texts
// that must never be copied to the heap.
void DDX_Text(CDataExchange* dx, int id, char* value, int maxLength);
void DDX_Text(CDataExchange* dx, int id, int& value);
void DDX_Text(CDataExchange* dx, int id, DWORD& value);
void DDX_Check(CDataExchange* dx, int id, int& value);
void DDX_LBIndex(CDataExchange* dx, int id, int& index);
void DDV_MinMaxInt(CDataExchange* dx, int value, int minimum, int maximum);
// The text of the edit just exchanged must be one the system's ANSI code page
// holds (the blocks that carry it are ANSI). Otherwise the message names the
// characters (a password's are not shown) and they are selected in the edit,
// whose text stays as the user typed it.
void DDV_StorableText(CDataExchange* dx);
void DDV_MinMaxDWord(CDataExchange* dx, DWORD value, DWORD minimum, DWORD maximum);

// The parsing rules of the numeric exchanges, shared with tests: blanks and
// tabs around one decimal number; 0 only from text starting with '0'.
bool AfxParseInt(const char* text, int* value);
bool AfxParseDWord(const char* text, DWORD* value);
