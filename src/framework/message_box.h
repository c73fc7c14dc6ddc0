// Message boxes of the library, captioned with the message title, and
// loading of the library's strings.
#pragma once

#include <windows.h>

#include <string>

// String id of the library's resources; a missing id gives an empty string.
std::string AfxLoadString(UINT id);
// The string with %1 and %2 replaced.
std::string AfxFormatString(UINT id, const char* arg1, const char* arg2 = nullptr);
// MessageBoxA with the application's title as caption.
int AfxMessageBox(HWND owner, const std::string& text, UINT type);
// The same for text the ANSI code page may not hold: the string with %1
// replaced, shown as UTF-16.
int AfxMessageBoxW(HWND owner, UINT id, const std::wstring& arg1, UINT type);
