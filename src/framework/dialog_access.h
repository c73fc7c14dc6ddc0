// Dialog helpers for keyboard and screen-reader users.
#pragma once

#include <windows.h>

#include <string>

// Gives control alone among the members of its dialog group the WS_TABSTOP
// style, so that Tab and the group box's mnemonic land on it: the checked
// radio button, the selected swatch.
void MoveTabStopTo(HWND control);

// Puts label right before field in the z-order (the dialog's order), so that
// the label's mnemonic goes to the field, and screen readers, which name a
// field after the label before it, name it.
void PlaceLabelBefore(HWND label, HWND field);

// Names each up-down control of dialog after the edit it steps: the text of
// the label before that edit, without its mnemonic. Screen readers read a
// control's window text; the templates' "Spin1" would be read out.
void NameUpDownControls(HWND dialog);

// A label's text as it is read out: "&Size:" and "サイズ(&S):" lose their mnemonic.
std::string WithoutMnemonic(const std::string& label);
