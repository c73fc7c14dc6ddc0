// How the text pages hand a text to their edits: tab stops, the text, the
// focus and the caret.
#pragma once

#include "framework/controls.h"

#include <array>

// 40 stops, one interval apart from 0: the average character width of a
// client device context of edit, times 12, over the dialog base width unit.
using TabStops = std::array<int, 40>;
TabStops TextTabStops(HWND edit);

// Sets the stops (when given) and the length limit (0: as long as the
// control allows; its default would refuse typing into a long text). Done
// before the text goes in: new stops lay a long text out all over again.
void PrepareTextEdit(HWND edit, const TabStops* stops, int limit);

// Takes the stops out of an edit about to go (the page's WM_DESTROY): Wine's
// edit control does not free its copy of them when it is destroyed.
void DropTabStops(HWND edit);

// Gives edit the focus, drops the selection and shows the caret.
void FocusForEditing(const CEdit& edit);

// PrepareTextEdit, the text, FocusForEditing.
void ShowTextForEditing(const CEdit& edit, const char* text, const TabStops* stops, int limit);
