// Finds and operates the dialogs a test drives: property sheets, their pages and
// controls, and message boxes. Everything acts on windows of the calling thread's
// process; actions that could open a nested modal loop are posted, never sent.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include <windows.h>

namespace kelgui_test {

// --- reading windows ---------------------------------------------------------
std::string ClassName(HWND window);
std::string Text(HWND window); // GetWindowTextA
std::string ItemText(HWND dialog, int id);
// Top-level windows of this thread, in z-order.
std::vector<HWND> ThreadWindows();

// --- property sheets ---------------------------------------------------------
// A dialog with the property-sheet tab control.
bool IsPropertySheet(HWND window);
// A visible property sheet of this thread; with a caption, only one with that caption.
HWND FindSheet(const char* caption = nullptr);
HWND SheetTabControl(HWND sheet);
std::vector<std::string> TabTexts(HWND sheet);
int CurrentTab(HWND sheet);
HWND CurrentPage(HWND sheet);
// Brings page index to the front (posted: leaving a page may show a message box).
void SelectTab(HWND sheet, int index);
// Presses OK / Cancel (posted PSM_PRESSBUTTON), or the close box (posted SC_CLOSE).
void PressOk(HWND sheet);
void PressCancel(HWND sheet);
void PressCloseBox(HWND sheet);

// --- controls ----------------------------------------------------------------
// Replaces the text at once (WM_SETTEXT; an edit sends EN_CHANGE).
void SetText(HWND control, const std::string& text);
// Selects all of an edit's text, then types text one WM_CHAR at a time.
void TypeText(HWND edit, const std::string& text);
// Clicks a button (posted BM_CLICK, so that a handler may open a message box).
void Click(HWND button);
int CheckState(HWND button); // BST_UNCHECKED, BST_CHECKED or BST_INDETERMINATE
// Posts a key press and release of virtual key vk to window.
void SendKey(HWND window, UINT vk);
// The focus window of this thread (the driver runs on the dialog's own thread).
HWND Focus();
// An edit's selection as [start, end).
std::pair<int, int> EditSelection(HWND edit);

// --- message boxes -------------------------------------------------------------
// A dialog with a message box's text control.
bool IsMessageBox(HWND window);
// A visible message box of this thread; with an owner, only one owned by it.
HWND FindMessageBox(HWND owner = nullptr);
std::string MessageBoxText(HWND box);
// Presses one of the box's buttons (posted WM_COMMAND).
void DismissMessageBox(HWND box, int buttonId = IDOK);

} // namespace kelgui_test
