// Reads the string table of a loaded module the way the library does.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace kelgui_test {

// LoadStringA of id from module; empty when the table has no such string.
std::string LoadModuleString(HMODULE module, UINT id);
// Ids in [first, last] whose string is missing or empty.
std::vector<UINT> MissingStrings(HMODULE module, UINT first, UINT last);

} // namespace kelgui_test
